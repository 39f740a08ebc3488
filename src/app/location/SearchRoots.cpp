#include "app/location/SearchRoots.h"

#include "common/PathRules.h"
#include "platform/DriveRoots.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr const char16_t* DrivesQuestionKey = u"VocksRegNotFound";
constexpr const char16_t* WineQuestionKey = u"VocksRegNotFoundWine";

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

QStringList VocksSearchRoots() {
    if (std::optional<QStringList> drives = SystemDriveRoots())
        return *drives;
    return WineSearchRoots(WinePrefix::FromEnvironment(), QDir::homePath());
}

QString SearchQuestionKey() {
    return QString::fromUtf16(SystemDriveRoots() ? DrivesQuestionKey : WineQuestionKey);
}
