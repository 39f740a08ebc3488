#pragma once

#include <QString>

class TLanguage;

struct UndoReport {
    // What became of the operation, for the user.
    QString Message;
    // False when some files could not be put back; recovery tries again later.
    bool Complete = false;
};

// Takes back the committed operation id of the data folder through the same rollback that
// recovery runs: files it created are removed, files it replaced, removed or rewrote come
// back byte for byte. It runs under the data folder's lock, and marks the journal first, so
// that a kill part-way leaves an operation recovery finishes undoing.
// Throws EPackwrightError, with nothing changed, when no committed operation has that id,
// a later one changed any of its files (it must be undone first), a file the operation
// left is not as it left it (unless force), or the data folder is busy or interrupted.
UndoReport UndoCommittedOperation(const QString& dataFolder, const QString& id, bool force,
                                  const TLanguage& language, int lockWaitMs);
