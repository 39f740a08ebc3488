#pragma once

#include "common/CaselessFolderCache.h"
#include "formats/ContentKind.h"
#include "platform/FileKind.h"

#include <QHash>
#include <QString>

// Whether recorded files are still there, found as the game finds them: in any letter case
// of every part of the path. A folder renamed to another case therefore loses no records.
// A folder's names are gathered without regard to case at most once, and only for a file
// not found as spelt.
class InstalledFilePresence {
public:
    // A packed file counts as there while the FAR archive that holds it exists: the
    // nearest file found by walking up from the name's folder part.
    bool StillThere(ContentKind kind, const QString& fileName);

private:
    bool FileExists(const QString& path);
    bool ArchiveAbove(const QString& fileName);

    RegularFileProbe FProbe;
    // One per file-system root ("/", "C:/").
    QHash<QString, CaselessFolderCache> FRoots;
};
