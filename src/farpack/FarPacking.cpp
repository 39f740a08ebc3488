#include "farpack/FarPacking.h"

#include "common/CaselessName.h"
#include "common/DayCountDate.h"
#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "farpack/FarPackPlan.h"
#include "formats/FarDirectory.h"
#include "formats/FarMessages.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "journal/Operation.h"
#include "journal/OperationsAccess.h"
#include "language/TLanguage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QTemporaryFile>

#include <algorithm>
#include <memory>
#include <optional>

namespace {
QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool CanMakeFileIn(const QString& folder) {
    QTemporaryFile probe(WithTrailingSeparator(folder) + QStringLiteral(".packwright-XXXXXX"));
    return probe.open();
}

// The folder can be made and a file made in it. Folders made to find out go again: the
// operation makes them where it can take them back.
bool CanWriteInto(const QString& folder) {
    const QString wanted = QDir::cleanPath(folder);
    QString existing = wanted;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).absolutePath() != existing)
        existing = QFileInfo(existing).absolutePath();
    const bool writable = QDir().mkpath(wanted) && CanMakeFileIn(wanted);
    for (QString level = wanted; level != existing; level = QFileInfo(level).absolutePath())
        QDir().rmdir(level);
    return writable;
}

// The archive on disk lists every planned entry with its size.
bool ArchiveHolds(const QString& farFile, const std::vector<PlannedEntry>& planned) {
    QFile file(farFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const FarDirectory directory = ReadFarDirectory(file);
    QMultiHash<CaselessName, quint32> sizes;
    for (const FarDirectoryEntry& stored : directory.Entries)
        sizes.insert(CaselessName(stored.Name), stored.Size);
    return directory.Outcome == FarReadOutcome::Valid &&
           std::all_of(planned.begin(), planned.end(), [&](const PlannedEntry& entry) {
               return sizes.contains(CaselessName(entry.EntryName), entry.Size);
           });
}

class FarPacker {
public:
    FarPacker(const FarPackRequest& request, const TLanguage& language, Interaction& interaction)
        : FRequest(request), FLanguage(language), FInteraction(interaction),
          FFarFile(request.Target.FarFile), FDb(request.DatabaseFile), FFar(interaction) {
        for (const FarCandidate& candidate : request.Selection)
            FOutcome.Results.push_back({candidate});
        FDb.SetErrorMessage(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("DBError")),
                                               u"FileName", QStringLiteral("files.iff")));
        FFar.SetMessages(FarMessages::FromLanguage(language));
    }

    FarPackOutcome Run();

private:
    void Report(int percent) { FProgress->SetPercent(percent); }
    bool OpenArchive();
    std::optional<std::vector<PlannedEntry>> Plan();
    bool PackPlanned(std::vector<PlannedEntry>& planned);
    bool BeginOperation(const std::vector<PlannedEntry>& planned);
    void FailJournal();
    void TakeBack();
    bool MoveToBackups(std::vector<PlannedEntry>& planned);
    bool MoveToBackup(const PlannedEntry& entry);
    void WarnMoveFailed(const QStringList& failed);
    bool Record(const std::vector<PlannedEntry>& moved);
    InstalledFileRecord TakeInstallRecord(const QString& path, double now);
    void RecordArchive(double now);
    bool WriteArchive(const std::vector<PlannedEntry>& moved);
    bool AddMoved(const std::vector<PlannedEntry>& moved);
    bool Commit();
    void MarkAll(const std::vector<PlannedEntry>& planned, FarPackState state);

    const FarPackRequest& FRequest;
    const TLanguage& FLanguage;
    Interaction& FInteraction;
    const QString FFarFile;
    InstalledFilesDb FDb;
    TFarFile FFar;
    std::unique_ptr<Operation> FOperation;
    std::unique_ptr<ProgressHandle> FProgress;
    FarPackOutcome FOutcome;
};

FarPackOutcome FarPacker::Run() {
    FOutcome.RememberedAnswer = FRequest.FileExistsDefault;
    FProgress = FInteraction.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    FProgress->SetMessage(ReplacePlaceholder(
        QFileInfo::exists(FFarFile) ? FLanguage.GetString(QStringLiteral("FarUpdating"))
                                    : FLanguage.GetString(QStringLiteral("FarCreating")),
        u"FileName", Native(FFarFile)));
    if (!CanWriteInto(FRequest.Target.BackupFolder)) {
        FInteraction.Fail(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("FarBackupDirError")),
                               u"FileName", Native(FRequest.Target.BackupFolder)));
        return FOutcome;
    }
    if (!OpenArchive())
        return FOutcome;
    std::optional<std::vector<PlannedEntry>> planned = Plan();
    if (!planned || !PackPlanned(*planned))
        return FOutcome;
    Report(100);
    FProgress.reset();
    FInteraction.Inform(FarPackedText(FLanguage, FOutcome.PackedCount(), Native(FFarFile)));
    return FOutcome;
}

