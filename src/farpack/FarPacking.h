#pragma once

#include "common/FileExistsAnswer.h"
#include "farpack/FarCandidates.h"
#include "farpack/FarPackChecks.h"

#include <QString>

#include <vector>

class Interaction;
class TLanguage;

struct FarPackRequest {
    FarPackTarget Target;
    // Stored with the archive's record when the database does not know the archive yet.
    QString Comment;
    QString DatabaseFile;
    // The answer to archive conflicts until the user gives one for all files.
    FileExistsAnswer FileExistsDefault = FileExistsAnswer::Ask;
    std::vector<FarCandidate> Selection;
};

enum class FarPackState { Packed, Skipped, Failed };

struct FarPackResult {
    FarCandidate Candidate;
    FarPackState State = FarPackState::Skipped;
    // Where the file was moved to, or was to go.
    QString BackupPath{};
};

struct FarPackOutcome {
    // One per selected file, in the order of the selection.
    std::vector<FarPackResult> Results;
    // The archive-conflict answer to remember for later packing.
    FileExistsAnswer RememberedAnswer = FileExistsAnswer::Ask;

    int PackedCount() const;
};

// Packs the selected object files into the archive, moves them to the backup folder and
// records them in the database, as one operation of the journal: a crash part-way is undone
// by the next recovery, and a committed packing can be undone later. A file that cannot be
// moved stays where it was and outside the archive; when the records or the archive cannot
// be written, or the user cancels, every file, entry and record stays as it was. Every
// failure is shown through interaction; at the end the user is told how many files were
// packed.
FarPackOutcome PackObjectsIntoFar(const FarPackRequest& request, const TLanguage& language,
                                  Interaction& interaction);

// "n files packed into FAR file ..."; a language file may word the single file on its own.
QString FarPackedText(const TLanguage& language, int count, const QString& farFile);
