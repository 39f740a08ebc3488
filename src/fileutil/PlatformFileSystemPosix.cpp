#include "common/TextDecoding.h"
#include "fileutil/DiskPath.h"
#include "fileutil/PlatformFileSystem.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// Outside Windows a name with a leading "." is hidden, a file that nobody may write is
// read-only, and every file that is not a folder carries the archive bit, as a file does
// on Windows once written. There are no system files or volume labels.

namespace {
struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

FindFilesSet AttributesOf(const char* name, const struct stat& info) {
    FindFilesSet attributes = S_ISDIR(info.st_mode) ? ffDirectory : ffArchive;
    if (name[0] == '.')
        attributes |= ffHidden;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attributes |= ffReadOnly;
    return attributes;
}

QByteArray NativeFolderPath(const QString& folder) {
    return QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
}

bool IsAscii(QByteArrayView bytes) {
    return std::ranges::all_of(bytes, [](char byte) { return (byte & 0x80) == 0; });
}

// Names are shown as the game's texts are decoded; one the system's encoding would spell
// differently keeps its own bytes, so that it can still be reached.
void NameEntry(FolderEntry& entry, const char* name) {
    const QByteArrayView bytes(name);
    if (IsAscii(bytes)) {
        entry.Name = QString::fromLatin1(bytes);
        return;
    }
    entry.Name = Decode8BitText(bytes.toByteArray());
    if (QFile::encodeName(entry.Name) != bytes)
        entry.NativeName = bytes.toByteArray();
}

FolderEntry EntryOf(const char* name, const struct stat& info) {
    FolderEntry entry;
    NameEntry(entry, name);
    entry.Attributes = AttributesOf(name, info);
    entry.IsRegularFile = S_ISREG(info.st_mode);
    if (S_ISDIR(info.st_mode))
        entry.Key = FolderKey{quint64(info.st_dev), quint64(info.st_ino)};
    else {
        entry.Size = info.st_size;
        entry.ModifiedMSecs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000;
    }
    return entry;
}
} // namespace

QList<FolderEntry> ListFolder(const QString& folder, const QByteArray& nativeFolder) {
    const std::unique_ptr<DIR, DirCloser> dir(opendir(
        nativeFolder.isEmpty() ? NativeFolderPath(folder).constData() : nativeFolder.constData()));
    if (!dir)
        return {};
    QList<FolderEntry> entries;
    // One stat per entry relative to the open folder: the kernel resolves only the name. A
    // link takes a second one, for what it points to.
    while (const dirent* item = readdir(dir.get())) {
        struct stat info;
        if (IsDotOrDotDot(item->d_name) ||
            fstatat(dirfd(dir.get()), item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const bool link = S_ISLNK(info.st_mode);
        if (link && fstatat(dirfd(dir.get()), item->d_name, &info, 0) != 0)
            continue;
        entries.append(EntryOf(item->d_name, info));
        entries.last().IsLink = link;
    }
    return entries;
}

QByteArray NativeChildPath(const QString& folder, const QByteArray& nativeFolder,
                           const FolderEntry& entry) {
    if (nativeFolder.isEmpty() && entry.NativeName.isEmpty())
        return {};
    const QByteArray parent = nativeFolder.isEmpty() ? QFile::encodeName(folder) : nativeFolder;
    const QByteArray name =
        entry.NativeName.isEmpty() ? QFile::encodeName(entry.Name) : entry.NativeName;
    return parent.endsWith('/') ? parent + name : parent + '/' + name;
}

QDateTime ModifiedAt(const QString& path, const QByteArray& nativePath) {
    struct stat info;
    const QByteArray bytes = nativePath.isEmpty() ? QFile::encodeName(path) : nativePath;
    if (bytes.isEmpty() || stat(bytes.constData(), &info) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000 +
                                          info.st_mtim.tv_nsec / 1'000'000);
}

std::optional<FolderKey> KeyOfFolder(const QString& folder) {
    struct stat info;
    if (stat(NativeFolderPath(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderKey{quint64(info.st_dev), quint64(info.st_ino)};
}

bool CopyAttributes(const QString& source, const QString& target) {
    struct stat info;
    return stat(DiskPathOf(source).c_str(), &info) == 0 &&
           chmod(DiskPathOf(target).c_str(), info.st_mode & 0777) == 0;
}
