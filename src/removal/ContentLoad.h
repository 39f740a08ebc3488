#pragma once

#include "removal/FoundContent.h"

#include <QString>

class InstalledFilesDb;
class Interaction;
class ProgressHandle;
class TLanguage;

// The load that fills the delete tab: the game's own file list from QuarnFiles.iff in the
// data folder (a warning when it is missing, and every file counts as custom), the
// database from files.iff there, the walk of the game folder and the houses and lots the
// database records, after which one warning
// names the FAR archives that could not be read. Progress goes from 0 to 90; the caller
// finishes it once the tree is built. Cancel on progress stops the walk's sorting before its
// next file, and the content comes back marked Cancelled, warning of nothing.
FoundContent LoadFoundContent(const QString& gameFolder, const QString& dataFolder,
                              InstalledFilesDb& db, Interaction& interaction,
                              const TLanguage& language, ProgressHandle* progress);
