#include "farpack/FarPacking.h"

#include "common/CaselessName.h"
#include "common/DayCountDate.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "farpack/FarPackPlan.h"
#include "farpack/PackSteps.h"
#include "formats/FarDirectory.h"
#include "formats/FarMessages.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "language/TLanguage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QTemporaryFile>

#include <algorithm>

namespace {
QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The folder exists and a file can be made in it.
bool CanWriteInto(const QString& folder) {
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(WithTrailingSeparator(folder) + QStringLiteral(".packwright-XXXXXX"));
    return probe.open();
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
    std::vector<PlannedEntry> Plan();
    void DiscardArchive();
    bool PackPlanned(std::vector<PlannedEntry>& planned);
    bool MoveToBackups(std::vector<PlannedEntry>& planned);
    void WarnMoveFailed(const QStringList& failed);
    bool Record(const std::vector<PlannedEntry>& moved);
    InstalledFileRecord TakeInstallRecord(const QString& path, double now);
    void RecordArchive(double now);
    bool WriteArchive(const std::vector<PlannedEntry>& moved);
    bool AddMoved(const std::vector<PlannedEntry>& moved);
    void MarkAll(const std::vector<PlannedEntry>& planned, FarPackState state);

    const FarPackRequest& FRequest;
    const TLanguage& FLanguage;
    Interaction& FInteraction;
    const QString FFarFile;
    InstalledFilesDb FDb;
    TFarFile FFar;
    PackSteps FSteps;
    std::unique_ptr<ProgressHandle> FProgress;
    bool FArchiveExisted = false;
    FarPackOutcome FOutcome;
};

FarPackOutcome FarPacker::Run() {
    FOutcome.RememberedAnswer = FRequest.FileExistsDefault;
    FArchiveExisted = QFileInfo::exists(FFarFile);
    FProgress = FInteraction.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    FProgress->SetMessage(
        ReplacePlaceholder(FArchiveExisted ? FLanguage.GetString(QStringLiteral("FarUpdating"))
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
    std::vector<PlannedEntry> planned = Plan();
    if (!PackPlanned(planned))
        return FOutcome;
    Report(100);
    FProgress.reset();
    FInteraction.Inform(FarPackedText(FLanguage, FOutcome.PackedCount(), Native(FFarFile)));
    return FOutcome;
}

bool FarPacker::OpenArchive() {
    if (FFar.LoadFile(FFarFile)) {
        FFar.SetKeepPaths(true);
        return true;
    }
    for (FarPackResult& result : FOutcome.Results)
        result.State = FarPackState::Failed;
    return false;
}

// Settles every name with the user; the archive on disk stays as it was.
std::vector<PlannedEntry> FarPacker::Plan() {
    Report(5);
    FarPackPlan plan(FFar, FRequest.Target.BackupFolder, FRequest.Selection, FInteraction,
                     FLanguage, FOutcome.RememberedAnswer);
    for (size_t i = 0; i < FOutcome.Results.size(); ++i) {
        plan.Plan(FOutcome.Results, i);
        Report(5 + int(30 * (i + 1) / FOutcome.Results.size()));
    }
    FOutcome.RememberedAnswer = plan.RememberedArchiveAnswer();
    return plan.Planned();
}

// An archive this packing created stays only when something went into it.
void FarPacker::DiscardArchive() {
    FFar.Close();
    if (!FArchiveExisted)
        QFile::remove(FFarFile);
}

// The files move first, the records follow, and the archive is written last: each step
// can still be undone when a later one fails, so every old byte stays in the archive, in
// the game folder or in the backup folder, and the records name what the archive holds.
bool FarPacker::PackPlanned(std::vector<PlannedEntry>& planned) {
    if (!MoveToBackups(planned)) {
        FSteps.UndoAll();
        DiscardArchive();
        MarkAll(planned, FarPackState::Skipped);
        return false;
    }
    if (planned.empty()) {
        DiscardArchive();
        return true;
    }
    if (Record(planned) && WriteArchive(planned)) {
        FSteps.Commit();
        return true;
    }
    FSteps.UndoAll();
    DiscardArchive();
    MarkAll(planned, FarPackState::Failed);
    return false;
}

// False when the user cancelled: this is where a cancelled packing stops, and the files
// moved so far are to go back.
bool FarPacker::MoveToBackups(std::vector<PlannedEntry>& planned) {
    QStringList failed;
    for (size_t i = 0; i < planned.size(); ++i) {
        if (FProgress->CancelRequested())
            return false;
        FarPackResult& result = FOutcome.Results[planned[i].Result];
        const bool moved = FSteps.Move(result.Candidate.FullPath, planned[i].BackupPath);
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
    if (FSteps.KeepOldBytes(FDb.DbFileName()))
        return FDb.Save(FInteraction);
    FInteraction.Fail(FDb.ErrorMessage());
    return false;
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

// The archive as it was on disk, each moved file in place of the entries of its name, read
// from its backup path.
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
