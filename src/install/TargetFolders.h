#pragma once

#include "common/CaselessFolderCache.h"
#include "formats/ContentKind.h"

#include <QHash>
#include <QString>

// Houses and areas: the kinds that go into a neighbourhood's folder.
bool IsHouseOrArea(ContentKind kind);

// The folders of the game that receive each kind of content, found on disk without regard
// to letter case, and the names already in each one. A folder is listed once, however many
// files go there, and learns of each file copied into it, so that a name another file
// takes later in the same install is seen as taken.
class TargetFolders {
public:
    // Both with a trailing separator; hoodFolder is empty when houses and areas are left out.
    TargetFolders(const QString& gameFolder, const QString& hoodFolder);

    // The folder for the kind with a trailing "/", spelt as on disk where it exists; empty
    // for houses and areas without a neighbourhood.
    QString FolderFor(ContentKind kind);
    // The entry of folder whose name equals name in any letter case, or an empty text.
    QString ExistingEntry(const QString& folder, const QString& name);
    // Records that folder now holds name.
    void NoteWritten(const QString& folder, const QString& name);
    // True for houses and areas when the chosen neighbourhood has no folder: the game knows
    // no such neighbourhood, so they are left out rather than making one.
    bool InMissingHood(ContentKind kind) const;

private:
    QString FGameFolder;
    QString FHoodFolder;
    bool FHoodMissing;
    QHash<int, QString> FKindFolders;
    CaselessFolderCache FEntries;
};
