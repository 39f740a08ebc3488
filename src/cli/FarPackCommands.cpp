// far pack and far candidates: the FAR tab without a window.
#include "cli/ConsoleInteraction.h"
#include "cli/FarCommands.h"
#include "cli/GameFolderChoice.h"
#include "common/PathRules.h"
#include "farpack/FarCandidates.h"
#include "farpack/FarPacking.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {
struct PackArguments {
    QString Game;
    QString Archive;
    QString Backup;
    QString Comment;
    FileExistsAnswer OnConflict = FileExistsAnswer::Ask;
    bool Yes = false;
    QStringList Entries;
};

std::optional<FileExistsAnswer> ConflictAnswer(const QString& word) {
    if (word == QLatin1String("ask"))
        return FileExistsAnswer::Ask;
    if (word == QLatin1String("skip"))
        return FileExistsAnswer::SkipAll;
    if (word == QLatin1String("overwrite"))
        return FileExistsAnswer::OverwriteAll;
    return std::nullopt;
}

// Takes "--name VALUE" into value; false for a missing or repeated value.
bool TakeValue(const QStringList& args, qsizetype& i, QString& value) {
    if (i + 1 >= args.size() || !value.isEmpty())
        return false;
    value = args[++i];
    return !value.isEmpty();
}

bool TakeOption(const QStringList& args, qsizetype& i, PackArguments& parsed) {
    const QString& word = args[i];
    if (word == QLatin1String("--yes")) {
        parsed.Yes = true;
        return true;
    }
    if (word == QLatin1String("--game"))
        return TakeValue(args, i, parsed.Game);
    if (word == QLatin1String("--far"))
        return TakeValue(args, i, parsed.Archive);
    if (word == QLatin1String("--backup"))
        return TakeValue(args, i, parsed.Backup);
    if (word == QLatin1String("--comment"))
        return TakeValue(args, i, parsed.Comment);
    QString onConflict;
    if (word != QLatin1String("--on-conflict") || !TakeValue(args, i, onConflict) ||
        !ConflictAnswer(onConflict))
        return false;
    parsed.OnConflict = *ConflictAnswer(onConflict);
    return true;
}

std::optional<PackArguments> ParsePack(const QStringList& args) {
    PackArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-')))
            parsed.Entries.append(args[i]);
        else if (!TakeOption(args, i, parsed))
            return std::nullopt;
    }
    if (parsed.Archive.isEmpty() || parsed.Backup.isEmpty())
        return std::nullopt;
    return parsed;
}

// Answers Yes to the questions a script has agreed to in advance.
class AgreeingInteraction : public ConsoleInteraction {
public:
    using ConsoleInteraction::ConsoleInteraction;

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer) override {
        const MessageAnswer shown =
            ConsoleInteraction::ShowMessage(kind, text, MessageButtons::Ok, MessageAnswer::Ok);
        return buttons == MessageButtons::Ok ? shown : MessageAnswer::Yes;
    }
};

// The named candidates in the order given, or all of them; nothing when a name is unknown.
std::optional<std::vector<FarCandidate>> Selected(const std::vector<FarCandidate>& candidates,
                                                  const QStringList& entries, CliIo& io) {
    if (entries.isEmpty())
        return candidates;
    std::vector<FarCandidate> selected;
    for (const QString& entry : entries) {
        const QString name = QString(entry).replace(QLatin1Char('/'), QLatin1Char('\\'));
        const auto found =
            std::find_if(candidates.begin(), candidates.end(), [&](const FarCandidate& candidate) {
                return SameName(candidate.EntryName, name);
            });
        if (found == candidates.end()) {
            io.Fail(QStringLiteral("no object file to pack is named %1").arg(entry));
            return std::nullopt;
        }
        selected.push_back(*found);
    }
    return selected;
}

QString StateWord(FarPackState state) {
    switch (state) {
    case FarPackState::Packed:
        return QStringLiteral("packed");
    case FarPackState::Skipped:
        return QStringLiteral("skipped");
    case FarPackState::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

int Pack(const PackArguments& arguments, CliIo& io, Interaction& interaction) {
    const std::optional<QString> game = ChosenGameFolder(arguments.Game, io);
    if (!game)
        return ExitFailure;
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    FarPackRequest request{{*game, QFileInfo(arguments.Archive).absoluteFilePath(),
                            QFileInfo(arguments.Backup).absoluteFilePath()},
                           arguments.Comment,
                           JoinCaseInsensitive(DataFolder(), QStringLiteral("files.iff")),
                           arguments.OnConflict,
                           {}};
    const std::optional<std::vector<FarCandidate>> selected =
        Selected(FindFarCandidates(request.Target.GameFolder), arguments.Entries, io);
    if (!selected)
        return ExitFailure;
    request.Selection = *selected;
    if (!ConfirmFarPackTarget(request.Target, language, interaction))
        return ExitFailure;
    const FarPackOutcome outcome = PackObjectsIntoFar(request, language, interaction);
    for (const FarPackResult& result : outcome.Results)
        io.Record({StateWord(result.State), result.Candidate.EntryName, result.BackupPath});
    const bool anyFailed = std::any_of(
        outcome.Results.begin(), outcome.Results.end(),
        [](const FarPackResult& result) { return result.State == FarPackState::Failed; });
    return anyFailed ? ExitFailure : ExitSuccess;
}
} // namespace

int RunFarPack(const QStringList& args, CliIo& io) {
    const std::optional<PackArguments> parsed = ParsePack(args);
    if (!parsed)
        return ExitBadUsage;
    if (parsed->Yes) {
        AgreeingInteraction interaction(io.Err);
        return Pack(*parsed, io, interaction);
    }
    ConsoleInteraction interaction(io.Err);
    return Pack(*parsed, io, interaction);
}

int RunFarCandidates(const QStringList& args, CliIo& io) {
    QString given;
    qsizetype i = 0;
    if (!args.isEmpty() &&
        (args.size() != 2 || args[0] != QLatin1String("--game") || !TakeValue(args, i, given)))
        return ExitBadUsage;
    const std::optional<QString> game = ChosenGameFolder(given, io);
    if (!game)
        return ExitFailure;
    for (const FarCandidate& candidate : FindFarCandidates(*game))
        io.Record({QLatin1String(FarSources[size_t(candidate.Source)].Folder), candidate.EntryName,
                   candidate.FullPath});
    return ExitSuccess;
}
