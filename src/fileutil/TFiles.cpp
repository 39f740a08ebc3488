#include "fileutil/TFiles.h"

#include "common/PathRules.h"
#include "fileutil/FileCopy.h"
#include "fileutil/FileMask.h"
#include "fileutil/PathInside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
QString Slashed(const QString& path) {
    return QDir::fromNativeSeparators(path);
}

// An empty folder text means the current folder; every folder text ends in a separator.
QString FolderWithSeparator(const QString& path) {
    return WithTrailingSeparator(path.isEmpty() ? QDir::currentPath() : Slashed(path));
}

struct SearchPattern {
    QString Folder; // up to and including the last "/"; empty for a bare mask
    QString Mask;
};

SearchPattern SplitPattern(const QString& pattern) {
    const QString slashed = Slashed(pattern);
    const qsizetype cut = slashed.lastIndexOf(u'/') + 1;
    return {slashed.left(cut), slashed.mid(cut)};
}

// The free space of every destination is asked for, network folders included. An amount
// the system cannot tell does not stop the copy: each file still fails cleanly when the
// disk fills.
bool LacksSpaceFor(const QString& folder, qint64 bytes) {
    const qint64 available = QStorageInfo(folder).bytesAvailable();
    return available >= 0 && available < bytes;
}
} // namespace

TFiles::TFiles(QObject* owner) : QObject(owner) {}

void TFiles::SetProgress(int progress) {
    FProgress = progress;
    Q_EMIT OnProgressChange(this);
}

void TFiles::Clear() {
    FResult = TFilesResult();
    FWalkedFolders.clear();
}

void TFiles::NormaliseProperties() {
    FDirectory = FolderWithSeparator(FDirectory);
    NormaliseMask();
}

void TFiles::NormaliseMask() {
    if (FFileMask.isEmpty())
        FFileMask = QStringLiteral("*.*");
}

QString TFiles::DirectoryPattern() {
    NormaliseProperties();
    return FDirectory + FFileMask;
}

void TFiles::FindSubDirs() {
    NormaliseProperties();
    FindSubDirs(FDirectory);
}

void TFiles::FindSubDirs(const QString& path) {
    Clear();
    const QString start = FolderWithSeparator(path);
    MarkWalked(start);
    AddSubDirsOf(start);
    // Folders found on the way are appended and walked in turn, which makes the walk
    // breadth-first. The folder is copied because walking it appends to the list.
    for (qsizetype i = 0; FRecursive && i < FResult.Files.size(); ++i) {
        const QString folder = FResult.Files[i];
        AddSubDirsOf(folder);
    }
}

void TFiles::FindSubDirsIn(const QString& path) {
    // A search of its own: folders an earlier search walked are listed again.
    FWalkedFolders.clear();
    AddSubDirsOf(path);
}

void TFiles::AddSubDirsOf(const QString& path) {
    NormaliseMask();
    const QString folder = FolderWithSeparator(path);
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (TakeSubFolder(entry)) {
            FResult.Files.append(folder + entry.Name + u'/');
            ++FResult.DirCount;
        }
    }
}

void TFiles::MarkWalked(const QString& folder) {
    if (const std::optional<FolderKey> key = KeyOfFolder(folder))
        FWalkedFolders.insert(*key);
}

bool TFiles::TakeSubFolder(const FolderEntry& entry) {
    if (!entry.Attributes.testFlag(ffDirectory) || !MatchesFileMask(entry.Name, FFileMask))
        return false;
    // A folder seen before was reached through a link: walking it again could loop.
    if (entry.Key) {
        if (FWalkedFolders.contains(*entry.Key))
            return false;
        FWalkedFolders.insert(*entry.Key);
    }
    return true;
}

bool TFiles::LeadsOut(const QString& path, const FolderEntry& entry) const {
    return entry.IsLink && !FSearchRoot.isEmpty() && !LiesInside(path, FSearchRoot);
}

void TFiles::FindFiles() {
    FindFiles(DirectoryPattern());
}

