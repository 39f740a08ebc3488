#include "platform/DriveRoots.h"

#include <QDir>

#include <windows.h>

std::optional<QStringList> SystemDriveRoots() {
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
