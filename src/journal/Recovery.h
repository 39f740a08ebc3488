#pragma once

#include <QString>
#include <QStringList>

class TLanguage;

struct RecoveryReport {
    // One text for each operation found unfinished, saying what became of it.
    QStringList Messages;
    // False when an operation could not be undone or read, or another process held the
    // data folder: the game folder and files.iff may then disagree.
    bool Consistent = true;
};

// Undoes every operation of the data folder that never committed, newest first, and says
// what it did. Safe to run again after it was cut short, and a no-op when nothing waits.
RecoveryReport RecoverOperations(const QString& dataFolder, const TLanguage& language,
                                 int lockWaitMs);
