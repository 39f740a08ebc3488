#include "removal/ContentRecords.h"

#include "common/DayCountDate.h"
#include "formats/InstalledFilesDb.h"

#include <QFileInfo>

namespace {
double ModificationDay(const QString& path) {
    return ToDayCount(QFileInfo(path).lastModified());
}

InstalledFileRecord FindOrAdd(InstalledFilesDb& db, ContentKind kind, const QString& name,
                              const QString& datedPath) {
    const int index = db.IndexOf(kind, name);
    if (index >= 0)
        return db.Get(kind, index);
    InstalledFileRecord record{
        .FileName = name, .Comment = {}, .InstalledAt = ModificationDay(datedPath)};
    db.Add(kind, record);
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

InstalledFileRecord RecordOfFoundFile(InstalledFilesDb& db, ContentKind kind, const QString& path) {
    return FindOrAdd(db, kind, path, path);
}

InstalledFileRecord RecordOfFarItem(InstalledFilesDb& db, const QString& archivePath,
                                    const QString& itemName) {
    const QString slashName = archivePath + QLatin1Char('/') + itemName;
    if (const int index = db.IndexOf(ContentKind::FarPackedFiles, slashName); index >= 0)
        return db.Get(ContentKind::FarPackedFiles, index);
    return FindOrAdd(db, ContentKind::FarPackedFiles, FarItemRecordName(archivePath, itemName),
                     archivePath);
}
