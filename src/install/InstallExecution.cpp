#include "install/InstallExecution.h"

#include "common/DayCountDate.h"
#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "fileutil/ContentHash.h"
#include "fileutil/FileCopy.h"
#include "formats/InstalledFilesDb.h"
#include "install/TargetFolders.h"
#include "journal/Operation.h"
#include "language/TLanguage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {
// Real paths: the game folder reached through a link still holds its own files.
bool SamePath(const QString& a, const QString& b) {
    return SameName(CanonicalWhereExists(a), CanonicalWhereExists(b));
}

// A folder by its real path, worked out once: it is asked about every file of the install.
class RealFolder {
public:
    explicit RealFolder(const QString& folder)
        : FPrefix(folder.isEmpty() ? QString()
                                   : WithTrailingSeparator(CanonicalWhereExists(folder))) {}

    bool Holds(const QString& path) const {
        return !FPrefix.isEmpty() &&
               CanonicalWhereExists(path).startsWith(FPrefix, Qt::CaseInsensitive);
    }

private:
    QString FPrefix;
};

// Comments reach the database with every doubled backslash made single, as they always
// have been stored.
QString WithSingleBackslashes(const QString& comment) {
    QString result;
    result.reserve(comment.size());
    bool afterCopiedBackslash = false;
    for (const QChar c : comment) {
        const bool backslash = c == QLatin1Char('\\');
        if (backslash && afterCopiedBackslash) {
            afterCopiedBackslash = false;
            continue;
        }
        result += c;
        afterCopiedBackslash = backslash;
    }
    return result;
}

// False when something stands at the database's path that cannot be read as one.
bool LoadDatabase(InstalledFilesDb& db, const QString& fileName) {
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return false;
    try {
        db.Load(fileName);
    } catch (const EPackwrightError&) {
        return false;
    }
    return true;
}

// A file of the plan: the folder it goes to and its name there.
struct PlannedCopy {
    int File;
    QString Folder;
    QString Name;
    double InstalledAt;
};

class InstallRun {
public:
    InstallRun(const InstallRequest& request, const TLanguage& language, Interaction& interaction)
        : FRequest(request), FLanguage(language), FInteraction(interaction),
          FAnswer(request.FileExistsDefault), FGameFolder(request.GameFolder),
          FExtractionFolder(request.ExtractionFolder) {}

    InstallResult Run();

private:
    bool ChooseHood();
    bool Plan(TargetFolders& folders);
    bool ConfirmFilesFromGameFolder();
    bool BeginOperation(TargetFolders& folders);
    void ReportJournalError() const;
    void UndoEverything();
    void TakeBackCancelled();
    void TakeBack(InstallOutcome undone);
    bool CopyAll(TargetFolders& folders, ProgressHandle& progress);
    InstallOutcome CopyOne(TargetFolders& folders, PlannedCopy& copy);
    bool PutInPlace(const QString& source, const QString& target);
    bool ResolveRename(TargetFolders& folders, PlannedCopy& copy, const QString& newName);
    void ReportRenameRefused(const PlannedCopy& copy, const QString& newName) const;
    bool Record(InstalledFilesDb& db) const;
    void Report() const;

    const InstallRequest& FRequest;
    const TLanguage& FLanguage;
    Interaction& FInteraction;
    FileExistsAnswer FAnswer;
    const RealFolder FGameFolder;
    const RealFolder FExtractionFolder;
    QString FHoodFolder;
    QList<PlannedCopy> FPlan;
    InstallResult FResult;
    std::unique_ptr<Operation> FOperation;
};

