#pragma once

#include "removal/FoundContent.h"

#include <QString>

#include <functional>

class GameFileList;
class TFarFile;

// Reports how far a scan has come, in percent.
using ScanProgress = std::function<void(int percent)>;

// Walks the whole game folder (absolute, any trailing separator) and sorts every file into
// the lists of custom content, leaving out the game's own files. The entries of each FAR
// archive found are read through farFile, which shows its own messages for an archive it
// cannot read; such an archive is listed without entries. Progress is reported at 60 once the walk
// is done and then up to 90, each value once.
FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            TFarFile& farFile, const ScanProgress& progress = {});
