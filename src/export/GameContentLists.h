#pragma once

#include "export/ExportListSource.h"
#include "formats/InstalledFilesDb.h"

class Interaction;
class TLanguage;

struct GameContentPlaces {
    QString GameFolder;
    // Holds files.iff and QuarnFiles.iff.
    QString DataFolder;
    // Emptied at every export.
    QString TempFolder;
};

// The export lists of the custom content in the game folder: found by the delete tab's
// rules (with the three object folders in one list) and the houses and lots it records, dated
// and commented from the database, which gains a record for every file it did not know and is
// saved once the lists are rendered, when that or its load changed a record. A FAR archive that
// cannot be read is listed without entries, and one warning names every such archive of the build.
class GameContentLists : public ExportListSource {
public:
    GameContentLists(const GameContentPlaces& places, Interaction& interaction,
                     const TLanguage& language);

    QList<ExportList> Build(const QList<ContentKind>& kinds, ProgressHandle& progress) override;
    void ListsTaken() override;

private:
    void ClearTempFolder(ProgressHandle& progress) const;

    GameContentPlaces FPlaces;
    Interaction& FInteraction;
    const TLanguage& FLanguage;
    InstalledFilesDb FDb;
};
