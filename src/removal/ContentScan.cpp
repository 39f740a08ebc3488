#include "removal/ContentScan.h"

#include "common/PathRules.h"
#include "fileutil/TFiles.h"
#include "formats/TFarFile.h"
#include "platform/FileKind.h"
#include "removal/ClassifyFoundFile.h"

#include <QDir>

namespace {
constexpr int WalkedPercent = 60;
constexpr int SortedPercent = 90;

QStringList FilesBelow(const QString& folder) {
    TFiles files;
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

FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            TFarFile& farFile, const ScanProgress& progress) {
    int reported = -1;
    const auto report = [&](int percent) {
        if (progress && percent != reported)
            progress(percent);
        reported = percent;
    };
    const QString root = WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder));
    const QStringList found = FilesBelow(root);
    report(WalkedPercent);
    FoundContent content;
    const qsizetype count = found.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString& path = found[i];
        const std::optional<FoundFileClass> sorted =
            ClassifyFoundFile(path.mid(root.size()), gameFiles);
        if (sorted && IsRegularFile(path)) {
            FoundFile file{.DisplayName = QDir::toNativeSeparators(sorted->DisplayName),
                           .Path = QDir::toNativeSeparators(path),
                           .FarItems = {}};
            if (sorted->List == FoundListId::FarArchives)
                file.FarItems = FarItemsOf(farFile, path);
            content.List(sorted->List).append(std::move(file));
        }
        report(WalkedPercent + int((SortedPercent - WalkedPercent) * (i + 1) / count));
    }
    return content;
}
