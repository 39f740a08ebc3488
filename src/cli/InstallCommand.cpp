#include "cli/CliCommands.h"
#include "cli/CliIntake.h"
#include "cli/GameFolderChoice.h"
#include "common/CaselessName.h"
#include "common/PathRules.h"
#include "hood/HoodDetails.h"
#include "install/InstallExecution.h"
#include "install/IntakeTree.h"
#include "platform/ProgramPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {
const char* const Usage =
    "usage: packwright-cli install [--game DIR] [--packs LIST] [--hood N | --no-houses]\n"
    "                              [--on-conflict skip|overwrite] [--rename OLD=NEW]...\n"
    "                              [--comment TEXT] [--bitmaps yes|no] [--yes] PATH...\n"
    "Reads files, folders and archives (zip, 7z, rar, tar, tar.gz/.tgz, tar.bz2/.tbz2,\n"
    "tar.xz/.txz) as the install tab does and installs everything installable into the\n"
    "game folder DIR, recording each file in files.iff in the data folder. Prints one\n"
    "line per file: installed, skipped or failed, the kind, the target.\n"
    "Without --game and --packs (tevarin, ossery, fennick, glimmet, wendle or all, comma-\n"
    "separated) the stored settings decide. Houses and areas go to neighbourhood N\n"
    "(default 1), whose folder must exist, unless --no-houses. --on-conflict decides about\n"
    "files already there (default: skipped). --rename OLD=NEW installs the file named OLD\n"
    "as NEW when a file of its name is already there; NEW keeps OLD's extension.\n"
    "--bitmaps answers the questions about doubtful bitmaps (default no); --yes allows\n"
    "installing files that already lie in the game folder (else asked on a terminal).\n"
    "Exits 0 when nothing failed and every installed file was recorded.\n";

struct InstallOptions {
    std::optional<QString> GameFolder;
    std::optional<PackFlags> Packs;
    std::optional<int> HoodNo = 1;
    // Skip or Overwrite for every file already there; Ask leaves it to the console.
    FileExistsAnswer OnConflict = FileExistsAnswer::Ask;
    // New names by the name of the file they replace.
    QHash<CaselessName, QString> Renames;
    QString Comment;
    bool BitmapsYes = false;
    bool Yes = false;
    QStringList Paths;
};

bool ParseConflict(const QString& word, InstallOptions& options) {
    if (word == u"skip")
        options.OnConflict = FileExistsAnswer::Skip;
    else if (word == u"overwrite")
        options.OnConflict = FileExistsAnswer::Overwrite;
    else
        return false;
    return true;
}

bool IsBareName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// OLD=NEW: two bare file names with the same extension, OLD named once.
bool ParseRename(const QString& pair, InstallOptions& options) {
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    const QString oldName = pair.left(equals);
    const QString newName = pair.mid(equals + 1);
    const QString extension = QFileInfo(oldName).suffix();
    if (equals < 0 || !IsBareName(oldName) || !IsBareName(newName) || extension.isEmpty() ||
        QFileInfo(newName).suffix().compare(extension, Qt::CaseInsensitive) != 0 ||
        options.Renames.contains(oldName))
        return false;
    options.Renames.insert(oldName, newName);
    return true;
}

bool ParseHood(const QString& word, InstallOptions& options) {
    bool isNumber = false;
    options.HoodNo = word.toInt(&isNumber);
    return isNumber && *options.HoodNo >= 1 && *options.HoodNo <= 99;
}

std::optional<InstallOptions> ParseOptions(const QStringList& args) {
    InstallOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool valid = true;
        if (arg == u"--game" && hasValue)
            options.GameFolder = args[++i];
        else if (arg == u"--packs" && hasValue)
            valid = (options.Packs = ParsePacks(args[++i])).has_value();
        else if (arg == u"--hood" && hasValue)
            valid = ParseHood(args[++i], options);
        else if (arg == u"--no-houses")
            options.HoodNo.reset();
        else if (arg == u"--on-conflict" && hasValue)
            valid = ParseConflict(args[++i], options);
        else if (arg == u"--rename" && hasValue)
            valid = ParseRename(args[++i], options);
        else if (arg == u"--comment" && hasValue)
            options.Comment = args[++i];
        else if (arg == u"--bitmaps" && hasValue && (args[i + 1] == u"yes" || args[i + 1] == u"no"))
            options.BitmapsYes = args[++i] == u"yes";
        else if (arg == u"--yes")
            options.Yes = true;
        else if (arg.startsWith(u"--"))
            valid = false;
        else
            options.Paths.append(QFileInfo(arg).absoluteFilePath());
        if (!valid)
            return std::nullopt;
    }
    return options.Paths.isEmpty() ? std::nullopt : std::optional(options);
}

