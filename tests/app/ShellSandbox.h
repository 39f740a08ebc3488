#pragma once

#include "support/TempFolder.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>

#include <utility>
#include <vector>

// A world of its own for one shell test: a settings store, a program folder (with English.lng,
// a 384 × 384 dropimg.jpg and Readme.txt), a game folder holding Vocks.exe, a system
// temporary folder, a home folder and a Wine prefix whose c: leads to its drive_c and z: to
// the root of the file system, as Wine sets it up. The environment points at them until the
// sandbox goes; nothing of the machine running the test is read or touched.
class ShellSandbox {
public:
    ShellSandbox();
    ~ShellSandbox();
    ShellSandbox(const ShellSandbox&) = delete;
    ShellSandbox& operator=(const ShellSandbox&) = delete;

    QString Path(const QString& relative) const { return FRoot.Path(relative); }
    QString SettingsFile() const { return Path(QStringLiteral("settings.ini")); }
    // With a trailing separator, as the program keeps folders.
    QString ProgramFolder() const { return Path(QStringLiteral("program/")); }
    QString GameFolder() const { return Path(QStringLiteral("game/")); }
    QString TempRoot() const { return Path(QStringLiteral("tmp")); }
    QString Home() const { return Path(QStringLiteral("home")); }
    QString Prefix() const { return Path(QStringLiteral("wine")); }
    QString DriveC() const { return Path(QStringLiteral("wine/drive_c")); }

    // A store whose values are valid for this sandbox, with the given ones changed.
    void WriteSettings(const QHash<QString, QString>& changes = {}) const;
    QString StoredValue(const QString& name) const;
    // Every value of the store, as the file holds it.
    QMap<QString, QString> StoredValues() const;
    // A picture of the given size; the format follows the extension (".bmp" or JPEG).
    QString WritePicture(const QString& relative, int width, int height) const;
    QString WriteFile(const QString& relative, const QByteArray& bytes) const {
        return FRoot.Write(relative, bytes);
    }

    // Makes dosdevices/<drive> (such as "d:") a link to target.
    void LinkDrive(const QString& drive, const QString& target) const;
    // Writes the prefix's system.reg holding one key with the given string values.
    void WriteGameKey(const std::vector<std::pair<QString, QString>>& values,
                      const QString& keyPath = GameKey) const;
    // Makes folder and the game's program file in it, named fileName.
    void PlaceGame(const QString& folder,
                   const QString& fileName = QStringLiteral("Vocks.exe")) const;

    static const QString GameKey;

private:
    void Redirect(const char* name, const QString& value);

    TempFolder FRoot;
    QList<QPair<QByteArray, std::optional<QByteArray>>> FSavedEnvironment;
};
