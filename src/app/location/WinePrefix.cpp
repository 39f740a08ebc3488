#include "app/location/WinePrefix.h"

#include "common/PathRules.h"

#include <QDir>
#include <QFileInfo>

WinePrefix::WinePrefix(QString folder) : FFolder(QDir::fromNativeSeparators(std::move(folder))) {}

WinePrefix WinePrefix::FromEnvironment() {
    const QString folder = qEnvironmentVariable("WINEPREFIX");
    return WinePrefix(folder.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : folder);
}

QString WinePrefix::SystemRegistryFile() const {
    return FFolder + QStringLiteral("/system.reg");
}

QList<WineDrive> WinePrefix::Drives() const {
    QList<WineDrive> drives;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const QString folder = DriveFolder(QChar(letter));
        if (!folder.isEmpty())
            drives.append({QChar(letter), folder});
    }
    return drives;
}

QString WinePrefix::LocalPath(const QString& windowsPath) const {
    const QString path = ToSlashes(windowsPath.trimmed());
    const QChar letter = path.isEmpty() ? QChar() : path[0].toLower();
    if (path.size() < 2 || path[1] != u':' || letter < u'a' || letter > u'z')
        return QString();
    const QString drive = DriveFolder(letter);
    // Relative to the drive's root; ".." cannot climb out of the drive.
    const QString rest = QDir::cleanPath(u'/' + path.mid(2)).mid(1);
    if (drive.isEmpty() || rest.startsWith(u".."))
        return QString();
    if (rest.isEmpty())
        return drive;
    QString local = JoinCaseInsensitive(drive, rest);
    while (local.size() > 1 && local.endsWith(u'/'))
        local.chop(1);
    return local;
}

QString WinePrefix::DriveFolder(QChar letter) const {
    // Each drive is a link named like "c:" that leads to its folder, directly or through
    // further links; a link that leads nowhere is no drive.
    const QString link =
        FindExistingCaseInsensitive(FFolder + QStringLiteral("/dosdevices/") + letter + u':');
    if (link.isEmpty())
        return QString();
    const QFileInfo target(QFileInfo(link).canonicalFilePath());
    return target.isDir() ? target.filePath() : QString();
}
