#pragma once

#include <QString>

class InstalledFilesDb;
struct FoundContent;

// Adds the houses, areas and exported families and lots that db records to their lists of
// content. The walk of the game folder cannot tell these from the game's own neighbourhoods,
// so only what the program installed is listed: each recorded file that lies inside the
// game folder (a link that leads out of it does not), with its path below the game folder
// as its display name. Records of other places are left out.
void AddRecordedLots(FoundContent& content, const InstalledFilesDb& db, const QString& gameFolder);