void TFiles::FindFiles(const QString& pattern) {
    const SearchPattern search = SplitPattern(pattern);
    Clear();
    NormaliseMask();
    // A bare mask searches the current folder, named in full like the folders below it; a
    // folder whose name the disk spells otherwise than its text is listed by those bytes.
    struct Folder {
        QString Path;
        QByteArray NativePath;
    };
    QList<Folder> folders{{FolderWithSeparator(search.Folder), {}}};
    FSearchRoot = FFollowLinksOut ? QString() : folders.first().Path;
    if (FRecursive)
        MarkWalked(folders.first().Path);
    // One listing per folder gives its entries and the sub-folders still to walk; walking
    // those in the order found lists the tree breadth-first, in FindSubDirs' order.
    for (qsizetype i = 0; i < folders.size() && !(FStopRequested && FStopRequested()); ++i) {
        const Folder folder = folders[i];
        for (const FolderEntry& entry : ListFolder(folder.Path, folder.NativePath)) {
            const QString path = folder.Path + entry.Name;
            // Nearly every name is spelt by its text; only the others need their bytes.
            const QByteArray nativePath =
                folder.NativePath.isEmpty() && entry.NativeName.isEmpty()
                    ? QByteArray()
                    : NativeChildPath(folder.Path, folder.NativePath, entry);
            if (FRecursive && !LeadsOut(path, entry) && TakeSubFolder(entry))
                folders.append(
                    {path + u'/', nativePath.isEmpty() ? QByteArray() : nativePath + '/'});
            AddIfMatching(path, nativePath, entry, search.Mask);
        }
        if (FFolderListed)
            FFolderListed(i + 1, folders.size());
    }
}

void TFiles::AddIfMatching(const QString& path, const QByteArray& nativePath,
                           const FolderEntry& entry, const QString& mask) {
    if (!MatchesFileMask(entry.Name, mask) || !PassesAttributeFilter(entry.Attributes, FFind))
        return;
    FResult.Files.append(path);
    if (FEntryListed)
        FEntryListed(path, nativePath, entry);
    if (entry.Attributes.testFlag(ffDirectory)) {
        ++FResult.DirCount;
    } else {
        ++FResult.FileCount;
        FResult.TotalSize += entry.Size;
    }
}

void TFiles::CopyFiles(const QString& destination) {
    CopyMoveFiles(DirectoryPattern(), destination, false);
}

void TFiles::CopyFiles(const QString& sourcePattern, const QString& destination) {
    CopyMoveFiles(sourcePattern, destination, false);
}

void TFiles::MoveFiles(const QString& destination) {
    CopyMoveFiles(DirectoryPattern(), destination, true);
}

void TFiles::MoveFiles(const QString& sourcePattern, const QString& destination) {
    CopyMoveFiles(sourcePattern, destination, true);
}

void TFiles::CopyMoveFiles(const QString& sourcePattern, const QString& destination, bool move) {
    const QString target = WithTrailingSeparator(Slashed(destination));
    const SearchPattern source = SplitPattern(sourcePattern);
    if (!QDir::isAbsolutePath(target) || !QDir::isAbsolutePath(source.Folder) ||
        !QFileInfo(target).isDir() || !QFileInfo(source.Folder).isDir())
        return;
    FindFiles(sourcePattern);
    if (LacksSpaceFor(target, FResult.TotalSize)) {
        Q_EMIT OnNoDiskSpace(this);
        return;
    }
    // The search lists each folder before the entries inside it, so folders are made
    // before the files that go into them.
    const QStringList found = FResult.Files;
    TFilesResult written;
    for (const QString& path : found)
        CopyFoundEntry(source.Folder, path.mid(source.Folder.size()), target, move, written);
    FResult = std::move(written);
}

void TFiles::CopyFoundEntry(const QString& sourceFolder, const QString& relativePath,
                            const QString& destination, bool move, TFilesResult& written) {
    const QFileInfo source(sourceFolder + relativePath);
    QString target = destination + relativePath;
    if (source.isFile()) {
        const qint64 copied = CopyMoveFileTo(source.filePath(), target, move);
        if (copied < 0)
            return;
        written.TotalSize += copied;
        ++written.FileCount;
        written.Files.append(target);
    } else if (source.isDir() && (QFileInfo(target).isDir() || QDir().mkdir(target))) {
        ++written.DirCount;
    }
}

qint64 TFiles::CopyFile(const QString& source, const QString& destination) {
    return CopyMoveFile(source, destination, false);
}

qint64 TFiles::MoveFile(const QString& source, const QString& destination) {
    return CopyMoveFile(source, destination, true);
}

qint64 TFiles::CopyMoveFile(const QString& source, const QString& destination, bool move) {
    QString target = destination;
    return CopyMoveFileTo(source, target, move);
}

qint64 TFiles::CopyMoveFileTo(QString source, QString& destination, bool move) {
    source = Slashed(source);
    destination = Slashed(destination);
    if (!QDir::isAbsolutePath(source)) {
        NormaliseProperties();
        source.prepend(FDirectory);
    }
    if (!QFileInfo(source).isFile())
        return -1;
    if (QFileInfo::exists(destination)) {
        bool canOverwrite = FOverwrite;
        Q_EMIT OnOverwrite(this, source, destination, canOverwrite);
        if (!canOverwrite)
            return -1;
    }
    const qint64 copied = CopyFileReplacing(source, destination);
    // A source that cannot be deleted after a complete copy is left; the copy stands.
    if (copied >= 0 && move)
        QFile::remove(source);
    return copied;
}