InstallResult InstallRun::Run() {
    for (const TickedFile& file : FRequest.Files)
        FResult.Files.append({.File = file, .Target = {}, .Outcome = InstallOutcome::Skipped});
    // Without the game folder every target would lie wherever the program was started.
    if (!QFileInfo(FRequest.GameFolder).isDir()) {
        FInteraction.Fail(FLanguage.GetString(QStringLiteral("DirNotFound")));
        FResult.Cancelled = true;
        return FResult;
    }
    if (!ChooseHood()) {
        FResult.Cancelled = true;
        return FResult;
    }
    std::unique_ptr<ProgressHandle> progress =
        FInteraction.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    progress->SetMessage(FLanguage.GetString(QStringLiteral("Installing")));
    progress->SetPercent(0);
    TargetFolders folders(FRequest.GameFolder, FHoodFolder);
    if (Plan(folders))
        FInteraction.Warn(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("HoodFolderMissing")),
                               u"FolderName", QDir::toNativeSeparators(FHoodFolder)));
    if (!ConfirmFilesFromGameFolder()) {
        FResult.Cancelled = true;
        return FResult;
    }
    progress->SetPercent(3);
    InstalledFilesDb db;
    db.SetErrorMessage(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("DBError")),
                                          u"FileName", QStringLiteral("files.iff")));
    // Files copied now could never be recorded, and saving would drop every record the
    // database holds: stop before the first copy.
    if (!LoadDatabase(db, FRequest.DatabaseFile)) {
        FInteraction.Warn(db.ErrorMessage());
        FResult.Cancelled = true;
        return FResult;
    }
    if (!BeginOperation(folders)) {
        FResult.Cancelled = true;
        return FResult;
    }
    progress->SetPercent(5);
    if (!CopyAll(folders, *progress)) {
        TakeBackCancelled();
        return FResult;
    }
    FResult.Recorded = Record(db);
    if (!FOperation->Commit())
        UndoEverything();
    progress.reset();
    Report();
    return FResult;
}

bool InstallRun::ChooseHood() {
    // Exported families and areas go to UserData/Import whatever is chosen.
    const bool housesTicked = std::ranges::any_of(
        FRequest.Files, [](const TickedFile& file) { return IsHouseOrArea(file.Kind); });
    if (!housesTicked)
        return true;
    const HoodChoice choice = FInteraction.ChooseNeighbourhood(FRequest.GameFolder, FRequest.Packs);
    if (choice.Answer == HoodChoiceAnswer::Cancel)
        return false;
    if (choice.Answer == HoodChoiceAnswer::Continue)
        FHoodFolder = choice.HoodPath;
    return true;
}

// True when houses or areas were left out because their neighbourhood has no folder; each
// such file is given the target it would have had.
bool InstallRun::Plan(TargetFolders& folders) {
    const double now = ToDayCount(QDateTime::currentDateTime());
    bool hoodMissing = false;
    for (int i = 0; i < FRequest.Files.size(); ++i) {
        const TickedFile& file = FRequest.Files[i];
        const QString folder = folders.FolderFor(file.Kind);
        if (folder.isEmpty())
            continue;
        // A second archive entry of one name lies on disk under another.
        const QString name = BareFileName(file.DisplayName);
        if (folders.InMissingHood(file.Kind)) {
            FResult.Files[i].Target = QDir::toNativeSeparators(folder + name);
            hoodMissing = true;
            continue;
        }
        FPlan.append({.File = i, .Folder = folder, .Name = name, .InstalledAt = now});
    }
    return hoodMissing;
}

bool InstallRun::ConfirmFilesFromGameFolder() {
    const bool fromGameFolder = std::ranges::any_of(FPlan, [this](const PlannedCopy& copy) {
        // The name shown: an archive lying in the game folder counts, though its entries
        // are extracted elsewhere.
        return FGameFolder.Holds(FRequest.Files[copy.File].DisplayName);
    });
    return !fromGameFolder ||
           FInteraction.Ask(MessageKind::Confirmation,
                            FLanguage.GetString(QStringLiteral("InstallFromVocks")),
                            MessageButtons::YesNo) == MessageAnswer::Yes;
}

