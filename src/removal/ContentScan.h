#pragma once

#include "removal/FoundContent.h"

#include <QString>

#include <functional>

class GameFileList;
struct FoundFileClass;

// Reports how far a scan has come, in percent.
using ScanProgress = std::function<void(int percent)>;

// Walks the whole game folder (absolute, any trailing separator) and sorts every file into
// the lists of custom content, leaving out the game's own files. The entries of each FAR
// archive found are read without a word to the user: an archive that cannot be read is
// listed without entries and its path goes to UnreadableArchives, for the caller to name
// them all at once. One that a link leads to outside the game folder, or whose name the text
// of its path does not spell, is listed without entries and is not read. Progress moves from
// 10 toward 60 as the walk lists folders, is 60 once the walk is done and then goes up to 90,
// each value once.
FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            const ScanProgress& progress = {});

// The walk itself: calls visit with the full path ("/" between folders), the path as the
// disk spells it when the text does not (else empty) and the class of every file of the
// game folder that is custom content. Links are listed, but the walk never follows one out
// of the game folder.
using ContentFileVisit =
    std::function<void(const QString& path, const QByteArray& nativePath, const FoundFileClass&)>;
void ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const ContentFileVisit& visit, const ScanProgress& progress = {});
