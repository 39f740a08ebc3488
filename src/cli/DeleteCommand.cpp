#include "cli/CliCommands.h"
#include "cli/ContentCliSession.h"
#include "common/CaselessName.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "removal/DeleteOperation.h"

#include <QHash>

#include <map>

namespace {
const char* const DeleteUsage =
    "usage: packwright-cli delete [--game DIR] [--yes] PATH...\n"
    "Deletes custom content of the game folder, each PATH as the content command prints\n"
    "it: a file, a whole FAR archive, or an entry of an archive (the archive's path, a\n"
    "separator and the entry's name). Without --yes the deletion is confirmed on the\n"
    "terminal. Prints one line per path: deleted or failed, kind, path (and the reason).\n"
    "Records leave files.iff. Exits 0 when nothing failed.\n";

struct NamedNode {
    CaselessName Path;
    const ContentFileInfo* File;
};

// The file nodes by the path the content command prints, whatever the separators; paths
// that differ only in letter case share a key.
using NodeIndex = QHash<CaselessName, QList<NamedNode>>;

NodeIndex NodesByPath(const ContentNode& root) {
    NodeIndex nodes;
    for (const ContentFileInfo* file : FileNodesInOrder(root)) {
        const CaselessName path(ToSlashes(ContentNodePath(*file)));
        nodes[path].append({path, file});
    }
    return nodes;
}

const ContentFileInfo* NodeNamed(const NodeIndex& nodes, const QString& path) {
    const CaselessName key(ToSlashes(path));
    const auto sameKey = nodes.constFind(key);
    if (sameKey == nodes.constEnd())
        return nullptr;
    return FindByName(*sameKey, key, &NamedNode::Path)->File;
}

// Named archives are deleted whole; entries only of archives that are kept.
std::vector<DeleteTarget> TargetsOf(const std::vector<const ContentFileInfo*>& files) {
    std::vector<DeleteTarget> targets;
    std::map<QString, QStringList> entries;
    for (const ContentFileInfo* file : files) {
        if (file->InFar)
            entries[file->Path].append(file->Name);
        else
            targets.push_back({.Kind = file->Kind,
                               .Path = file->Path,
                               .Items = {},
                               .NativePath = file->NativePath});
    }
    for (auto& [archive, items] : entries) {
        const bool whole =
            std::ranges::any_of(targets, [&](const DeleteTarget& t) { return t.Path == archive; });
        if (!whole)
            targets.push_back(
                {.Kind = ContentKind::FarFiles, .Path = archive, .Items = items, .NativePath = {}});
    }
    return targets;
}

bool Confirmed(QStringList& args, ContentCliSession& session) {
    if (args.removeAll(QStringLiteral("--yes")) > 0)
        return true;
    const QString question = session.Language().GetString(QStringLiteral("DeleteWarning"));
    return session.Console().Ask(MessageKind::Confirmation, question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void Report(CliIo& io, const DeleteResult& result) {
    const QString kind = QString::number(ContentKindValue(result.Kind));
    if (result.Deleted)
        io.Record({QStringLiteral("deleted"), kind, result.Path});
    else
        io.Record({QStringLiteral("failed"), kind, result.Path, result.Reason});
}
} // namespace

int RunDeleteCommand(const QStringList& arguments, CliIo& io) {
    QStringList args = arguments;
    if (WantsHelp(args)) {
        io.Out << DeleteUsage;
        return ExitSuccess;
    }
    ContentCliSession session(io);
    const std::optional<QString> gameFolder = session.GameFolder(args);
    if (!gameFolder)
        return ExitFailure;
    const bool confirmed = Confirmed(args, session);
    if (args.isEmpty())
        return io.BadUsage(QString::fromLatin1(DeleteUsage));
    if (!confirmed)
        return io.Fail(QStringLiteral("nothing deleted: the deletion was not confirmed"));
    const ContentNode root = session.Load(*gameFolder);
    const NodeIndex nodes = NodesByPath(root);
    std::vector<const ContentFileInfo*> chosen;
    bool failed = false;
    for (const QString& path : args) {
        if (const ContentFileInfo* node = NodeNamed(nodes, path)) {
            chosen.push_back(node);
            continue;
        }
        io.Record({QStringLiteral("failed"), QString(), path,
                   QStringLiteral("not custom content of the game folder")});
        failed = true;
    }
    DeletionOutcome outcome;
    try {
        outcome = DeleteAndSaveRecords(TargetsOf(chosen), session.Db(), session.Far(),
                                       session.Language(), session.Console());
    } catch (const EPackwrightError& error) {
        return io.Fail(error.Text());
    }
    for (const DeleteResult& result : outcome.Results)
        Report(io, result);
    failed =
        failed || !outcome.Recorded || DeletedCount(outcome.Results) < int(outcome.Results.size());
    return failed ? ExitFailure : ExitSuccess;
}