// Nothing is copied before the journal stands and files.iff's bytes are kept, so that a
// kill at any point can be undone.
bool InstallRun::BeginOperation(TargetFolders& folders) {
    OperationStart start{.DataFolder = QFileInfo(FRequest.DatabaseFile).absolutePath(),
                         .Kind = OperationKind::Install,
                         .Comment = FRequest.Files.value(0).Comment,
                         .FilesItMayMove = {},
                         .FilesItMayRewrite = {FRequest.DatabaseFile}};
    for (const PlannedCopy& copy : FPlan) {
        const QString existing = folders.ExistingEntry(copy.Folder, copy.Name);
        if (!existing.isEmpty())
            start.FilesItMayMove.append(copy.Folder + existing);
    }
    try {
        FOperation = std::make_unique<Operation>(start, FLanguage);
    } catch (const EPackwrightError& error) {
        FInteraction.Fail(error.Text());
        return false;
    }
    if (FOperation->Rewrite(FRequest.DatabaseFile))
        return true;
    ReportJournalError();
    return false;
}

// Without its commit line the operation is undone at once, records and all: nothing of
// this install remains, and the report must not say otherwise.
void InstallRun::UndoEverything() {
    ReportJournalError();
    TakeBack(InstallOutcome::Failed);
    FResult.Recorded = false;
}

// Cancel takes back every file copied so far, as recovery would after a crash: the game
// folder and files.iff are as they were before the install.
void InstallRun::TakeBackCancelled() {
    TakeBack(InstallOutcome::Skipped);
    FResult.Cancelled = true;
}

void InstallRun::TakeBack(InstallOutcome undone) {
    FOperation.reset();
    for (InstalledFileOutcome& outcome : FResult.Files) {
        if (outcome.Outcome == InstallOutcome::Installed ||
            outcome.Outcome == InstallOutcome::InPlace)
            outcome.Outcome = undone;
    }
    FResult.Count = 0;
}

void InstallRun::ReportJournalError() const {
    FInteraction.Fail(FOperation->JournalErrorText(FLanguage));
}

// False when the user cancelled before the last file.
bool InstallRun::CopyAll(TargetFolders& folders, ProgressHandle& progress) {
    const qsizetype total = FPlan.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (progress.CancelRequested())
            return false;
        PlannedCopy& copy = FPlan[i];
        InstalledFileOutcome& outcome = FResult.Files[copy.File];
        outcome.Outcome = CopyOne(folders, copy);
        outcome.Target = QDir::toNativeSeparators(copy.Folder + copy.Name);
        if (outcome.Outcome == InstallOutcome::Installed)
            ++FResult.Count;
        progress.SetPercent(5 + static_cast<int>((i + 1) * 90 / total));
    }
    return true;
}

InstallOutcome InstallRun::CopyOne(TargetFolders& folders, PlannedCopy& copy) {
    const QString& source = FRequest.Files[copy.File].SourcePath;
    QString existing = folders.ExistingEntry(copy.Folder, copy.Name);
    if (!existing.isEmpty())
        copy.Name = existing;
    if (SamePath(source, copy.Folder + copy.Name))
        return InstallOutcome::InPlace;
    if (!existing.isEmpty() && FAnswer != FileExistsAnswer::SkipAll &&
        FAnswer != FileExistsAnswer::OverwriteAll) {
        const FileExistsReply reply = FInteraction.AskFileExists(
            {.NewPath = QDir::toNativeSeparators(source),
             .ExistingPath = QDir::toNativeSeparators(copy.Folder + existing),
             .Message = {},
             .NewShownPath = FRequest.Files[copy.File].DisplayName});
        FAnswer = reply.Answer;
        if (FAnswer == FileExistsAnswer::Rename) {
            if (!ResolveRename(folders, copy, reply.NewName)) {
                ReportRenameRefused(copy, reply.NewName);
                return InstallOutcome::Skipped;
            }
            existing.clear();
        }
    }
    if (!existing.isEmpty() &&
        (FAnswer == FileExistsAnswer::Skip || FAnswer == FileExistsAnswer::SkipAll))
        return InstallOutcome::Skipped;
    // The file replaced goes to the keep folder first, and comes back when the copy fails.
    const QString target = copy.Folder + copy.Name;
    if (!FOperation->MakeFolders(copy.Folder) || !FOperation->Replace(target))
        return InstallOutcome::Failed;
    if (!PutInPlace(source, target)) {
        FOperation->UndoLastStep();
        return InstallOutcome::Failed;
    }
    folders.NoteWritten(copy.Folder, copy.Name);
    return InstallOutcome::Installed;
}

