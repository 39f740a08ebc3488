#include "install/FileIntake.h"

#include "archive/ArchiveExtractor.h"
#include "archive/ArchiveOpening.h"
#include "common/CaselessName.h"
#include "common/DeferredInteraction.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "install/DeleteFolderTree.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <future>

namespace {
QString LowerExtension(const QString& path) {
    const QString name = BareFileName(path).toLower();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

// Inside an archive only ".txt" and ".nfo" files are readmes.
bool IsArchiveReadme(const QString& name) {
    const QString ext = LowerExtension(name);
    return ext == u".txt" || ext == u".nfo";
}

// "chair.iff" as the n-th file of its name: "chair (n).iff".
QString NumberedName(const QString& name, int n) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype cut = dot <= 0 ? name.size() : dot;
    return name.left(cut) + QStringLiteral(" (%1)").arg(n) + name.mid(cut);
}

// Lists a folder tree breadth first, hidden and system files included. A folder reached
// again through a symbolic link is not listed twice, so a link to a parent ends the walk.
QStringList FilesBelow(const QString& root) {
    QStringList files;
    QStringList work = {WithTrailingSeparator(root)};
    QSet<QString> seen;
    for (qsizetype i = 0; i < work.size(); ++i) {
        const QString canonical = QFileInfo(work[i]).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        const QFileInfoList entries = QDir(work[i]).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir())
                work.append(work[i] + entry.fileName() + u'/');
            else
                files.append(work[i] + entry.fileName());
        }
    }
    return files;
}
} // namespace

// What one archive left in its extraction folder.
struct FileIntake::Extraction {
    QString Folder;
    QList<ExtractedEntry> Written;
};

// The extraction of an archive still to come, on a thread of its own while the intake
// works on the one before: decompressing is most of an intake's time, and most processors
// have a second core. It never asks the user anything; one that would have to is thrown
// away and done again in its turn. Its messages wait for its turn too, so that they come
// in the order of the downloads.
class FileIntake::ExtractionAhead {
public:
    ExtractionAhead(const FileIntake& intake, QString archive, const QString& shownArchive)
        : FArchive(std::move(archive)),
          FDone(std::async(std::launch::async, [this, &intake, shownArchive] {
              return intake.Extract(FArchive, shownArchive, FUser);
          })) {}

    const QString& Archive() const { return FArchive; }

    // Waits for the extraction; nothing when it needed the user, its files then gone.
    std::optional<Extraction> Take(Interaction& user) {
        Extraction done = FDone.get();
        if (FUser.NeededUser()) {
            DeleteFolderTree(done.Folder);
            return std::nullopt;
        }
        FUser.ShowMessagesTo(user);
        return done;
    }

private:
    QString FArchive;
    DeferredInteraction FUser;
    // Last: destroying it waits for the thread, which uses the members above.
    std::future<Extraction> FDone;
};

FileIntake::FileIntake(Interaction& user, const TLanguage& language, const PackFlags& packs,
                       QString tempFolder)
    : FUser(user), FLanguage(language), FTempFolder(WithTrailingSeparator(tempFolder)),
      FClassifier(packs) {}

FileIntake::~FileIntake() = default;

void FileIntake::SelectFiles(QStringList paths) {
    std::unique_ptr<ProgressHandle> progress =
        FUser.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    progress->SetMessage(FLanguage.GetString(QStringLiteral("ReadingFiles")));
    ExpandFolders(paths);
    progress->SetPercent(5);
    const auto cancelled = [&progress] { return progress->CancelRequested(); };
    // Where a cancelled intake stops; nothing it extracted stays behind.
    const auto stop = [this] {
        FAhead.reset();
        FCancelled = true;
        EmptyTempFolder(FTempFolder);
    };
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (cancelled()) {
            stop();
            return;
        }
        ExtractAhead(paths, i + 1);
        HandleInput(paths[i], paths);
        progress->SetPercent(5 + static_cast<int>((i + 1) * 85 / paths.size()));
    }
    const bool judged = FClassifier.ClassifyBitmaps(
        FUser, FLanguage,
        [&](double share) { progress->SetPercent(90 + static_cast<int>(share * 7)); }, cancelled);
    if (!judged) {
        stop();
        return;
    }
    progress->SetPercent(97);
}

