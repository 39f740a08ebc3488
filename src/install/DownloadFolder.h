#pragma once

#include <QString>

// Where the install tab's open and folder dialogs start: the folder the user last took
// downloads from, kept in the settings store; the first time, or when that folder is
// gone, the user's Downloads folder.
QString StartingDownloadFolder();

// Remembers the folder downloads were last taken from.
void RememberDownloadFolder(const QString& folder);
