#include "cli/CliCommands.h"
#include "cli/ConsoleInteraction.h"
#include "common/PathRules.h"
#include "hood/HoodDetails.h"
#include "install/InstallExecution.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
const char* const Usage =
    "usage: packwright-cli install --game DIR [--if-exists ask|skip|overwrite]\n"
    "                              [--hood N | --no-houses] [--comment TEXT] [--yes]\n"
    "                              KIND:PATH...\n"
    "Installs each file as the content kind KIND (its number, e.g. 100 for an object)\n"
    "into the game folder DIR, records it in files.iff in the program folder, and prints\n"
    "one line per file: installed, in-place, skipped or failed, the kind, the target.\n"
    "--if-exists decides about files already there (default: skip, asked on a terminal\n"
    "with ask); houses go to neighbourhood N (default 1) unless --no-houses; --yes\n"
    "allows installing files that already lie in the game folder.\n";

struct InstallOptions {
    InstallRequest Request;
    std::optional<int> HoodNo = 1;
    bool Yes = false;
};

std::optional<FileExistsAnswer> IfExistsAnswer(const QString& word) {
    if (word == QLatin1String("ask"))
        return FileExistsAnswer::Ask;
    if (word == QLatin1String("skip"))
        return FileExistsAnswer::SkipAll;
    if (word == QLatin1String("overwrite"))
        return FileExistsAnswer::OverwriteAll;
    return std::nullopt;
}

std::optional<TickedFile> FileArgument(const QString& argument, const QString& comment) {
    const qsizetype colon = argument.indexOf(QLatin1Char(':'));
    bool isNumber = false;
    const std::optional<ContentKind> kind =
        ContentKindFromValue(argument.left(colon).toInt(&isNumber));
    if (colon < 0 || !isNumber || !kind)
        return std::nullopt;
    const QString path = QFileInfo(argument.mid(colon + 1)).absoluteFilePath();
    return TickedFile{.SourcePath = path, .Kind = *kind, .DisplayName = path, .Comment = comment};
}

std::optional<InstallOptions> ParseOptions(const QStringList& args) {
    InstallOptions options;
    QString comment;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--game") && hasValue)
            options.Request.GameFolder = WithTrailingSeparator(args[++i]);
        else if (arg == QLatin1String("--if-exists") && hasValue) {
            const std::optional<FileExistsAnswer> answer = IfExistsAnswer(args[++i]);
            if (!answer)
                return std::nullopt;
            options.Request.FileExistsDefault = *answer;
        } else if (arg == QLatin1String("--hood") && hasValue) {
            bool isNumber = false;
            options.HoodNo = args[++i].toInt(&isNumber);
            if (!isNumber || *options.HoodNo < 1 || *options.HoodNo > 99)
                return std::nullopt;
        } else if (arg == QLatin1String("--no-houses"))
            options.HoodNo.reset();
        else if (arg == QLatin1String("--comment") && hasValue)
            comment = args[++i];
        else if (arg == QLatin1String("--yes"))
            options.Yes = true;
        else if (arg.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            files.append(arg);
    }
    for (const QString& file : files) {
        const std::optional<TickedFile> ticked = FileArgument(file, comment);
        if (!ticked)
            return std::nullopt;
        options.Request.Files.append(*ticked);
    }
    if (options.Request.GameFolder.isEmpty() || options.Request.Files.isEmpty())
        return std::nullopt;
    options.Request.Packs = {true, {true, true, true, true, true}};
    options.Request.DatabaseFile =
        JoinCaseInsensitive(ProgramFolder(), QStringLiteral("files.iff"));
    return options;
}

// The console's answers, with the neighbourhood and the question about files from the
// game folder decided by the options.
class InstallInteraction : public ConsoleInteraction {
public:
    InstallInteraction(QTextStream& err, const InstallOptions& options)
        : ConsoleInteraction(err), FOptions(options) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override {
        if (FOptions.Yes && buttons == MessageButtons::YesNo)
            return MessageAnswer::Yes;
        return ConsoleInteraction::ShowMessage(kind, text, buttons);
    }
    HoodChoice ChooseNeighbourhood(const QString& gameFolder,
                                   const ExpansionFlags& packs) override {
        if (!FOptions.HoodNo)
            return {.Answer = HoodChoiceAnswer::DontInstall, .HoodPath = {}};
        return {.Answer = HoodChoiceAnswer::Continue,
                .HoodPath = LoadHoodDetails(gameFolder, *FOptions.HoodNo, packs).HoodPath};
    }

private:
    const InstallOptions& FOptions;
};

QString OutcomeWord(InstallOutcome outcome) {
    switch (outcome) {
    case InstallOutcome::Installed:
        return QStringLiteral("installed");
    case InstallOutcome::InPlace:
        return QStringLiteral("in-place");
    case InstallOutcome::Skipped:
        return QStringLiteral("skipped");
    case InstallOutcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}
} // namespace

int RunInstallCommand(const QStringList& args, CliIo& io) {
    if (WantsHelp(args)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const std::optional<InstallOptions> options = ParseOptions(args);
    if (!options)
        return io.BadUsage(QString::fromLatin1(Usage));
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    InstallInteraction interaction(io.Err, *options);
    const InstallResult result = InstallTickedFiles(options->Request, language, interaction);
    bool failed = result.Cancelled;
    for (const InstalledFileOutcome& file : result.Files) {
        io.Record({OutcomeWord(file.Outcome), QString::number(ContentKindValue(file.File.Kind)),
                   file.Target});
        failed = failed || file.Outcome == InstallOutcome::Failed;
    }
    return failed ? ExitFailure : ExitSuccess;
}
