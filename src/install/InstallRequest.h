#pragma once

#include "common/ExpansionFlags.h"
#include "common/FileExistsAnswer.h"
#include "formats/ContentKind.h"
#include "install/TickedFile.h"

#include <QList>
#include <QString>

// Everything one install needs: the ticked files in tree order and the settings.
struct InstallRequest {
    QList<TickedFile> Files;
    // With a trailing separator.
    QString GameFolder;
    ExpansionFlags Packs;
    FileExistsAnswer FileExistsDefault = FileExistsAnswer::Ask;
    // The installed-files database that records the files.
    QString DatabaseFile;
    // The intake's temporary folder. What was extracted into it is the program's own, so
    // each such file is given its target as a second name where the disk allows, rather
    // than having its bytes written again.
    QString ExtractionFolder;
};

enum class InstallOutcome {
    Installed,
    // Already at its target: recorded, not copied, not counted.
    InPlace,
    Skipped,
    Failed,
};

// What became of one ticked file. Target is empty for a house or area left out by the
// user's choice.
struct InstalledFileOutcome {
    TickedFile File;
    QString Target;
    InstallOutcome Outcome = InstallOutcome::Skipped;
};

struct InstallResult {
    // The neighbourhood chooser was cancelled, the user refused to install files that
    // already lie in the game folder, the database could not be read, or the user pressed
    // Cancel during the copies, which were then taken back: nothing was copied or recorded.
    bool Cancelled = false;
    // Files copied.
    int Count = 0;
    // False when the records of the copied files could not be saved.
    bool Recorded = true;
    // One per ticked file, in the order of the request.
    QList<InstalledFileOutcome> Files;
};
