#include "removal/ContentScan.h"

#include "common/PathRules.h"
#include "fileutil/PathInside.h"
#include "fileutil/TFiles.h"
#include "formats/TFarFile.h"
#include "removal/ClassifyFoundFile.h"

#include <QDir>

namespace {
constexpr int WalkStartPercent = 10;
constexpr int WalkedPercent = 60;
constexpr int SortedPercent = 90;

struct WalkedFile {
    QString Path;
    QByteArray NativePath;
};

// Every plain file of the tree, telling walked the share of the folders known so far that
// have been listed.
QList<WalkedFile> FilesBelow(const QString& folder, const std::function<void(double)>& walked) {
    QList<WalkedFile> found;
    TFiles files;
    files.SetEntryListedListener(
        [&](const QString& path, const QByteArray& nativePath, const FolderEntry& entry) {
            if (entry.IsRegularFile)
                found.append({path, nativePath});
        });
    files.SetFolderListedListener(
        [&](qsizetype listed, qsizetype known) { walked(double(listed) / double(known)); });
    files.SetDirectory(folder);
    files.SetFileMask(QStringLiteral("*.*"));
    files.SetRecursive(true);
    files.SetFollowLinksOut(false);
    files.FindFiles();
    return found;
}

// An archive is read only where its path leads, inside the game folder: loading a path that
// does not reach a file would create one.
QStringList FarItemsOf(TFarFile& farFile, const QString& path, const QString& gameFolder) {
    QStringList items;
    if (LiesInside(path, gameFolder) && farFile.LoadFile(path)) {
        for (int i = 0; i < farFile.GetCount(); ++i)
            items.append(farFile.GetItem(i)->Name());
    }
    farFile.Close();
    return items;
}
} // namespace

void ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const ContentFileVisit& visit, const ScanProgress& progress) {
    // Only forward: the share of folders walked falls whenever a listing finds new ones.
    int reported = -1;
    const auto report = [&](int percent) {
        if (progress && percent > reported)
            progress(percent);
        reported = std::max(reported, percent);
    };
    const QString root = WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder));
    const QList<WalkedFile> found = FilesBelow(root, [&](double share) {
        report(WalkStartPercent + int((WalkedPercent - WalkStartPercent) * share));
    });
    report(WalkedPercent);
    const qsizetype count = found.size();
    for (qsizetype i = 0; i < count; ++i) {
        const WalkedFile& file = found[i];
        const std::optional<FoundFileClass> sorted =
            ClassifyFoundFile(file.Path.mid(root.size()), gameFiles);
        if (sorted)
            visit(file.Path, file.NativePath, *sorted);
        report(WalkedPercent + int((SortedPercent - WalkedPercent) * (i + 1) / count));
    }
}

FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            TFarFile& farFile, const ScanProgress& progress) {
    FoundContent content;
    const QString root = QDir::fromNativeSeparators(gameFolder);
    const auto add = [&](const QString& path, const QByteArray& nativePath,
                         const FoundFileClass& sorted) {
        FoundFile file{.DisplayName = QDir::toNativeSeparators(sorted.DisplayName),
                       .Path = QDir::toNativeSeparators(path),
                       .NativePath = nativePath,
                       .FarItems = {}};
        if (sorted.List == FoundListId::FarArchives && nativePath.isEmpty())
            file.FarItems = FarItemsOf(farFile, path, root);
        content.List(sorted.List).append(std::move(file));
    };
    ForEachContentFile(gameFolder, gameFiles, add, progress);
    return content;
}
