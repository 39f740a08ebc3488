#pragma once

#include "cli/CliIo.h"
#include "cli/ConsoleInteraction.h"
#include "formats/FarMessages.h"
#include "formats/TFarFile.h"

// What every far command works with: an archive component that reports on the console with
// the built-in English texts.
class FarCliSession {
public:
    explicit FarCliSession(CliIo& io);

    TFarFile& Far() { return FFar; }
    // Opens an archive that must exist already; false once the reason is shown.
    bool OpenExisting(const QString& archive);
    // The index of the entry with that name, or -1 once its absence is shown.
    int RequireEntry(const QString& name);
    // Shows that an entry cannot be had; returns ExitFailure.
    int FailItem(const QString& name);

private:
    CliIo& FIo;
    ConsoleInteraction FConsole;
    FarMessages FMessages;
    TFarFile FFar;
};
