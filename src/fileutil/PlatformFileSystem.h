#pragma once

#include "fileutil/FileAttributes.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// What the file finder asks of the operating system, one implementation per system family.

// Where a folder really lives (device and inode, or volume and file index), so that a walk
// recognises a folder it reaches a second time through a link.
struct FolderKey {
    quint64 Device = 0;
    quint64 Node = 0;
    friend bool operator==(const FolderKey&, const FolderKey&) = default;
};

inline size_t qHash(const FolderKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.Device, key.Node);
}

struct FolderEntry {
    QString Name;
    // The name as the disk spells it when Name, decoded for showing, does not (a name in no
    // valid encoding); empty otherwise.
    QByteArray NativeName;
    qint64 Size = 0; // 0 for folders
    // When a file was last modified, in milliseconds since 1970 (UTC); 0 for folders.
    qint64 ModifiedMSecs = 0;
    FindFilesSet Attributes;
    std::optional<FolderKey> Key; // folders only
    // A symbolic link; the other fields describe what it points to.
    bool IsLink = false;
    // A plain file: not a folder, device, pipe or socket.
    bool IsRegularFile = false;
};
// A listing of a large folder grows by moving its memory rather than by copying entries.
Q_DECLARE_TYPEINFO(FolderEntry, Q_RELOCATABLE_TYPE);

// The entries of a folder ("" is the current folder) in the system's own order, without
// "." and "..". Symbolic links appear as what they point to, marked as links; links that
// point nowhere and entries that vanish while being read are left out. A folder that cannot
// be read gives no entries. nativeFolder, when not empty, is the folder as the disk spells
// it.
QList<FolderEntry> ListFolder(const QString& folder, const QByteArray& nativeFolder = {});

// The path of an entry as the disk spells it, when the text of either part does not; empty
// when both texts spell their names.
QByteArray NativeChildPath(const QString& folder, const QByteArray& nativeFolder,
                           const FolderEntry& entry);

// When the file was last modified; invalid when it cannot be asked.
QDateTime ModifiedAt(const QString& path, const QByteArray& nativePath);

std::optional<FolderKey> KeyOfFolder(const QString& folder);

// Gives target the permissions (and, on Windows, the attribute bits) of source.
bool CopyAttributes(const QString& source, const QString& target);
