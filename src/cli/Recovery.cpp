#include "cli/Recovery.h"

#include "cli/ConsoleInteraction.h"
#include "journal/OperationsFolder.h"
#include "journal/Recovery.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

bool RecoverFirst(CliIo& io) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    const RecoveryReport report = RecoverOperations(DataFolder(), language, OperationsLockWaitMs);
    ConsoleInteraction console(io.Err);
    for (const QString& message : report.Messages) {
        if (report.Consistent)
            console.Inform(message);
        else
            console.Fail(message);
    }
    return report.Consistent;
}
