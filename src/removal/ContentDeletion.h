#pragma once

#include "formats/ContentKind.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class InstalledFilesDb;
class Operation;
class ProgressHandle;
class TFarFile;
class TLanguage;

// What to delete: a whole file (a FAR archive counts as one), or some entries of an archive
// that is kept.
struct DeleteTarget {
    ContentKind Kind = ContentKind::Objects;
    QString Path;
    // Entry names to take out of the archive at Path; empty to delete the whole file.
    QStringList Items;
    // Path as the disk spells it when Path's text does not; empty otherwise.
    QByteArray NativePath;
};

// The path the journal names the target's file by: its own bytes when its text, decoded for
// showing, would spell another file.
QString DiskPathText(const DeleteTarget& target);

// What became of one file or archive entry.
struct DeleteResult {
    ContentKind Kind = ContentKind::Objects;
    // The file's path; for an entry the archive's path, the system's separator and its name.
    QString Path;
    bool Deleted = false;
    // Why it was not deleted.
    QString Reason;

    bool operator==(const DeleteResult&) const = default;
};

// Deletes the targets through the operation, which keeps each deleted file and each
// archive's old bytes, and takes their records out of db (which the caller saves). A file
// that cannot be deleted keeps its record and is reported as not deleted; so are the
// entries of an archive that cannot be rewritten, whose old bytes and records stay. The
// records of a whole archive's entries are those named by its path and a separator.
// Progress runs from 0 to 95. Cancelled, it stops before the next target: the results and
// db then cover what was deleted.
std::vector<DeleteResult> DeleteContent(const std::vector<DeleteTarget>& targets,
                                        InstalledFilesDb& db, TFarFile& farFile,
                                        Operation& operation, const TLanguage& language,
                                        ProgressHandle* progress = nullptr);

int DeletedCount(const std::vector<DeleteResult>& results);

// The report after a deletion: SingleFileDeleted for one file when the loaded language
// has that text, else FilesDeleted with the number.
QString DeletedCountText(const TLanguage& language, int count);

// The warning that names the files that could not be deleted; empty when all went.
QString DeleteFailuresText(const TLanguage& language, const std::vector<DeleteResult>& results);
