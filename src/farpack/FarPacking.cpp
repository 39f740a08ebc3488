#include "farpack/FarPacking.h"

#include "common/CaselessName.h"
#include "common/DayCountDate.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "farpack/BackupMove.h"
#include "farpack/FarPackPlan.h"
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
    void DiscardArchive();
    bool WriteArchive(const std::vector<PlannedEntry>& planned);
    void MoveToBackups(std::vector<PlannedEntry>& planned);
    void TakeBackOutOfArchive(const QStringList& entryNames);
    void Record(const std::vector<PlannedEntry>& moved);
    void RecordArchive(double now);
    void MarkAll(const std::vector<PlannedEntry>& planned, FarPackState state);

    const FarPackRequest& FRequest;
    const TLanguage& FLanguage;
    Interaction& FInteraction;
    const QString FFarFile;
    InstalledFilesDb FDb;
    TFarFile FFar;
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
    Report(5);
    FarPackPlan plan(FFar, FRequest.Target.BackupFolder, FInteraction, FLanguage,
                     FOutcome.RememberedAnswer);
    for (size_t i = 0; i < FOutcome.Results.size(); ++i) {
        plan.Plan(FOutcome.Results, i);
        Report(5 + int(30 * (i + 1) / FOutcome.Results.size()));
    }
    FOutcome.RememberedAnswer = plan.RememberedArchiveAnswer();
    std::vector<PlannedEntry> planned = plan.Planned();
    if (!WriteArchive(planned))
        return FOutcome;
    MoveToBackups(planned);
    Record(planned);
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

// An archive this packing created stays only when something went into it.
void FarPacker::DiscardArchive() {
    FFar.Close();
    if (!FArchiveExisted)
        QFile::remove(FFarFile);
}

bool FarPacker::WriteArchive(const std::vector<PlannedEntry>& planned) {
    if (planned.empty()) {
        DiscardArchive();
        return true;
    }
    QObject::connect(&FFar, &TFarFile::OnProgress, &FFar,
                     [this] { Report(40 + FFar.Progress() * 3 / 10); });
    const bool saved = FFar.Save();
    FFar.Close();
    if (saved && ArchiveHolds(FFarFile, planned))
        return true;
    if (saved)
        FInteraction.Fail(
            FillFarMessage(FLanguage.GetString(QStringLiteral("FarFileReadError")), FFarFile));
    else if (!FArchiveExisted)
        QFile::remove(FFarFile);
    MarkAll(planned, FarPackState::Failed);
    return false;
}

void FarPacker::MoveToBackups(std::vector<PlannedEntry>& planned) {
    QStringList failed;
    QStringList failedEntries;
    for (size_t i = 0; i < planned.size(); ++i) {
        FarPackResult& result = FOutcome.Results[planned[i].Result];
        const bool moved = MoveToBackup(result.Candidate.FullPath, planned[i].BackupPath);
        result.State = moved ? FarPackState::Packed : FarPackState::Failed;
        if (!moved) {
            failed.append(Native(result.Candidate.FullPath));
            failedEntries.append(planned[i].EntryName);
        }
        Report(65 + int(30 * (i + 1) / planned.size()));
    }
    std::erase_if(planned, [this](const PlannedEntry& entry) {
        return FOutcome.Results[entry.Result].State != FarPackState::Packed;
    });
    if (failed.isEmpty())
        return;
    TakeBackOutOfArchive(failedEntries);
    FInteraction.Warn(
        ReplacePlaceholder(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("FarMoveFailed")),
                                              u"FileName", Native(FRequest.Target.BackupFolder)),
                           u"Files", failed.join(QLatin1Char('\n'))));
}

// A file that is still in the game folder must not be loaded from the archive as well.
void FarPacker::TakeBackOutOfArchive(const QStringList& entryNames) {
    if (!FFar.LoadFile(FFarFile))
        return;
    for (const QString& name : entryNames)
        FFar.Delete(FFar.IndexOf(name));
    FFar.Save();
    FFar.Close();
}

// A packed file's record is named by the archive and the file's name inside it, keeping
// the comment and date it was installed with.
void FarPacker::Record(const std::vector<PlannedEntry>& moved) {
    if (moved.empty())
        return;
    const double now = ToDayCount(QDateTime::currentDateTime());
    RecordArchive(now);
    for (const PlannedEntry& entry : moved) {
        const QString path = Native(FOutcome.Results[entry.Result].Candidate.FullPath);
        const int index = FDb.IndexOf(ContentKind::Objects, path);
        const InstalledFileRecord installed = FDb.Get(ContentKind::Objects, index);
        FDb.Delete(ContentKind::Objects, index);
        FDb.Add(ContentKind::FarPackedFiles,
                {Native(FFarFile) + QLatin1Char('\\') + entry.EntryName, installed.Comment,
                 installed.InstalledAt});
    }
    FDb.Save(FInteraction);
}

void FarPacker::RecordArchive(double now) {
    const QString path = Native(FFarFile);
    const int index = FDb.IndexOf(ContentKind::FarFiles, path);
    InstalledFileRecord record = index >= 0 ? FDb.Get(ContentKind::FarFiles, index)
                                            : InstalledFileRecord{path, FRequest.Comment, 0};
    record.InstalledAt = now;
    FDb.Add(ContentKind::FarFiles, record);
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
