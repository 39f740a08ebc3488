#include "install/FileIntake.h"

#include "common/CaselessName.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "install/DeleteFolderTree.h"
#include "install/TZipBuilder.h"
#include "install/ZipEntryName.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

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

FileIntake::FileIntake(Interaction& user, const TLanguage& language, const PackFlags& packs,
                       QString tempFolder)
    : FUser(user), FLanguage(language), FTempFolder(WithTrailingSeparator(tempFolder)),
      FClassifier(packs) {}

void FileIntake::SelectFiles(QStringList paths) {
    std::unique_ptr<ProgressHandle> progress =
        FUser.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    progress->SetMessage(FLanguage.GetString(QStringLiteral("ReadingFiles")));
    ExpandFolders(paths);
    progress->SetPercent(5);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // Where a cancelled intake stops; nothing it extracted stays behind.
        if (progress->CancelRequested()) {
            FCancelled = true;
            EmptyTempFolder(FTempFolder);
            return;
        }
        HandleInput(paths[i], paths);
        progress->SetPercent(5 + static_cast<int>((i + 1) * 85 / paths.size()));
    }
    FClassifier.ClassifyBitmaps(FUser, FLanguage, [&](double share) {
        progress->SetPercent(90 + static_cast<int>(share * 7));
    });
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

void FileIntake::HandleInput(const QString& path, QStringList& paths) {
    const QString ext = LowerExtension(path);
    if (ext == u".zip")
        HandleArchive(path, paths);
    else if (ext == u".txt" || ext == u".nfo" || ext == u".diz")
        FReadmes.append({QDir::toNativeSeparators(path), path});
    else
        FClassifier.CheckFileType(path, QDir::toNativeSeparators(path));
}

void FileIntake::HandleArchive(const QString& archive, QStringList& paths) {
    const int depth = FArchiveDepth.value(archive);
    if (depth > MaxArchiveDepth) {
        FUser.Warn(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("ZipTooDeep")),
                                      u"FileName", QDir::toNativeSeparators(archive)));
        return;
    }
    TZipBuilder zip(FUser);
    zip.SetMessages(ZipMessages::FromLanguage(FLanguage));
    zip.SetZipFileName(archive);
    if (zip.GetCount() == 0)
        return;
    const QString folder = MakeExtractFolder(archive);
    zip.SetExtrOptions(ExtrOption::ExtrOverWrite);
    zip.SetExtrBaseDir(folder);
    const QList<WantedEntry> wanted = WantedEntries(zip);
    for (const WantedEntry& entry : wanted) {
        zip.FSpecArgs().append(zip.GetDirEntry(entry.Index).FileName);
        if (entry.OnDisk != entry.Name)
            zip.SetExtractName(entry.Index, entry.OnDisk);
    }
    zip.Extract();
    // Only what was written is taken: an entry left out (a cancelled password, damaged
    // data) would otherwise show in the tree and fail at install.
    for (const WantedEntry& entry : wanted) {
        const QString source = folder + entry.OnDisk;
        if (QFileInfo::exists(source))
            TakeExtracted(archive, entry.Name, source, depth, paths);
    }
}

// The entries intake extracts, each with a name on disk of its own: a later entry of a file
// name already taken (from another folder of the archive) gets a number, "chair (2).iff",
// and the user is told which two entries share the name.
QList<FileIntake::WantedEntry> FileIntake::WantedEntries(const TZipBuilder& zip) {
    QList<WantedEntry> wanted;
    QSet<CaselessName> taken;
    for (int i = 0; i < zip.GetCount(); ++i) {
        const std::optional<QString> name = ZipEntryFileName(zip.GetDirEntry(i).FileName);
        if (!name || !(IsArchiveReadme(*name) || LowerExtension(*name) == u".zip" ||
                       FileClassifier::IsHandledType(*name, FClassifier.Packs())))
            continue;
        wanted.append({i, *name, *name});
        taken.insert(*name);
    }
    QHash<CaselessName, int> firstOfName;
    for (WantedEntry& entry : wanted) {
        const auto first = firstOfName.constFind(entry.Name);
        if (first == firstOfName.constEnd()) {
            firstOfName.insert(entry.Name, entry.Index);
            continue;
        }
        for (int n = 2; taken.contains(entry.OnDisk); ++n)
            entry.OnDisk = NumberedName(entry.Name, n);
        taken.insert(entry.OnDisk);
        ReportSameName(zip, *first, entry.Index);
    }
    return wanted;
}

void FileIntake::ReportSameName(const TZipBuilder& zip, int first, int second) {
    QString text = FLanguage.GetString(QStringLiteral("ZipSameName"));
    text = ReplacePlaceholder(text, u"FileName", QDir::toNativeSeparators(zip.ZipFileName()));
    text = ReplacePlaceholder(text, u"First", zip.GetDirEntry(first).FileName);
    text = ReplacePlaceholder(text, u"Second", zip.GetDirEntry(second).FileName);
    FUser.Inform(text);
}

void FileIntake::TakeExtracted(const QString& archive, const QString& name, const QString& source,
                               int depth, QStringList& paths) {
    const QString display = ArchiveEntryDisplayName(archive, name);
    if (IsArchiveReadme(name)) {
        FReadmes.append({display, source});
    } else if (LowerExtension(name) == u".zip") {
        FArchiveDepth.insert(source, depth + 1);
        paths.append(source);
    } else {
        FClassifier.CheckFileType(source, display);
    }
}

QString FileIntake::MakeExtractFolder(const QString& archive) const {
    const QString base = FTempFolder + BareFileName(archive);
    QString folder = base;
    for (int n = 0; !QDir().mkdir(folder) && n <= 100; ++n)
        folder = base + QString::number(n);
    return WithTrailingSeparator(folder);
}

QString ArchiveEntryDisplayName(const QString& archive, const QString& entryFileName) {
    return QDir::toNativeSeparators(archive) + QDir::separator() + entryFileName;
}

bool EmptyTempFolder(const QString& folder) {
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    return DeleteFolderTree(folder) && QDir().mkdir(folder, ownerOnly);
}