// A new archive is only looked at here: the operation makes it, where it can take it back.
bool FarPacker::OpenArchive() {
    const bool opened = QFileInfo::exists(FFarFile)
                            ? FFar.LoadFile(FFarFile)
                            : CanMakeFileIn(QFileInfo(FFarFile).absolutePath());
    if (opened) {
        FFar.SetKeepPaths(true);
        return true;
    }
    if (!QFileInfo::exists(FFarFile))
        FInteraction.Fail(
            FillFarMessage(FLanguage.GetString(QStringLiteral("FarFileCreateError")), FFarFile));
    for (FarPackResult& result : FOutcome.Results)
        result.State = FarPackState::Failed;
    return false;
}

// Settles every name with the user; nothing on disk changes. Nothing when the user
// cancelled, which stops the packing here as it is.
std::optional<std::vector<PlannedEntry>> FarPacker::Plan() {
    Report(5);
    FarPackPlan plan(FFar, FRequest.Target, FRequest.Selection, FInteraction, FLanguage,
                     FOutcome.RememberedAnswer);
    for (size_t i = 0; i < FOutcome.Results.size(); ++i) {
        if (FProgress->CancelRequested()) {
            FFar.Close();
            return std::nullopt;
        }
        plan.Plan(FOutcome.Results, i);
        Report(5 + int(30 * (i + 1) / FOutcome.Results.size()));
    }
    FOutcome.RememberedAnswer = plan.RememberedArchiveAnswer();
    return plan.Planned();
}

// The files move first, the records follow, and the archive is written last, each change
// through the operation: until its commit, dropping it takes every change back, so every
// old byte stays in the archive, in the game folder, in the backup folder or in the keep
// folder, and the records name what the archive holds.
bool FarPacker::PackPlanned(std::vector<PlannedEntry>& planned) {
    if (planned.empty()) {
        FFar.Close();
        return true;
    }
    if (!BeginOperation(planned)) {
        FFar.Close();
        MarkAll(planned, FarPackState::Failed);
        return false;
    }
    if (!MoveToBackups(planned)) {
        TakeBack();
        MarkAll(planned, FarPackState::Skipped);
        return false;
    }
    if (planned.empty()) {
        TakeBack();
        return true;
    }
    if (Record(planned) && WriteArchive(planned) && Commit())
        return true;
    TakeBack();
    MarkAll(planned, FarPackState::Failed);
    return false;
}

// Existing backups the moves may replace go to the keep folder, and so do the bytes of
// files.iff and of the archive, kept first: the history names the archive first.
bool FarPacker::BeginOperation(const std::vector<PlannedEntry>& planned) {
    OperationStart start{.DataFolder = QFileInfo(FRequest.DatabaseFile).absolutePath(),
                         .Kind = OperationKind::FarPack,
                         .Comment = FRequest.Comment,
                         .FilesItMayMove = {},
                         .FilesItMayRewrite = {FRequest.DatabaseFile, FFarFile}};
    for (const PlannedEntry& entry : planned)
        start.FilesItMayMove.append(entry.BackupPath);
    try {
        FOperation = std::make_unique<Operation>(start, FLanguage);
    } catch (const EPackwrightError& error) {
        FInteraction.Fail(error.Text());
        return false;
    }
    if (FOperation->Rewrite(FRequest.DatabaseFile) && FOperation->Rewrite(FFarFile))
        return true;
    FailJournal();
    FOperation.reset();
    return false;
}

void FarPacker::FailJournal() {
    FInteraction.Fail(FOperation->JournalErrorText(FLanguage));
}

// The archive is closed first: a file held open cannot be removed everywhere.
void FarPacker::TakeBack() {
    FFar.Close();
    FOperation.reset();
}

// False when the user cancelled: this is where a cancelled packing stops, and the files
// moved so far are to go back.
bool FarPacker::MoveToBackups(std::vector<PlannedEntry>& planned) {
    QStringList failed;
    for (size_t i = 0; i < planned.size(); ++i) {
        if (FProgress->CancelRequested())
            return false;
        FarPackResult& result = FOutcome.Results[planned[i].Result];
        const bool moved = MoveToBackup(planned[i]);
        result.State = moved ? FarPackState::Packed : FarPackState::Failed;
        if (!moved)
            failed.append(Native(result.Candidate.FullPath));
        Report(35 + int(30 * (i + 1) / planned.size()));
    }
    std::erase_if(planned, [this](const PlannedEntry& entry) {
        return FOutcome.Results[entry.Result].State != FarPackState::Packed;
    });
    if (!failed.isEmpty())
        WarnMoveFailed(failed);
    return true;
}

