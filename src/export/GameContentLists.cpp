#include "export/GameContentLists.h"

#include "common/DayCountDate.h"
#include "common/Interaction.h"
#include "common/Placeholders.h"
#include "export/ExportListKinds.h"
#include "formats/FarDirectory.h"
#include "formats/GameFileList.h"
#include "language/TLanguage.h"
#include "removal/ContentNameOrder.h"
#include "removal/ContentRecords.h"
#include "removal/ContentScan.h"
#include "removal/RecordedLots.h"
#include "removal/UnreadableArchives.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {
constexpr int TempClearedPercent = 6;
constexpr int GameFilesReadPercent = 8;
constexpr int DatabaseReadPercent = 10;
const QString GameFilesName = QStringLiteral("QuarnFiles.iff");
const QString DatabaseName = QStringLiteral("files.iff");

// Nothing when the archive cannot be read: it is listed without entries.
std::optional<std::vector<FarDirectoryEntry>> ArchiveEntries(const QString& path) {
    QFile archive(path);
    if (!archive.open(QIODevice::ReadOnly))
        return std::nullopt;
    FarDirectory directory = ReadFarDirectory(archive);
    if (directory.Outcome != FarReadOutcome::Valid)
        return std::nullopt;
    return std::move(directory.Entries);
}

ExportFile Dated(ExportFile file, const InstalledFileRecord& record) {
    file.InstalledAt = FromDayCount(record.InstalledAt);
    file.Comment = record.Comment;
    return file;
}

class ListAssembler {
public:
    ListAssembler(const FoundContent& content, InstalledFilesDb& db) : FContent(content), FDb(db) {}

    ExportList Assemble(ContentKind kind, const QString& title) {
        ExportList list{.Kind = kind, .Title = title, .Entries = {}};
        // The three object folders, and every other kind's single list, in the scan's order.
        for (const FoundListInfo& found : AllFoundLists())
            if (found.Kind == kind)
                for (const FoundFile* file : ByName(FContent.List(found.Id)))
                    list.Entries.append(Entry(kind, *file));
        return list;
    }

    // The archives listed without entries so far, each once.
    const QStringList& UnreadableArchives() const { return FUnreadable; }

private:
    // A folder's files as the delete tab shows them, not in the file system's order.
    static std::vector<const FoundFile*> ByName(const QList<FoundFile>& files) {
        std::vector<const FoundFile*> sorted;
        sorted.reserve(size_t(files.size()));
        for (const FoundFile& file : files)
            sorted.push_back(&file);
        std::ranges::stable_sort(sorted, ComesBeforeByName, [](const FoundFile* file) {
            return QStringView(file->DisplayName);
        });
        return sorted;
    }

    ExportEntry Entry(ContentKind kind, const FoundFile& found) {
        ExportEntry entry;
        // The size the walk's listing gave: the file is not read, so it is not opened.
        static_cast<ExportFile&>(entry) = Dated({.Name = found.DisplayName,
                                                 .FullPath = found.Path,
                                                 .InstalledAt = {},
                                                 .Comment = {},
                                                 .Size = found.Size},
                                                RecordOfFoundFile(FDb, kind, found));
        if (kind == ContentKind::FarFiles)
            entry.ArchiveFiles = ArchiveFiles(found.Path);
        return entry;
    }

    QList<ExportFile> ArchiveFiles(const QString& archivePath) {
        const std::optional<std::vector<FarDirectoryEntry>> items = ArchiveEntries(archivePath);
        if (!items) {
            if (!FUnreadable.contains(archivePath))
                FUnreadable.append(archivePath);
            return {};
        }
        QList<ExportFile> files;
        for (const FarDirectoryEntry& item : *items)
            files.append(Dated({.Name = item.Name,
                                .FullPath = FarItemRecordName(archivePath, item.Name),
                                .InstalledAt = {},
                                .Comment = {},
                                .Size = item.Size},
                               RecordOfFarItem(FDb, archivePath, item.Name)));
        return files;
    }

    const FoundContent& FContent;
    InstalledFilesDb& FDb;
    QStringList FUnreadable;
};
} // namespace

GameContentLists::GameContentLists(const GameContentPlaces& places, Interaction& interaction,
                                   const TLanguage& language)
    : FPlaces(places), FInteraction(interaction), FLanguage(language) {}

QList<ExportList> GameContentLists::Build(const QList<ContentKind>& kinds,
                                          ProgressHandle& progress) {
    ClearTempFolder(progress);
    std::optional<GameFileList> gameFiles = GameFileList::Load(FPlaces.DataFolder + GameFilesName);
    if (!gameFiles)
        FInteraction.Warn(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ExportQuarnFilesMissing")),
                               u"FileName", GameFilesName));
    progress.SetPercent(GameFilesReadPercent);
    FDb.SetErrorMessage(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("DBError")),
                                           u"FileName", DatabaseName));
    FDb.Load(FPlaces.DataFolder + DatabaseName);
    progress.SetPercent(DatabaseReadPercent);
    // A cancelled scan leaves the lists short; the export then stops before writing.
    FoundContent content = ScanGameFolder(
        FPlaces.GameFolder, gameFiles.value_or(GameFileList()),
        [&](int percent) { progress.SetPercent(percent); },
        [&] { return progress.CancelRequested(); });
    AddRecordedLots(content, FDb, FPlaces.GameFolder);
    ListAssembler assembler(content, FDb);
    QList<ExportList> lists;
    for (const ContentKind kind : kinds)
        for (const ExportListKind& known : ExportListKinds())
            if (known.Kind == kind)
                lists.append(assembler.Assemble(
                    kind, FLanguage.GetString(QString::fromUtf16(known.TitleKey))));
    WarnUnreadableArchives(assembler.UnreadableArchives(), FInteraction, FLanguage);
    return lists;
}

// Saved only to keep what changed: a database the export left as it was stays untouched.
void GameContentLists::ListsTaken() {
    if (FDb.HasChanges())
        FDb.Save(FInteraction);
}

void GameContentLists::ClearTempFolder(ProgressHandle& progress) const {
    if (!FPlaces.TempFolder.isEmpty()) {
        QDir(FPlaces.TempFolder).removeRecursively();
        QDir().mkpath(FPlaces.TempFolder);
    }
    progress.SetPercent(TempClearedPercent);
}
