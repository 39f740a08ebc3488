#pragma once

#include <QString>

class Interaction;
class TLanguage;

// What the user asked to pack into and where the packed files go.
struct FarPackTarget {
    // With a trailing separator.
    QString GameFolder;
    QString FarFile;
    QString BackupFolder;
};

// Asks about an archive or backup folder that the game would not read well, and stops at
// one that cannot be used. True when packing may go on; false once the user answered No or
// was told why not.
bool ConfirmFarPackTarget(const FarPackTarget& target, const TLanguage& language,
                          Interaction& interaction);
