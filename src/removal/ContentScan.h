#pragma once

#include "removal/FoundContent.h"

#include <QString>

#include <functional>

class GameFileList;
struct FoundFileClass;
class TFarFile;

// Reports how far a scan has come, in percent.
using ScanProgress = std::function<void(int percent)>;

// Walks the whole game folder (absolute, any trailing separator) and sorts every file into
// the lists of custom content, leaving out the game's own files. The entries of each FAR
// archive found are read through farFile, which shows its own messages for an archive it
// cannot read; such an archive is listed without entries. Progress moves from 10 toward 60 as
// the walk lists folders, is 60 once the walk is done and then goes up to 90, each value once.
FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            TFarFile& farFile, const ScanProgress& progress = {});

// The walk itself: calls visit with the full path ("/" between folders) and the class of
// every file of the game folder that is custom content.
void ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const std::function<void(const QString&, const FoundFileClass&)>& visit,
                        const ScanProgress& progress = {});
