#include "removal/ContentScan.h"

#include "common/PathRules.h"
#include "fileutil/TFiles.h"
#include "formats/TFarFile.h"
#include "platform/FileKind.h"
#include "removal/ClassifyFoundFile.h"

#include <QDir>

namespace {
constexpr int WalkStartPercent = 10;
constexpr int WalkedPercent = 60;
constexpr int SortedPercent = 90;

// Every file of the tree, telling walked the share of the folders known so far that have
// been listed.
QStringList FilesBelow(const QString& folder, const std::function<void(double)>& walked) {
    TFiles files;
    files.SetFolderListedListener(
        [&](qsizetype listed, qsizetype known) { walked(double(listed) / double(known)); });
    files.SetDirectory(folder);
    files.SetFileMask(QStringLiteral("*.*"));
    files.SetRecursive(true);
    files.FindFiles();
    return files.Files();
}

QStringList FarItemsOf(TFarFile& farFile, const QString& path) {
    QStringList items;
    if (farFile.LoadFile(path)) {
        for (int i = 0; i < farFile.GetCount(); ++i)
            items.append(farFile.GetItem(i)->Name());
    }
    farFile.Close();
    return items;
}
} // namespace

void ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const std::function<void(const QString&, const FoundFileClass&)>& visit,
                        const ScanProgress& progress) {
    // Only forward: the share of folders walked falls whenever a listing finds new ones.
    int reported = -1;
    const auto report = [&](int percent) {
        if (progress && percent > reported)
            progress(percent);
        reported = std::max(reported, percent);
    };
    const QString root = WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder));
    const QStringList found = FilesBelow(root, [&](double share) {
        report(WalkStartPercent + int((WalkedPercent - WalkStartPercent) * share));
    });
    report(WalkedPercent);
    const qsizetype count = found.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString& path = found[i];
        const std::optional<FoundFileClass> sorted =
            ClassifyFoundFile(path.mid(root.size()), gameFiles);
        if (sorted && IsRegularFile(path))
            visit(path, *sorted);
        report(WalkedPercent + int((SortedPercent - WalkedPercent) * (i + 1) / count));
    }
}

FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            TFarFile& farFile, const ScanProgress& progress) {
    FoundContent content;
    const auto add = [&](const QString& path, const FoundFileClass& sorted) {
        FoundFile file{.DisplayName = QDir::toNativeSeparators(sorted.DisplayName),
                       .Path = QDir::toNativeSeparators(path),
                       .FarItems = {}};
        if (sorted.List == FoundListId::FarArchives)
            file.FarItems = FarItemsOf(farFile, path);
        content.List(sorted.List).append(std::move(file));
    };
    ForEachContentFile(gameFolder, gameFiles, add, progress);
    return content;
}
