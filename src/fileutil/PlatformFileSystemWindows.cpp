#include "common/PathRules.h"
#include "fileutil/PlatformFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <windows.h>

namespace {
// The six attribute bits a search knows; SetFileAttributesW takes all but the folder bit.
constexpr DWORD SearchAttributeBits = 0x3F;
constexpr DWORD SettableAttributeBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                        FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::wstring NativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// FILETIME counts 100-nanosecond steps from 1601; Qt counts milliseconds from 1970.
constexpr qint64 FileTimeStepsPerMSec = 10'000;
constexpr qint64 MSecsFrom1601To1970 = 11'644'473'600'000;

qint64 MSecsSince1970(const FILETIME& time) {
    const auto steps = qint64((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return steps / FileTimeStepsPerMSec - MSecsFrom1601To1970;
}

FolderEntry EntryOf(const QString& folder, const WIN32_FIND_DATAW& data) {
    FolderEntry entry;
    entry.Name = QString::fromWCharArray(data.cFileName);
    entry.Attributes = FindFilesSet::fromInt(int(data.dwFileAttributes & SearchAttributeBits));
    entry.IsLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.IsRegularFile = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        entry.Key = KeyOfFolder(folder + entry.Name);
    else {
        entry.Size = qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
        entry.ModifiedMSecs = MSecsSince1970(data.ftLastWriteTime);
    }
    return entry;
}
} // namespace

// Names on Windows are UTF-16 and always spelt by their text: there are no native names.
QList<FolderEntry> ListFolder(const QString& folder, const QByteArray&) {
    const QString prefix = WithTrailingSeparator(folder);
    WIN32_FIND_DATAW data;
    const HANDLE search =
        FindFirstFileExW(NativePath(prefix + u'*').c_str(), FindExInfoBasic, &data,
                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    QList<FolderEntry> entries;
    do {
        const bool dots = data.cFileName[0] == L'.' &&
                          (data.cFileName[1] == L'\0' ||
                           (data.cFileName[1] == L'.' && data.cFileName[2] == L'\0'));
        if (!dots)
            entries.append(EntryOf(prefix, data));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return entries;
}

std::optional<FolderKey> KeyOfFolder(const QString& folder) {
    const HANDLE handle =
        CreateFileW(NativePath(folder.isEmpty() ? QStringLiteral(".") : folder).c_str(), 0,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FolderKey{info.dwVolumeSerialNumber,
                     (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool CopyAttributes(const QString& source, const QString& target) {
    const DWORD attributes = GetFileAttributesW(NativePath(source).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD settable = attributes & SettableAttributeBits;
    return SetFileAttributesW(NativePath(target).c_str(),
                              settable ? settable : FILE_ATTRIBUTE_NORMAL) != 0;
}

QByteArray NativeChildPath(const QString&, const QByteArray&, const FolderEntry&) {
    return {};
}

QDateTime ModifiedAt(const QString& path, const QByteArray&) {
    return QFileInfo(path).lastModified();
}
