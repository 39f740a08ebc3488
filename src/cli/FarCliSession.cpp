#include "cli/FarCliSession.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

#include <QFileInfo>

namespace {
FarMessages BuiltInFarMessages() {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    return FarMessages::FromLanguage(language);
}
} // namespace

FarCliSession::FarCliSession(CliIo& io)
    : FIo(io), FConsole(io.Err), FMessages(BuiltInFarMessages()), FFar(FConsole) {
    FFar.SetMessages(FMessages);
}

// Loading a missing archive would create it; reading commands must not leave one behind.
bool FarCliSession::OpenExisting(const QString& archive) {
    if (!QFileInfo(archive).isFile()) {
        FIo.Fail(FillFarMessage(FMessages.FileReadError, archive));
        return false;
    }
    return FFar.LoadFile(archive);
}

int FarCliSession::RequireEntry(const QString& name) {
    const int index = FFar.IndexOf(name);
    if (index < 0)
        FailItem(name);
    return index;
}

int FarCliSession::FailItem(const QString& name) {
    return FIo.Fail(FillFarMessage(FMessages.ItemLoadError, FFar.FileName(), name));
}
