#pragma once

#include "formats/ContentKind.h"
#include "formats/InstalledFileRecord.h"

#include <QString>

class InstalledFilesDb;
struct FoundFile;

// The database name of an entry packed into a FAR archive: the archive's path, a backslash
// and the entry's name.
QString FarItemRecordName(const QString& archivePath, const QString& itemName);

// Whether a record names an entry of this archive: its name starts with the archive's path
// and a separator ("\" or "/"), without regard to letter case. Another archive whose path
// merely contains this one's is not matched.
bool IsRecordOfArchive(const QString& recordName, const QString& archivePath);

// The installed-file record of a found file: the database's own, or, for a file it does
// not know, one with no comment and the file's modification time, which is added to db
// so that the next save keeps it. nativePath is the path as the disk spells it when the
// text does not.
InstalledFileRecord RecordOfFoundFile(InstalledFilesDb& db, ContentKind kind, const QString& path,
                                      const QByteArray& nativePath = {});
// The same for a file of a scan, dated as the walk found it without asking the system again.
InstalledFileRecord RecordOfFoundFile(InstalledFilesDb& db, ContentKind kind,
                                      const FoundFile& file);

// The same for an entry of a FAR archive (kind 106); an unknown entry, or one whose record
// has no date (day 0), takes the archive's modification time. A record written with "/" in
// place of the backslash is found too.
InstalledFileRecord RecordOfFarItem(InstalledFilesDb& db, const QString& archivePath,
                                    const QString& itemName);
