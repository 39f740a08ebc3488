#pragma once

#include "common/CaselessFolderCache.h"
#include "common/CaselessName.h"
#include "common/FileExistsAnswer.h"
#include "farpack/FarPacking.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

class Interaction;
class TFarFile;
class TLanguage;
struct FileExistsQuestion;
struct FileExistsReply;

// A file added to the archive and waiting to be moved to its backup path.
struct PlannedEntry {
    size_t Result = 0;
    QString EntryName;
    QString BackupPath;
    quint32 Size = 0;
};

// Settles, file by file, the name each one gets in the archive and in the backup folder,
// asking the file-exists question where a name is taken, and adds the file to the archive.
// Nothing is written or moved here.
class FarPackPlan {
public:
    // far holds the archive's entries; a new archive is not on disk yet.
    FarPackPlan(TFarFile& far, const FarPackTarget& target,
                const std::vector<FarCandidate>& selection, Interaction& interaction,
                const TLanguage& language, FileExistsAnswer remembered);

    // Adds the file of results[index] to the archive, or marks it skipped or failed. A file
    // that replaces the entry of one planned before takes that one's place: the earlier
    // file is skipped.
    void Plan(std::vector<FarPackResult>& results, size_t index);

    const std::vector<PlannedEntry>& Planned() const { return FPlanned; }
    // The archive-conflict answer given for all files, else the one it started with.
    FileExistsAnswer RememberedArchiveAnswer() const { return FArchiveAnswer; }

private:
    struct ArchiveName {
        QString Name;
        bool Replaces = false;
    };

    std::optional<ArchiveName> DecideArchiveName(const FarCandidate& candidate);
    std::optional<QString> DecideBackupPath(const FarCandidate& candidate, const QString& name,
                                            const QString& replacedName);
    FileExistsReply Resolve(FileExistsAnswer& remembered, const FileExistsQuestion& question);
    void RemoveEntries(const QString& name, std::vector<FarPackResult>& results);
    bool IsPlannedBackup(const QString& path, const QString& replacedName) const;
    bool IsSelectedSource(const QString& path) const;

    TFarFile& FFar;
    const QString FFarFile;
    CaselessFolderCache FBackupNames;
    Interaction& FInteraction;
    const TLanguage& FLanguage;
    FileExistsAnswer FArchiveAnswer;
    FileExistsAnswer FBackupAnswer;
    std::vector<PlannedEntry> FPlanned;
    // The entry name of the file planned for each backup path.
    QHash<CaselessName, QString> FPlannedBackups;
    // Where the selected files lie, for a backup folder that is one of their folders.
    QSet<CaselessName> FSelectedSources;
};
