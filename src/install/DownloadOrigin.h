#pragma once

#include <QString>

class TLanguage;

// The archive or folder a file of the install tree came from: the name of the last
// folder or archive in the path the tree shows for it, whichever system's separators the
// path uses. Empty for a file at the root of a drive.
QString DownloadOrigin(const QString& shownPath);

// A tree row for the file: its own name first, so it is never the part cut off, and the
// archive or folder it came from after it.
QString DownloadRowText(const QString& shownPath, const TLanguage& language);
