#pragma once

#include "removal/FoundContent.h"

#include <QString>

#include <functional>

class GameFileList;
struct FoundFileClass;

// Reports how far a scan has come, in percent.
using ScanProgress = std::function<void(int percent)>;
// Whether the user asked to stop; read between files.
using ScanCancelled = std::function<bool()>;

// Walks the whole game folder (absolute, any trailing separator) and sorts every file into
// the lists of custom content, leaving out the game's own files. The entries of each FAR
// archive found are read without a word to the user: an archive that cannot be read is
// listed without entries and its path goes to UnreadableArchives, for the caller to name
// them all at once. One that a link leads to outside the game folder, or whose name the text
// of its path does not spell, is listed without entries and is not read. Progress moves from
// 10 toward 60 as the walk lists folders, is 60 once the walk is done and then goes up to 90,
// each value once. A cancelled scan stops before its next file and says so in Cancelled.
FoundContent ScanGameFolder(const QString& gameFolder, const GameFileList& gameFiles,
                            const ScanProgress& progress = {}, const ScanCancelled& cancelled = {});

// A file as the walk found it.
struct WalkedFile {
    // The full path, "/" between folders.
    QString Path;
    // The path as the disk spells it when Path's text does not; empty otherwise.
    QByteArray NativePath;
    // As the walk's listing gave them, so that no one asks the system again.
    qint64 Size = 0;
    qint64 ModifiedMSecs = 0;
};
// A list of every file of a game grows by moving its memory rather than by copying.
Q_DECLARE_TYPEINFO(WalkedFile, Q_RELOCATABLE_TYPE);

// The walk itself: calls visit with every file of the game folder that is custom content
// and its class. Links are listed, but the walk never follows one out of the game folder.
// False when cancelled stopped it before the last file.
using ContentFileVisit = std::function<void(const WalkedFile& file, const FoundFileClass&)>;
bool ForEachContentFile(const QString& gameFolder, const GameFileList& gameFiles,
                        const ContentFileVisit& visit, const ScanProgress& progress = {},
                        const ScanCancelled& cancelled = {});