QList<ReadmeFile> FileIntake::Readmes() const {
    QList<ReadmeFile> sorted = FReadmes;
    std::ranges::stable_sort(sorted, [](const ReadmeFile& a, const ReadmeFile& b) {
        return a.Name.compare(b.Name, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

// A file given twice (itself and in its folder, or through a link) is taken once, under
// the path it was first given by.
void FileIntake::ExpandFolders(QStringList& paths) {
    QStringList files;
    for (const QString& path : std::as_const(paths)) {
        if (QFileInfo(path).isDir())
            files.append(FilesBelow(path));
        else
            files.append(path);
    }
    QSet<QString> seen;
    paths.clear();
    for (const QString& file : std::as_const(files)) {
        const QString canonical = QFileInfo(file).canonicalFilePath();
        if (!seen.contains(canonical.isEmpty() ? file : canonical)) {
            seen.insert(canonical.isEmpty() ? file : canonical);
            paths.append(file);
        }
    }
}

// Names the entries an extraction meets on disk, in archive order: each wanted entry by its
// bare name, or by a numbered one ("chair (2).iff") when an earlier entry took that name, so
// that no entry overwrites another; the user is told which two entries share a name.
class FileIntake::EntryNames {
public:
    EntryNames(const FileIntake& intake, QString shownArchive, Interaction& user)
        : FIntake(intake), FShownArchive(std::move(shownArchive)), FUser(user) {}

    std::optional<QString> Choose(const ArchiveEntry& entry, const QString& name) {
        if (!(IsArchiveReadme(name) || IsArchiveName(name) ||
              FileClassifier::IsHandledType(name, FIntake.FClassifier.Packs())))
            return std::nullopt;
        QString onDisk = name;
        for (int n = 2; FTaken.contains(onDisk); ++n)
            onDisk = NumberedName(name, n);
        FTaken.insert(onDisk);
        const auto first = FFirstOfName.constFind(name);
        if (first == FFirstOfName.constEnd())
            FFirstOfName.insert(name, entry.Name);
        else
            ReportSameName(*first, entry.Name);
        return onDisk;
    }

private:
    void ReportSameName(const QString& first, const QString& second) const {
        QString text = FIntake.FLanguage.GetString(QStringLiteral("ZipSameName"));
        text = ReplacePlaceholder(text, u"FileName", FShownArchive);
        text = ReplacePlaceholder(text, u"First", first);
        text = ReplacePlaceholder(text, u"Second", second);
        FUser.Inform(text);
    }

    const FileIntake& FIntake;
    QString FShownArchive;
    Interaction& FUser;
    QSet<CaselessName> FTaken;
    QHash<CaselessName, QString> FFirstOfName;
};

void FileIntake::HandleInput(const QString& path, QStringList& paths) {
    const QString ext = LowerExtension(path);
    if (IsArchiveName(path))
        HandleArchive(path, paths);
    else if (ext == u".txt" || ext == u".nfo" || ext == u".diz")
        FReadmes.append({QDir::toNativeSeparators(path), path});
    else
        FClassifier.CheckFileType(path, QDir::toNativeSeparators(path));
}

void FileIntake::HandleArchive(const QString& archive, QStringList& paths) {
    const QString shown = ShownPath(archive);
    if (TooDeep(archive)) {
        FUser.Warn(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ZipTooDeep")),
                                      u"FileName", shown));
        return;
    }
    const int depth = FArchiveDepth.value(archive);
    for (const ExtractedEntry& entry : TakeOrExtract(archive, shown).Written)
        TakeExtracted(shown, entry.FileName, entry.Path, depth, paths);
}

bool FileIntake::TooDeep(const QString& archive) const {
    return FArchiveDepth.value(archive) > MaxArchiveDepth;
}

// Reads only what no other thread changes: the language, the packs, the temporary folder.
FileIntake::Extraction FileIntake::Extract(const QString& archive, const QString& shownArchive,
                                           Interaction& user) const {
    const QString folder = MakeExtractFolder(archive);
    ArchiveExtractor extractor(user, ArchiveMessages::FromLanguage(FLanguage));
    extractor.SetPasswordReqCount(PasswordReqCount);
    EntryNames names(*this, shownArchive, user);
    Extraction done{.Folder = folder,
                    .Written =
                        extractor.Extract(archive, shownArchive, folder,
                                          [&](const ArchiveEntry& entry, const QString& name) {
                                              return names.Choose(entry, name);
                                          })};
    // An archive that gave nothing leaves no folder behind.
    QDir().rmdir(folder);
    return done;
}

FileIntake::Extraction FileIntake::TakeOrExtract(const QString& archive,
                                                 const QString& shownArchive) {
    if (FAhead && FAhead->Archive() == archive) {
        std::optional<Extraction> done = FAhead->Take(FUser);
        FAhead.reset();
        if (done)
            return std::move(*done);
    }
    return Extract(archive, shownArchive, FUser);
}

// Starts extracting the next archive to come, unless one is still under way or waits for
// its turn: one ahead keeps both cores busy without asking more of the disk.
void FileIntake::ExtractAhead(const QStringList& paths, qsizetype from) {
    if (FAhead || QThread::idealThreadCount() < 2)
        return;
    for (qsizetype i = from; i < paths.size(); ++i) {
        if (IsArchiveName(paths[i]) && !TooDeep(paths[i])) {
            FAhead = std::make_unique<ExtractionAhead>(*this, paths[i], ShownPath(paths[i]));
            return;
        }
    }
}

void FileIntake::TakeExtracted(const QString& shownArchive, const QString& name,
                               const QString& source, int depth, QStringList& paths) {
    const QString display = ArchiveEntryDisplayName(shownArchive, name);
    if (IsArchiveReadme(name)) {
        FReadmes.append({display, source});
    } else if (IsArchiveName(name)) {
        FArchiveDepth.insert(source, depth + 1);
        FShownPaths.insert(source, display);
        paths.append(source);
    } else {
        FClassifier.CheckFileType(source, display);
    }
}

QString FileIntake::ShownPath(const QString& path) const {
    return FShownPaths.value(path, QDir::toNativeSeparators(path));
}

QString FileIntake::MakeExtractFolder(const QString& archive) const {
    const QString base = FTempFolder + BareFileName(archive);
    QString folder = base;
    for (int n = 0; !QDir().mkdir(folder) && n <= 100; ++n)
        folder = base + QString::number(n);
    return WithTrailingSeparator(folder);
}

QString ArchiveEntryDisplayName(const QString& shownArchive, const QString& entryFileName) {
    return shownArchive + QDir::separator() + entryFileName;
}

bool EmptyTempFolder(const QString& folder) {
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return DeleteFolderTree(folder) && QDir().mkdir(folder, ownerOnly);
}
