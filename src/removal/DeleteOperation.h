#pragma once

#include "removal/ContentDeletion.h"

class Interaction;
class ProgressHandle;

struct DeletionOutcome {
    std::vector<DeleteResult> Results;
    // False when the records could not be saved, or the operation not committed.
    bool Recorded = false;
    // Cancel was pressed: every file came back, files.iff holds its old records, and db
    // must be loaded again.
    bool Cancelled = false;
};

// Deletes the targets and saves db as one operation of the journal beside db's file, so
// that a deletion cut short is undone as a whole: deleted files come back, rewritten
// archives and files.iff get their old bytes. A database that cannot be saved is shown as
// an error through interaction. Throws EPackwrightError, with nothing deleted, when the
// operation cannot begin.
DeletionOutcome DeleteAndSaveRecords(const std::vector<DeleteTarget>& targets, InstalledFilesDb& db,
                                     TFarFile& farFile, const TLanguage& language,
                                     Interaction& interaction, ProgressHandle* progress = nullptr);
