#pragma once

#include "cli/CliIo.h"
#include "cli/ConsoleInteraction.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "language/TLanguage.h"
#include "removal/ContentOutline.h"

#include <optional>

// What the content and delete commands share: the game folder from --game or the stored
// settings, and the content of that folder as the delete tab loads it, reported on the
// console with the built-in English texts.
class ContentCliSession {
public:
    explicit ContentCliSession(CliIo& io);

    // Takes "--game DIR" out of args; without it the stored settings name the folder.
    // Nothing, once the reason is shown, when no folder is known.
    std::optional<QString> GameFolder(QStringList& args);
    // Loads the folder's content and the database; the tree of what was found.
    ContentNode Load(const QString& gameFolder);

    InstalledFilesDb& Db() { return FDb; }
    TFarFile& Far() { return FFar; }
    const TLanguage& Language() const { return FLanguage; }
    ConsoleInteraction& Console() { return FConsole; }

private:
    CliIo& FIo;
    ConsoleInteraction FConsole;
    TLanguage FLanguage;
    InstalledFilesDb FDb;
    TFarFile FFar;
};
