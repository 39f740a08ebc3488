#pragma once

#include "journal/JournalFormat.h"

#include <QString>

struct RollBackResult {
    // The journal could be read; when false nothing was touched.
    bool Readable = false;
    JournalHeader Header;
    // Files that could not be put back or removed; their kept copies stay.
    QStringList Failed;
};

// Undoes the operation in the folder, last step first: files it created are removed,
// folders it made are removed when empty, kept files go back where they were. Every step
// may or may not have happened, so each undo looks before it acts, and running it again
// changes nothing more. Once every step is undone the folder goes.
RollBackResult RollBackOperation(const QString& operationFolder);

// Undoes one step, as RollBackOperation does; false when its file could not be restored.
bool RollBackStep(const QString& operationFolder, const JournalStep& step);
