#include "cli/ContentCliSession.h"

#include "cli/GameFolderChoice.h"
#include "formats/FarMessages.h"
#include "language/BuiltInEnglish.h"
#include "platform/ProgramPlaces.h"
#include "removal/ContentLoad.h"

ContentCliSession::ContentCliSession(CliIo& io) : FIo(io), FConsole(io.Err), FFar(FConsole) {
    FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    FFar.SetMessages(FarMessages::FromLanguage(FLanguage));
}

std::optional<QString> ContentCliSession::GameFolder(QStringList& args) {
    QString given;
    const qsizetype option = args.indexOf(QStringLiteral("--game"));
    if (option >= 0 && option + 1 < args.size()) {
        given = args[option + 1];
        args.remove(option, 2);
    }
    return ChosenGameFolder(given, FIo);
}

ContentNode ContentCliSession::Load(const QString& gameFolder) {
    const FoundContent found =
        LoadFoundContent(gameFolder, DataFolder(), FDb, FConsole, FLanguage, nullptr);
    return BuildContentOutline(found, FLanguage);
}
