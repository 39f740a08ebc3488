#include "cli/ContentCliSession.h"

#include "app/StoredSettings.h"
#include "formats/FarMessages.h"
#include "language/BuiltInEnglish.h"
#include "platform/ProgramFolder.h"
#include "removal/ContentLoad.h"

ContentCliSession::ContentCliSession(CliIo& io) : FIo(io), FConsole(io.Err), FFar(FConsole) {
    FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    FFar.SetMessages(FarMessages::FromLanguage(FLanguage));
}

std::optional<QString> ContentCliSession::GameFolder(QStringList& args) {
    const qsizetype option = args.indexOf(QStringLiteral("--game"));
    if (option >= 0 && option + 1 < args.size()) {
        const QString folder = args[option + 1];
        args.remove(option, 2);
        return folder;
    }
    const std::optional<StoredSettings> settings = ReadStoredSettings();
    if (settings && !settings->VocksPath.isEmpty())
        return settings->VocksPath;
    FIo.Fail(QStringLiteral("no game folder: give --game DIR or set it in the options"));
    return std::nullopt;
}

ContentNode ContentCliSession::Load(const QString& gameFolder) {
    const FoundContent found =
        LoadFoundContent(gameFolder, ProgramFolder(), FDb, FFar, FConsole, FLanguage, nullptr);
    return BuildContentOutline(found, FLanguage);
}
