#include "app/ProductInfo.h"
#include "cli/CliCommands.h"
#include "cli/ConsoleInteraction.h"
#include "cli/GameFolderChoice.h"
#include "common/PathRules.h"
#include "common/ProgramIdentity.h"
#include "export/ExportChoices.h"
#include "export/ExportListKinds.h"
#include "export/ExportRun.h"
#include "export/GameContentLists.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {
const char* const Usage =
    "usage: packwright-cli export [--game DIR] --template FILE -o FILE [--lists CODES]\n"
    "                             [--title TEXT] [--links|--no-links] [--short-date] [--yes]\n"
    "Writes the list of the custom content in the game folder through the template, as the\n"
    "Export Filelist tab does. DIR defaults to the stored game folder. CODES are kind values\n"
    "separated by commas, in export order (100 objects, 101 walls, 102 floors, 103 roofs,\n"
    "104 animations, 105 FAR archives, 110-115 houses and areas, 120-125 exported families\n"
    "and areas, 130-137 skins, heads and accessories); by default the stored selection, else\n"
    "every list. Title, links and date format default to the stored choices, which are then\n"
    "stored as the tab stores them. An existing output file, or one whose type differs from\n"
    "the template's, needs --yes or an answer on the terminal.\n"
    "Exits 0 when the list is written or there is nothing to export, 1 when nothing could be\n"
    "written.\n";

struct ExportOptions {
    QCommandLineOption Game{QStringLiteral("game"), QString(), QStringLiteral("DIR")};
    QCommandLineOption Template{QStringLiteral("template"), QString(), QStringLiteral("FILE")};
    QCommandLineOption Output{QStringList{QStringLiteral("o"), QStringLiteral("output")}, QString(),
                              QStringLiteral("FILE")};
    QCommandLineOption Lists{QStringLiteral("lists"), QString(), QStringLiteral("CODES")};
    QCommandLineOption Title{QStringLiteral("title"), QString(), QStringLiteral("TEXT")};
    QCommandLineOption Links{QStringLiteral("links")};
    QCommandLineOption NoLinks{QStringLiteral("no-links")};
    QCommandLineOption ShortDate{QStringLiteral("short-date")};
    QCommandLineOption Yes{QStringLiteral("yes")};
};

// The codes in their order; nothing when one of them names no exportable list.
std::optional<QList<ContentKind>> ListsFromCodes(const QString& codes) {
    QList<ContentKind> kinds;
    for (const QString& code : codes.split(QLatin1Char(','))) {
        const QList<ContentKind> named = ParseListSelection(code);
        if (code.trimmed().isEmpty() || named.size() != 1 || kinds.contains(named.first()))
            return std::nullopt;
        kinds.append(named.first());
    }
    return kinds;
}

// The stored choices with the options' changes.
bool ApplyOptions(const QCommandLineParser& parser, const ExportOptions& options,
                  ExportChoices& choices) {
    if (parser.isSet(options.Lists)) {
        const std::optional<QList<ContentKind>> kinds = ListsFromCodes(parser.value(options.Lists));
        if (!kinds)
            return false;
        choices.Exported = *kinds;
    }
    choices.OutputFile = QFileInfo(parser.value(options.Output)).absoluteFilePath();
    choices.TemplateFile = QFileInfo(parser.value(options.Template)).absoluteFilePath();
    if (parser.isSet(options.Title))
        choices.Title = parser.value(options.Title);
    if (parser.isSet(options.Links) || parser.isSet(options.NoLinks))
        choices.Links = parser.isSet(options.Links);
    if (parser.isSet(options.ShortDate))
        choices.LongDate = false;
    return true;
}

int ExitOf(ExportResult result) {
    return result == ExportResult::Written || result == ExportResult::NothingToExport ? ExitSuccess
                                                                                      : ExitFailure;
}
} // namespace

int RunExportCommand(const QStringList& args, CliIo& io) {
    if (WantsHelp(args)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const ExportOptions options;
    QCommandLineParser parser;
    parser.addOptions({options.Game, options.Template, options.Output, options.Lists, options.Title,
                       options.Links, options.NoLinks, options.ShortDate, options.Yes});
    if (!parser.parse(QStringList{QStringLiteral("export")} + args) ||
        !parser.positionalArguments().isEmpty() || !parser.isSet(options.Template) ||
        !parser.isSet(options.Output) ||
        (parser.isSet(options.Links) && parser.isSet(options.NoLinks)))
        return io.BadUsage(QString::fromLatin1(Usage));
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    ExportChoices choices = ReadExportChoices(language, CurrentProgramPlaces());
    if (!ApplyOptions(parser, options, choices))
        return io.BadUsage(QString::fromLatin1(Usage));
    const std::optional<QString> game = ChosenGameFolder(parser.value(options.Game), io);
    if (!game)
        return ExitFailure;
    ConsoleInteraction console(io.Err);
    GameContentLists lists({.GameFolder = *game, .DataFolder = DataFolder(), .TempFolder = {}},
                           console, language);
    const ExportJob job{.Choices = choices,
                        .Places = CurrentProgramPlaces(),
                        .ProdVersion = ProdVersion.toString(),
                        .Website = ProgramWebsite.toString(),
                        .Confirmed = parser.isSet(options.Yes)};
    return ExitOf(RunExport(job, lists, console, language));
}
