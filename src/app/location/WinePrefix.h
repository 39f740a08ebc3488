#pragma once

#include <QChar>
#include <QList>
#include <QString>

// One drive letter of a Wine prefix and the folder on disk it leads to.
struct WineDrive {
    QChar Letter;   // lower case, 'a' to 'z'
    QString Folder; // canonical, "/" separators, no trailing separator
};

// A Wine prefix: the folder that holds system.reg and the dosdevices links that give each
// drive letter its folder on disk.
class WinePrefix {
public:
    explicit WinePrefix(QString folder);
    // $WINEPREFIX, or ~/.wine when it is not set.
    static WinePrefix FromEnvironment();

    const QString& Folder() const { return FFolder; }
    QString SystemRegistryFile() const;
    // The drive letters whose links lead to an existing folder, in letter order. Links that
    // point nowhere (a missing disc, a removed folder) are left out.
    QList<WineDrive> Drives() const;
    // A Windows path ("C:\Program Files\Quarn\The Vocks") as the path on disk, each part
    // matched without regard to letter case as Wine does; an empty text when the path has
    // no drive letter or its letter leads nowhere.
    QString LocalPath(const QString& windowsPath) const;

private:
    QString DriveFolder(QChar letter) const;

    QString FFolder;
};
