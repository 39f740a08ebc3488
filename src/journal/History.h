#pragma once

#include "journal/JournalFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

class TLanguage;

// A committed operation as the history shows it.
struct CommittedOperation {
    // The name of its folder under operations/, which undo takes.
    QString Id;
    QString Folder;
    JournalHeader Header;
    JournalContents Contents;
    // The files it created, replaced, removed or rewrote, each once, in the order of its
    // steps; files.iff is left out.
    QStringList Files;
    // Its comment, or else the first of its files.
    QString Subject;
    // What its keep folder holds: the space dropping it frees.
    qint64 KeptBytes = 0;
};

// The committed operations of the data folder, oldest first. Journals that cannot be read
// are left out.
QList<CommittedOperation> CommittedOperations(const QString& dataFolder);

// Every file the operation's steps name, files.iff included: what a later operation must
// not have touched for this one to be undone.
QStringList TouchedFiles(const JournalContents& contents);

// Removes every committed operation with the files it kept, under the data folder's lock;
// returns how many. Throws EPackwrightError, removing nothing, when another process holds
// the data folder or an interrupted operation waits to be undone.
int PurgeCommittedOperations(const QString& dataFolder, const TLanguage& language, int lockWaitMs);
