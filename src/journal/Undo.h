#pragma once

#include "common/PackwrightError.h"

#include <QString>

class TLanguage;

struct UndoReport {
    // What became of the operation, for the user.
    QString Message;
    // False when some files could not be put back; recovery tries again later.
    bool Complete = false;
};

// The refusal that --force overrides: a file the operation left has changed since. The
// changed file is lost when the undo goes on regardless.
class EUndoFileChanged : public EPackwrightError {
public:
    using EPackwrightError::EPackwrightError;
};

// Takes back the committed operation id of the data folder through the same rollback that
// recovery runs: files it created are removed, files it replaced, removed or rewrote come
// back byte for byte. It runs under the data folder's lock, and marks the journal first, so
// that a kill part-way leaves an operation recovery finishes undoing.
// Throws EPackwrightError, with nothing changed, when no committed operation has that id,
// a later one changed any of its files (it must be undone first), or the data folder is
// busy or interrupted; throws EUndoFileChanged when a file the operation left is not as it
// left it (unless force).
UndoReport UndoCommittedOperation(const QString& dataFolder, const QString& id, bool force,
                                  const TLanguage& language, int lockWaitMs);
