#pragma once

#include "journal/OperationsFolder.h"

#include <QString>

class TLanguage;

// Takes the lock of the operations folder for a change to the data folder, waiting up to
// waitMs for another process. Throws EPackwrightError when another process keeps it, the
// folder cannot take a lock, or an interrupted operation still waits to be undone: a change
// made then could not be told apart from the interrupted one's.
void HoldOperationsFolder(OperationsLock& lock, const QString& operationsFolder, int waitMs,
                          const TLanguage& language);

// The text of the key with its mark {{FolderName}} filled in with the folder.
QString FolderText(const TLanguage& language, const QString& key, const QString& folder);
