#include "farpack/FarPackPlan.h"

#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "formats/TFarFile.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
bool Skips(FileExistsAnswer answer) {
    return answer == FileExistsAnswer::Skip || answer == FileExistsAnswer::SkipAll;
}

bool ForAllFiles(FileExistsAnswer answer) {
    return answer == FileExistsAnswer::SkipAll || answer == FileExistsAnswer::OverwriteAll;
}

// The name with its last step replaced; "\" inside archives, "/" on disk.
QString Renamed(const QString& name, const QString& newFileName, QChar separator) {
    const qsizetype cut = name.lastIndexOf(separator);
    return name.left(cut + 1) + newFileName;
}

CaselessName PathKey(const QString& path) {
    return CaselessName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}
} // namespace

FarPackPlan::FarPackPlan(TFarFile& far, const FarPackTarget& target,
                         const std::vector<FarCandidate>& selection, Interaction& interaction,
                         const TLanguage& language, FileExistsAnswer remembered)
    : FFar(far), FFarFile(target.FarFile), FBackupNames(target.BackupFolder),
      FInteraction(interaction), FLanguage(language), FArchiveAnswer(remembered),
      FBackupAnswer(remembered) {
    for (const FarCandidate& candidate : selection)
        FSelectedSources.insert(PathKey(candidate.FullPath));
}

void FarPackPlan::Plan(std::vector<FarPackResult>& results, size_t index) {
    FarPackResult& result = results[index];
    const std::optional<ArchiveName> name = DecideArchiveName(result.Candidate);
    if (!name)
        return;
    const std::optional<QString> backup =
        DecideBackupPath(result.Candidate, name->Name, name->Replaces ? name->Name : QString());
    if (!backup)
        return;
    const QFileInfo source(result.Candidate.FullPath);
    FFar.SetRootDir(source.path());
    if (FFar.Add(source.fileName()) < 0) {
        result.State = FarPackState::Failed;
        return;
    }
    // Only a file that is in the archive takes the replaced entries' place.
    if (name->Replaces)
        RemoveEntries(name->Name, results);
    result.BackupPath = QDir::toNativeSeparators(*backup);
    TFarItem& item = *FFar.GetItem(FFar.GetCount() - 1);
    item.SetName(name->Name);
    FPlanned.push_back({index, name->Name, *backup, item.Size()});
    FPlannedBackups.insert(CaselessName(*backup), name->Name);
}

std::optional<FarPackPlan::ArchiveName>
FarPackPlan::DecideArchiveName(const FarCandidate& candidate) {
    QString name = candidate.EntryName;
    for (;;) {
        const int taken = FFar.IndexOf(name);
        if (taken < 0)
            return ArchiveName{name, false};
        const QString message = ReplacePlaceholder(
            FLanguage.GetString(QStringLiteral("FarItemExists")), u"ItemName", name);
        const FileExistsReply reply =
            Resolve(FArchiveAnswer, {.NewPath = candidate.FullPath,
                                     .ExistingPath = QDir::toNativeSeparators(FFarFile),
                                     .Message = message,
                                     .ExistingSize = FFar.GetItem(taken)->Size()});
        if (Skips(reply.Answer) ||
            (reply.Answer == FileExistsAnswer::Rename && reply.NewName.isEmpty()))
            return std::nullopt;
        if (reply.Answer != FileExistsAnswer::Rename)
            return ArchiveName{name, true};
        name = Renamed(name, reply.NewName, QLatin1Char('\\'));
    }
}

// A backup path another file of this packing goes to or comes from is never written over:
// that file would be lost. The file planned under a replaced entry name frees its path.
std::optional<QString> FarPackPlan::DecideBackupPath(const FarCandidate& candidate,
                                                     const QString& name,
                                                     const QString& replacedName) {
    QString path = FBackupNames.Resolve(name);
    for (;;) {
        if (IsPlannedBackup(path, replacedName) || IsSelectedSource(path))
            return std::nullopt;
        if (!QFileInfo::exists(path))
            return path;
        const FileExistsReply reply =
            Resolve(FBackupAnswer, {.NewPath = candidate.FullPath,
                                    .ExistingPath = QDir::toNativeSeparators(path),
                                    .Message = {}});
        if (Skips(reply.Answer) ||
            (reply.Answer == FileExistsAnswer::Rename && reply.NewName.isEmpty()))
            return std::nullopt;
        if (reply.Answer != FileExistsAnswer::Rename)
            return path;
        path = Renamed(path, reply.NewName, QLatin1Char('/'));
    }
}

FileExistsReply FarPackPlan::Resolve(FileExistsAnswer& remembered,
                                     const FileExistsQuestion& question) {
    if (ForAllFiles(remembered))
        return {remembered, {}};
    FileExistsReply reply = FInteraction.AskFileExists(question);
    if (ForAllFiles(reply.Answer))
        remembered = reply.Answer;
    return reply;
}

// Every entry of that name before the one just added goes; a file planned under it stays
// where it is.
void FarPackPlan::RemoveEntries(const QString& name, std::vector<FarPackResult>& results) {
    const CaselessName key(name);
    for (int index = FFar.GetCount() - 2; index >= 0; --index) {
        if (FFar.GetItem(index)->NameKey() == key)
            FFar.Delete(index);
    }
    const auto replaced =
        std::stable_partition(FPlanned.begin(), FPlanned.end(), [&](const PlannedEntry& entry) {
            return !SameName(entry.EntryName, name);
        });
    for (auto entry = replaced; entry != FPlanned.end(); ++entry) {
        FPlannedBackups.remove(CaselessName(entry->BackupPath));
        results[entry->Result].State = FarPackState::Skipped;
        results[entry->Result].BackupPath.clear();
    }
    FPlanned.erase(replaced, FPlanned.end());
}

bool FarPackPlan::IsPlannedBackup(const QString& path, const QString& replacedName) const {
    const auto planned = FPlannedBackups.constFind(CaselessName(path));
    return planned != FPlannedBackups.constEnd() &&
           (replacedName.isEmpty() || !SameName(*planned, replacedName));
}

bool FarPackPlan::IsSelectedSource(const QString& path) const {
    return FSelectedSources.contains(PathKey(path));
}
