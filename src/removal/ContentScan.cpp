#include "removal/ContentScan.h"

#include "common/PathRules.h"
#include "fileutil/PathInside.h"
#include "fileutil/TFiles.h"
#include "formats/FarDirectory.h"
#include "removal/ClassifyFoundFile.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {
constexpr int WalkStartPercent = 10;
constexpr int WalkedPercent = 60;
constexpr int SortedPercent = 90;

// Every plain file of the tree, telling walked the share of the folders known so far that
// have been listed; the walk ends early when cancelled says so.
QList<WalkedFile> FilesBelow(const QString& folder, const std::function<void(double)>& walked,
                             const ScanCancelled& cancelled) {
    QList<WalkedFile> found;
    TFiles files;
    files.SetStopRequested(cancelled);
    files.SetEntryListedListener(
        [&](const QString& path, const QByteArray& nativePath, const FolderEntry& entry) {
            if (entry.IsRegularFile)
                found.append({path, nativePath, entry.Size, entry.ModifiedMSecs});
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

// The entry names of the archive; nothing when it is not a FAR archive or cannot be read.
std::optional<QStringList> FarItemsOf(const QString& path) {
    QFile archive(path);
    if (!archive.open(QIODevice::ReadOnly))
        return std::nullopt;
    const FarDirectory directory = ReadFarDirectory(archive);
    if (directory.Outcome != FarReadOutcome::Valid)
        return std::nullopt;
    QStringList items;
    for (const FarDirectoryEntry& entry : directory.Entries)
        items.append(entry.Name);
    return items;
}
} // namespace

bool ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const ContentFileVisit& visit, const ScanProgress& progress,
                        const ScanCancelled& cancelled) {
    // Only forward: the share of folders walked falls whenever a listing finds new ones.
    int reported = -1;
    const auto report = [&](int percent) {
        if (progress && percent > reported)
            progress(percent);
        reported = std::max(reported, percent);
    };
    const QString root = WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder));
    const auto stop = [&cancelled] { return cancelled && cancelled(); };
    const QList<WalkedFile> found = FilesBelow(
        root,
        [&](double share) {
            report(WalkStartPercent + int((WalkedPercent - WalkStartPercent) * share));
        },
        stop);
    if (stop())
        return false;
    report(WalkedPercent);
    const qsizetype count = found.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (stop())
            return false;
        const WalkedFile& file = found[i];
        const std::optional<FoundFileClass> sorted =
            ClassifyFoundFile(file.Path.mid(root.size()), gameFiles);
        if (sorted)
            visit(file, *sorted);
        report(WalkedPercent + int((SortedPercent - WalkedPercent) * (i + 1) / count));
    }
    return true;
}

FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            const ScanProgress& progress, const ScanCancelled& cancelled) {
    FoundContent content;
    const QString root = QDir::fromNativeSeparators(gameFolder);
    const auto add = [&](const WalkedFile& walked, const FoundFileClass& sorted) {
        FoundFile file{.DisplayName = QDir::toNativeSeparators(sorted.DisplayName),
                       .Path = QDir::toNativeSeparators(walked.Path),
                       .NativePath = walked.NativePath,
                       .FarItems = {},
                       .Size = walked.Size,
                       .ModifiedMSecs = walked.ModifiedMSecs};
        // Read only where the path leads, inside the game folder.
        if (sorted.List == FoundListId::FarArchives && walked.NativePath.isEmpty() &&
            LiesInside(walked.Path, root)) {
            if (std::optional<QStringList> items = FarItemsOf(walked.Path))
                file.FarItems = std::move(*items);
            else
                content.UnreadableArchives.append(file.Path);
        }
        content.List(sorted.List).append(std::move(file));
    };
    content.Cancelled = !ForEachContentFile(gameFolder, gameFiles, add, progress, cancelled);
    return content;
}
