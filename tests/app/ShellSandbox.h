#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>

// A world of its own for one shell test: a settings store, a program folder (with English.lng,
// a 384 × 384 dropimg.jpg and Readme.txt), a game folder holding Vocks.exe, a system
// temporary folder, a home folder and an empty Wine prefix. The environment points at them
// until the sandbox goes; nothing of the machine running the test is read or touched.
class ShellSandbox {
public:
    ShellSandbox();
    ~ShellSandbox();
    ShellSandbox(const ShellSandbox&) = delete;
    ShellSandbox& operator=(const ShellSandbox&) = delete;

    QString Path(const QString& relative) const { return FRoot.filePath(relative); }
    QString SettingsFile() const { return Path(QStringLiteral("settings.ini")); }
    // With a trailing separator, as the program keeps folders.
    QString ProgramFolder() const { return Path(QStringLiteral("program/")); }
    QString GameFolder() const { return Path(QStringLiteral("game/")); }
    QString TempRoot() const { return Path(QStringLiteral("tmp")); }
    QString WinePrefix() const { return Path(QStringLiteral("wine")); }

    // A store whose values are valid for this sandbox, with the given ones changed.
    void WriteSettings(const QHash<QString, QString>& changes = {}) const;
    QString StoredValue(const QString& name) const;
    // A picture of the given size; the format follows the extension (".bmp" or JPEG).
    QString WritePicture(const QString& relative, int width, int height) const;
    QString WriteFile(const QString& relative, const QByteArray& bytes) const;
    // The game's own key in the Wine prefix, with drive C: leading to drive_c/.
    void WriteGameKey(const QHash<QString, QString>& values) const;

private:
    void Redirect(const char* name, const QString& value);

    QTemporaryDir FRoot;
    QList<QPair<QByteArray, std::optional<QByteArray>>> FSavedEnvironment;
};