// The console's answers, with the neighbourhood, files already there and the question
// about files from the game folder decided by the options.
class InstallInteraction : public ConsoleInteraction {
public:
    InstallInteraction(QTextStream& err, const InstallOptions& options)
        : ConsoleInteraction(err), FOptions(options) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override {
        if (FOptions.Yes && buttons == MessageButtons::YesNo)
            return MessageAnswer::Yes;
        return ConsoleInteraction::ShowMessage(kind, text, buttons, defaultAnswer);
    }
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override {
        const auto rename = FOptions.Renames.constFind(BareFileName(question.NewPath));
        if (rename != FOptions.Renames.cend())
            return {.Answer = FileExistsAnswer::Rename, .NewName = *rename};
        if (FOptions.OnConflict == FileExistsAnswer::Ask)
            return ConsoleInteraction::AskFileExists(question);
        return {.Answer = FOptions.OnConflict, .NewName = {}};
    }
    // The named neighbourhood's folder whether it exists or not: the install names it when
    // it is missing.
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags&) override {
        if (!FOptions.HoodNo)
            return {.Answer = HoodChoiceAnswer::DontInstall, .HoodPath = {}};
        return {.Answer = HoodChoiceAnswer::Continue,
                .HoodPath = WithTrailingSeparator(HoodFolder(gameFolder, *FOptions.HoodNo))};
    }

private:
    const InstallOptions& FOptions;
};

// Every file of the intake's tree, in tree order, as if every node were ticked.
QList<TickedFile> AllFiles(const CliIntake& reading, const QString& comment) {
    QList<TickedFile> files;
    const IntakeTreeNode tree = BuildIntakeTree(reading.Intake().Classifier(), reading.Language());
    for (const IntakeTreeNode* node : IntakeTreeFiles(tree)) {
        files.append({.SourcePath = node->File->SourcePath,
                      .Kind = *node->Kind,
                      .DisplayName = node->File->DisplayName,
                      .Comment = comment});
    }
    return files;
}

// A file left in place was already in the game folder and is recorded as installed.
QString OutcomeWord(InstallOutcome outcome) {
    switch (outcome) {
    case InstallOutcome::Installed:
    case InstallOutcome::InPlace:
        return QStringLiteral("installed");
    case InstallOutcome::Skipped:
        return QStringLiteral("skipped");
    case InstallOutcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

// Fills in the game folder and packs that the options leave to the stored settings; false,
// once the reason is shown, when no game folder is known.
bool TakeStoredSettings(InstallOptions& options, CliIo& io) {
    options.GameFolder = ChosenGameFolder(options.GameFolder.value_or(QString()), io);
    if (!options.Packs)
        options.Packs = StoredPacks();
    return options.GameFolder.has_value();
}

int Install(InstallOptions& options, CliIo& io) {
    if (!TakeStoredSettings(options, io))
        return ExitFailure;
    CliIntake reading(io, *options.Packs, options.BitmapsYes, QDir::tempPath());
    if (!reading.Read(options.Paths))
        return ExitFailure;
    if (!reading.Intake().Classifier().HasInstallable())
        return io.Fail(reading.Language().GetString(QStringLiteral("InstallNoFiles")));
    const InstallRequest request{
        .Files = AllFiles(reading, options.Comment),
        .GameFolder = *options.GameFolder,
        .Packs = {.Expansion = std::ranges::any_of(*options.Packs, std::identity()),
                  .Packs = *options.Packs},
        // Each file already there is put to the console, which answers by the options.
        .FileExistsDefault = FileExistsAnswer::Ask,
        .DatabaseFile = JoinCaseInsensitive(DataFolder(), QStringLiteral("files.iff")),
        .ExtractionFolder = reading.Intake().TempFolder()};
    InstallInteraction user(io.Err, options);
    const InstallResult result = InstallTickedFiles(request, reading.Language(), user);
    bool failed = result.Cancelled || !result.Recorded;
    for (const InstalledFileOutcome& file : result.Files) {
        io.Record({OutcomeWord(file.Outcome), QString::number(ContentKindValue(file.File.Kind)),
                   file.Target});
        failed = failed || file.Outcome == InstallOutcome::Failed;
    }
    return failed ? ExitFailure : ExitSuccess;
}
} // namespace

int RunInstallCommand(const QStringList& args, CliIo& io) {
    if (WantsHelp(args)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    std::optional<InstallOptions> options = ParseOptions(args);
    if (!options)
        return io.BadUsage(QString::fromLatin1(Usage));
    return Install(*options, io);
}
