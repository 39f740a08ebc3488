#pragma once

#include "fileutil/FileAttributes.h"
#include "fileutil/PlatformFileSystem.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// What a search found or a copy wrote.
struct TFilesResult {
    qint64 TotalSize = 0;
    int DirCount = 0;
    int FileCount = 0;
    QStringList Files;
};

// Lists the files and sub-folders of a folder, or of its whole tree, filtered by a mask and
// by attributes, and copies or moves what it finds. Paths use "/"; folders listed by the
// sub-folder search end in "/", entries listed by the file search do not. Every search and
// copy replaces the result, so callers copy Files() before the next one.
class TFiles : public QObject {
    Q_OBJECT

public:
    explicit TFiles(QObject* owner = nullptr);

    const QString& Directory() const { return FDirectory; }
    void SetDirectory(const QString& directory) { FDirectory = directory; }
    const QString& FileMask() const { return FFileMask; }
    void SetFileMask(const QString& mask) { FFileMask = mask; }
    FindFilesSet Find() const { return FFind; }
    void SetFind(FindFilesSet find) { FFind = find; }
    bool Recursive() const { return FRecursive; }
    void SetRecursive(bool recursive) { FRecursive = recursive; }
    bool Overwrite() const { return FOverwrite; }
    void SetOverwrite(bool overwrite) { FOverwrite = overwrite; }
    int Progress() const { return FProgress; }
    void SetProgress(int progress);
    // Whether a recursive search walks into folders that links lead to outside the tree of
    // the searched folder; the links themselves are listed either way.
    bool FollowLinksOut() const { return FFollowLinksOut; }
    void SetFollowLinksOut(bool follow) { FFollowLinksOut = follow; }

    qint64 TotalSize() const { return FResult.TotalSize; }
    int DirCount() const { return FResult.DirCount; }
    int FileCount() const { return FResult.FileCount; }
    const QStringList& Files() const { return FResult.Files; }

    void Clear();

    // Sub-folders of the path (of its whole tree when Recursive), breadth-first, each with
    // a trailing "/"; folder names are matched against FileMask. The path itself is not
    // listed, and a folder reached again through a link is listed once and walked once.
    void FindSubDirs();
    void FindSubDirs(const QString& path);
    // Adds the matching sub-folders of one folder to Files without clearing, whatever
    // earlier searches listed.
    void FindSubDirsIn(const QString& path);

    // Entries of the pattern's folder ("folder/mask"; the current folder for a bare mask),
    // and of every folder below it when Recursive, that match the mask and the Find filter:
    // first the start folder's, then each sub-folder's in the order FindSubDirs lists them. A link
    // to a folder already walked is listed as an entry but not walked again.
    void FindFiles();
    void FindFiles(const QString& pattern);
    // Called by FindFiles after each folder it lists, with the folders listed so far and
    // those known so far, so that a long walk can show that it is moving.
    using FolderListedListener = std::function<void(qsizetype listed, qsizetype known)>;
    void SetFolderListedListener(FolderListedListener listener) {
        FFolderListed = std::move(listener);
    }
    // Called by FindFiles for every entry it adds to Files, with its path, the path as the
    // disk spells it when the text does not (else empty), and what the system told of it.
    using EntryListedListener = std::function<void(
        const QString& path, const QByteArray& nativePath, const FolderEntry& entry)>;
    void SetEntryListedListener(EntryListedListener listener) {
        FEntryListed = std::move(listener);
    }
    // Asked by FindFiles before it lists each folder; once it says stop, the walk ends
    // there with what it found so far.
    using StopRequested = std::function<bool()>;
    void SetStopRequested(StopRequested stop) { FStopRequested = std::move(stop); }

    // Copy or move what the pattern finds into the destination folder, keeping the tree
    // below the pattern's folder. Nothing happens when either folder is missing or not an
    // absolute path; when the destination lacks the space for the found files,
    // OnNoDiskSpace is raised and nothing is copied. The result then lists the files
    // written and the folders made or already there.
    void CopyFiles(const QString& destination);
    void CopyFiles(const QString& sourcePattern, const QString& destination);
    void MoveFiles(const QString& destination);
    void MoveFiles(const QString& sourcePattern, const QString& destination);
    void CopyMoveFiles(const QString& sourcePattern, const QString& destination, bool move);

    // Copies or moves one file, keeping its modification time and attributes; a relative
    // source is taken from Directory. Returns the bytes copied, or -1 when the source is
    // missing, the destination may not be replaced, or the copy fails.
    qint64 CopyFile(const QString& source, const QString& destination);
    qint64 MoveFile(const QString& source, const QString& destination);
    qint64 CopyMoveFile(const QString& source, const QString& destination, bool move);

Q_SIGNALS:
    void OnNoDiskSpace(TFiles* sender);
    // Raised before an existing destination is replaced; the handler may change the name
    // written to and the decision, which starts as Overwrite().
    void OnOverwrite(TFiles* sender, const QString& source, QString& fileName,
                     bool& canOverwriteItem);
    void OnProgressChange(TFiles* sender);

private:
    void NormaliseProperties();
    void NormaliseMask();
    QString DirectoryPattern();
    void MarkWalked(const QString& folder);
    // Appends the matching sub-folders of one folder not walked yet in this search.
    void AddSubDirsOf(const QString& path);
    // Whether the entry is a sub-folder to walk: a folder that matches FileMask and has not
    // been walked yet; it counts as walked from now on.
    bool TakeSubFolder(const FolderEntry& entry);
    // Whether a link leads out of the tree being searched when that is not to be followed.
    bool LeadsOut(const QString& path, const FolderEntry& entry) const;
    void AddIfMatching(const QString& path, const QByteArray& nativePath, const FolderEntry& entry,
                       const QString& mask);
    void CopyFoundEntry(const QString& sourceFolder, const QString& relativePath,
                        const QString& destination, bool move, TFilesResult& written);
    // CopyMoveFile that leaves in destination the name the copy was written to.
    qint64 CopyMoveFileTo(QString source, QString& destination, bool move);

    QString FDirectory;
    QString FFileMask = QStringLiteral("*.*");
    FindFilesSet FFind;
    bool FRecursive = false;
    bool FOverwrite = false;
    bool FFollowLinksOut = true;
    int FProgress = 0;
    TFilesResult FResult;
    QSet<FolderKey> FWalkedFolders;
    FolderListedListener FFolderListed;
    EntryListedListener FEntryListed;
    StopRequested FStopRequested;
    // The folder a search stays in when links out are not followed.
    QString FSearchRoot;
};
