#include "install/FileIntake.h"

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

void FileIntake::ExpandFolders(QStringList& paths) {
    QStringList files;
    for (const QString& path : std::as_const(paths)) {
        if (QFileInfo(path).isDir())
            files.append(FilesBelow(path));
        else
            files.append(path);
    }
    paths = files;
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
    QStringList wanted;
    for (int i = 0; i < zip.GetCount(); ++i) {
        const QString& stored = zip.GetDirEntry(i).FileName;
        const std::optional<QString> name = ZipEntryFileName(stored);
        if (!name || !(IsArchiveReadme(*name) || LowerExtension(*name) == u".zip" ||
                       FileClassifier::IsHandledType(*name, FClassifier.Packs())))
            continue;
        zip.FSpecArgs().append(stored);
        wanted.append(*name);
    }
    zip.Extract();
    // Only what was written is taken: an entry left out (a cancelled password, damaged
    // data) would otherwise show in the tree and fail at install.
    for (const QString& name : std::as_const(wanted)) {
        const QString source = folder + name;
        if (!QFileInfo::exists(source))
            continue;
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