bool FarPacker::MoveToBackup(const PlannedEntry& entry) {
    return FOperation->MakeFolders(QFileInfo(entry.BackupPath).absolutePath()) &&
           FOperation->Move(FOutcome.Results[entry.Result].Candidate.FullPath, entry.BackupPath);
}

void FarPacker::WarnMoveFailed(const QStringList& failed) {
    FInteraction.Warn(
        ReplacePlaceholder(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("FarMoveFailed")),
                                              u"FileName", Native(FRequest.Target.BackupFolder)),
                           u"Files", failed.join(QLatin1Char('\n'))));
}

// A packed file's record is named by the archive and the file's name inside it, keeping
// the comment and date it was installed with.
bool FarPacker::Record(const std::vector<PlannedEntry>& moved) {
    const double now = ToDayCount(QDateTime::currentDateTime());
    RecordArchive(now);
    for (const PlannedEntry& entry : moved) {
        const InstalledFileRecord installed =
            TakeInstallRecord(Native(FOutcome.Results[entry.Result].Candidate.FullPath), now);
        FDb.Add(ContentKind::FarPackedFiles,
                {Native(FFarFile) + QLatin1Char('\\') + entry.EntryName, installed.Comment,
                 installed.InstalledAt});
    }
    return FDb.Save(FInteraction);
}

// Removes the object's own record; a file the database did not know counts as installed
// when it was packed, so that its entry has a date.
InstalledFileRecord FarPacker::TakeInstallRecord(const QString& path, double now) {
    const int index = FDb.IndexOf(ContentKind::Objects, path);
    if (index < 0)
        return {.FileName = path, .Comment = {}, .InstalledAt = now};
    InstalledFileRecord installed = FDb.Get(ContentKind::Objects, index);
    FDb.Delete(ContentKind::Objects, index);
    return installed;
}

void FarPacker::RecordArchive(double now) {
    const QString path = Native(FFarFile);
    const int index = FDb.IndexOf(ContentKind::FarFiles, path);
    InstalledFileRecord record = index >= 0 ? FDb.Get(ContentKind::FarFiles, index)
                                            : InstalledFileRecord{path, FRequest.Comment, 0};
    record.InstalledAt = now;
    FDb.Add(ContentKind::FarFiles, record);
}

// The archive as it was on disk, or a new one, each moved file in place of the entries of
// its name, read from its backup path.
bool FarPacker::WriteArchive(const std::vector<PlannedEntry>& moved) {
    if (!FFar.LoadFile(FFarFile) || !AddMoved(moved))
        return false;
    QObject::connect(&FFar, &TFarFile::OnProgress, &FFar,
                     [this] { Report(65 + FFar.Progress() * 3 / 10); });
    const bool saved = FFar.Save();
    FFar.Close();
    if (saved && ArchiveHolds(FFarFile, moved))
        return true;
    if (saved)
        FInteraction.Fail(
            FillFarMessage(FLanguage.GetString(QStringLiteral("FarFileReadError")), FFarFile));
    return false;
}

bool FarPacker::AddMoved(const std::vector<PlannedEntry>& moved) {
    FFar.SetKeepPaths(true);
    for (const PlannedEntry& entry : moved) {
        for (int index = FFar.IndexOf(entry.EntryName); index >= 0;
             index = FFar.IndexOf(entry.EntryName))
            FFar.Delete(index);
        const QFileInfo backup(entry.BackupPath);
        FFar.SetRootDir(backup.path());
        if (FFar.Add(backup.fileName()) < 0)
            return false;
        FFar.GetItem(FFar.GetCount() - 1)->SetName(entry.EntryName);
    }
    return true;
}

bool FarPacker::Commit() {
    if (FOperation->Commit())
        return true;
    FailJournal();
    return false;
}

void FarPacker::MarkAll(const std::vector<PlannedEntry>& planned, FarPackState state) {
    for (const PlannedEntry& entry : planned)
        FOutcome.Results[entry.Result].State = state;
}
} // namespace

int FarPackOutcome::PackedCount() const {
    return int(std::count_if(Results.begin(), Results.end(), [](const FarPackResult& result) {
        return result.State == FarPackState::Packed;
    }));
}

FarPackOutcome PackObjectsIntoFar(const FarPackRequest& request, const TLanguage& language,
                                  Interaction& interaction) {
    return FarPacker(request, language, interaction).Run();
}

QString FarPackedText(const TLanguage& language, int count, const QString& farFile) {
    const QString text =
        count == 1 && language.StringSet(QStringLiteral("FarSingleFilePacked"))
            ? language.GetString(QStringLiteral("FarSingleFilePacked"))
            : ReplacePlaceholder(language.GetString(QStringLiteral("FarFilesPacked")), u"Number",
                                 QString::number(count));
    return ReplacePlaceholder(text, u"FileName", farFile);
}
