#include "fileutil/PlatformFileSystem.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

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

FolderEntry EntryOf(const char* name, const struct stat& info) {
    FolderEntry entry;
    entry.Name = QFile::decodeName(name);
    entry.Attributes = AttributesOf(name, info);
    if (S_ISDIR(info.st_mode))
        entry.Key = FolderKey{quint64(info.st_dev), quint64(info.st_ino)};
    else
        entry.Size = info.st_size;
    return entry;
}
} // namespace

QList<FolderEntry> ListFolder(const QString& folder) {
    const std::unique_ptr<DIR, DirCloser> dir(opendir(NativeFolderPath(folder).constData()));
    if (!dir)
        return {};
    QList<FolderEntry> entries;
    // One stat per entry relative to the open folder: the kernel resolves only the name.
    while (const dirent* item = readdir(dir.get())) {
        struct stat info;
        if (IsDotOrDotDot(item->d_name) || fstatat(dirfd(dir.get()), item->d_name, &info, 0) != 0)
            continue;
        entries.append(EntryOf(item->d_name, info));
    }
    return entries;
}

std::optional<FolderKey> KeyOfFolder(const QString& folder) {
    struct stat info;
    if (stat(NativeFolderPath(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderKey{quint64(info.st_dev), quint64(info.st_ino)};
}

bool CopyAttributes(const QString& source, const QString& target) {
    struct stat info;
    return stat(QFile::encodeName(source).constData(), &info) == 0 &&
           chmod(QFile::encodeName(target).constData(), info.st_mode & 0777) == 0;
}
