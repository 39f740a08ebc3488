#include "app/location/SearchRoots.h"

#include "common/PathRules.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// Adds folder once, unless it is the root of the whole file system.
void AddRoot(QStringList& roots, const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty() || real == QDir::rootPath())
        return;
    const QString root = WithTrailingSeparator(real);
    if (!roots.contains(root))
        roots.append(root);
}
} // namespace

QStringList WineSearchRoots(const WinePrefix& prefix, const QString& homeFolder) {
    QStringList roots;
    for (const WineDrive& drive : prefix.Drives())
        AddRoot(roots, drive.Folder);
    AddRoot(roots, homeFolder);
    return roots;
}

#ifdef Q_OS_WIN
QStringList VocksSearchRoots() {
    QStringList roots;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((drives & (DWORD{1} << i)) == 0)
            continue;
        const QString root = QChar(u'A' + i) + QStringLiteral(":\\");
        const UINT type = GetDriveTypeW(reinterpret_cast<LPCWSTR>(root.utf16()));
        if (type == DRIVE_FIXED || type == DRIVE_REMOTE)
            roots.append(QDir::fromNativeSeparators(root));
    }
    return roots;
}
#else
QStringList VocksSearchRoots() {
    return WineSearchRoots(WinePrefix::FromEnvironment(), QDir::homePath());
}
#endif
