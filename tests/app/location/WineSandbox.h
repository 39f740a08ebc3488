#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A Wine prefix and a home folder in a temporary folder, with WINEPREFIX and HOME pointed
// at them while the sandbox lives. The prefix starts with c: leading to its drive_c and
// z: leading to the root of the file system, as Wine sets it up.
class WineSandbox {
public:
    WineSandbox();
    ~WineSandbox();
    WineSandbox(const WineSandbox&) = delete;
    WineSandbox& operator=(const WineSandbox&) = delete;

    QString Prefix() const { return FRoot.filePath(QStringLiteral("prefix")); }
    QString Home() const { return FRoot.filePath(QStringLiteral("home")); }
    QString DriveC() const { return Prefix() + QStringLiteral("/drive_c"); }
    // A folder of the sandbox outside prefix and home.
    QString Outside(const QString& name) const { return FRoot.filePath(name); }

    // Makes dosdevices/<drive> (such as "d:") a link to target.
    void LinkDrive(const QString& drive, const QString& target) const;
    // Writes system.reg: the header, then body.
    void WriteSystemReg(const QByteArray& body) const;
    // Writes system.reg holding the game's key with VOCKS_DATA = windowsPath.
    void RegisterGame(const QString& windowsPath, const QString& keyPath = GameKey) const;
    // Makes folder and the game's program file in it, named fileName.
    void PlaceGame(const QString& folder,
                   const QString& fileName = QStringLiteral("Vocks.exe")) const;

    static const QString GameKey;

private:
    QTemporaryDir FRoot;
    QByteArray FOldPrefix;
    QByteArray FOldHome;
};

// A registry text as Wine writes it: backslashes and quotes escaped.
QByteArray RegEscaped(const QString& text);