// An extracted file is the install's own and goes on being one: a second name for it costs
// nothing, where a copy writes every byte again. A copy is hashed as it is written, so that
// the commit need not read it back.
bool InstallRun::PutInPlace(const QString& source, const QString& target) {
    if (FExtractionFolder.Holds(source) && LinkFile(source, target))
        return true;
    ContentHash hash;
    const qint64 size = CopyFileReplacing(source, target, hash);
    if (size < 0)
        return false;
    FOperation->NoteWritten(target, size, hash.Result());
    return true;
}

// A new name is a bare file name that no file in the folder has yet, in any letter case;
// anything else would write over another file, so the file is skipped instead.
bool InstallRun::ResolveRename(TargetFolders& folders, PlannedCopy& copy, const QString& newName) {
    if (newName.isEmpty() || newName.contains(QLatin1Char('/')) ||
        newName.contains(QLatin1Char('\\')) ||
        !folders.ExistingEntry(copy.Folder, newName).isEmpty())
        return false;
    copy.Name = newName;
    return true;
}

void InstallRun::ReportRenameRefused(const PlannedCopy& copy, const QString& newName) const {
    QString text = FLanguage.GetString(QStringLiteral("RenameRefused"));
    text = ReplacePlaceholder(text, u"FileName", FRequest.Files[copy.File].DisplayName);
    FInteraction.Warn(ReplacePlaceholder(text, u"NewName", newName));
}

bool InstallRun::Record(InstalledFilesDb& db) const {
    QList<qsizetype> order(FPlan.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, {}, [this](qsizetype i) {
        return ContentKindValue(FRequest.Files[FPlan[i].File].Kind);
    });
    for (const qsizetype i : order) {
        const PlannedCopy& copy = FPlan[i];
        const InstalledFileOutcome& outcome = FResult.Files[copy.File];
        if (outcome.Outcome != InstallOutcome::Installed &&
            outcome.Outcome != InstallOutcome::InPlace)
            continue;
        db.Add(outcome.File.Kind, {.FileName = outcome.Target,
                                   .Comment = WithSingleBackslashes(outcome.File.Comment),
                                   .InstalledAt = copy.InstalledAt});
    }
    return db.Save(FInteraction);
}

void InstallRun::Report() const {
    QStringList failed;
    for (const InstalledFileOutcome& outcome : FResult.Files) {
        if (outcome.Outcome == InstallOutcome::Failed)
            failed.append(QDir::toNativeSeparators(outcome.File.DisplayName));
    }
    if (!failed.isEmpty())
        FInteraction.Warn(
            ReplacePlaceholder(FLanguage.GetString(QStringLiteral("InstallCopyFailed")),
                               u"FileNames", failed.join(QStringLiteral("\r\n"))));
    FInteraction.Inform(
        FResult.Count == 1
            ? FLanguage.GetString(QStringLiteral("SingleFileInstalled"))
            : ReplacePlaceholder(FLanguage.GetString(QStringLiteral("FilesInstalled")), u"Number",
                                 QString::number(FResult.Count)));
}
} // namespace

InstallResult InstallTickedFiles(const InstallRequest& request, const TLanguage& language,
                                 Interaction& interaction) {
    return InstallRun(request, language, interaction).Run();
}
