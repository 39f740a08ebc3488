#include "removal/ContentRecords.h"

#include "common/DayCountDate.h"
#include "fileutil/PlatformFileSystem.h"
#include "formats/InstalledFilesDb.h"
#include "removal/FoundContent.h"

namespace {
// modifiedAt is asked only for a file the database does not know.
template <typename ModifiedAtOf>
InstalledFileRecord FindOrAdd(InstalledFilesDb& db, ContentKind kind, const QString& name,
                              ModifiedAtOf modifiedAt) {
    const int index = db.IndexOf(kind, name);
    if (index >= 0)
        return db.Get(kind, index);
    InstalledFileRecord record{
        .FileName = name, .Comment = {}, .InstalledAt = ToDayCount(modifiedAt())};
    db.Add(kind, record);
    return record;
}

// Day 0 is no date: packing once recorded files that had no install record so. Such an
// entry is dated like an unknown one, by its archive, and keeps that date with the next save.
InstalledFileRecord DatedByArchive(InstalledFilesDb& db, InstalledFileRecord record,
                                   const QString& archivePath) {
    if (record.InstalledAt != 0)
        return record;
    record.InstalledAt = ToDayCount(ModifiedAt(archivePath, {}));
    db.Add(ContentKind::FarPackedFiles, record);
    return record;
}
} // namespace

QString FarItemRecordName(const QString& archivePath, const QString& itemName) {
    return archivePath + QLatin1Char('\\') + itemName;
}

bool IsRecordOfArchive(const QString& recordName, const QString& archivePath) {
    if (recordName.size() <= archivePath.size() ||
        !recordName.startsWith(archivePath, Qt::CaseInsensitive))
        return false;
    const QChar separator = recordName[archivePath.size()];
    return separator == QLatin1Char('\\') || separator == QLatin1Char('/');
}

InstalledFileRecord RecordOfFoundFile(InstalledFilesDb& db, ContentKind kind, const QString& path,
                                      const QByteArray& nativePath) {
    return FindOrAdd(db, kind, path, [&] { return ModifiedAt(path, nativePath); });
}

InstalledFileRecord RecordOfFoundFile(InstalledFilesDb& db, ContentKind kind,
                                      const FoundFile& file) {
    return db.FindOrAdd(
        kind, {.FileName = file.Path,
               .Comment = {},
               .InstalledAt = ToDayCount(QDateTime::fromMSecsSinceEpoch(file.ModifiedMSecs))});
}

InstalledFileRecord RecordOfFarItem(InstalledFilesDb& db, const QString& archivePath,
                                    const QString& itemName) {
    const QString slashName = archivePath + QLatin1Char('/') + itemName;
    const int slashIndex = db.IndexOf(ContentKind::FarPackedFiles, slashName);
    InstalledFileRecord record =
        slashIndex >= 0
            ? db.Get(ContentKind::FarPackedFiles, slashIndex)
            : FindOrAdd(db, ContentKind::FarPackedFiles, FarItemRecordName(archivePath, itemName),
                        [&] { return ModifiedAt(archivePath, {}); });
    return DatedByArchive(db, std::move(record), archivePath);
}
