#include "platform/FileKind.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool NamesRegularFile(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

bool NamesRegularFileIn(int folderHandle, const char* name) {
    struct stat status {};
    return ::fstatat(folderHandle, name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

// A folder held only to look names up in: it needs no read permission, as a path walk
// through it needs none.
#ifdef O_PATH
constexpr int FolderHandleFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int FolderHandleFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// Listing pays once the folder holds many of the files asked about; a few records in a
// large folder are cheaper to look up one by one.
constexpr int FilesFoundBeforeListing = 64;

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

// Every name of the folder that may be a regular file; nothing when the folder cannot be
// read to its end, as a part of a listing would leave files out.
std::optional<FolderListing> ReadFolderListing(int folderHandle) {
    const int handle = ::openat(folderHandle, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return std::nullopt;
    const std::unique_ptr<DIR, FolderCloser> folder(::fdopendir(handle));
    if (!folder) {
        ::close(handle);
        return std::nullopt;
    }
    FolderListing listing;
    errno = 0;
    for (const dirent* entry; (entry = ::readdir(folder.get())) != nullptr; errno = 0) {
        const unsigned char type = entry->d_type;
        if ((type == DT_REG || type == DT_LNK || type == DT_UNKNOWN) &&
            !listing.Add(entry->d_name, type == DT_REG))
            return std::nullopt;
    }
    if (errno != 0 || !listing.Finish())
        return std::nullopt;
    return listing;
}
} // namespace

bool IsRegularFile(const QString& path) {
    return !path.isEmpty() && NamesRegularFile(QFile::encodeName(path).constData());
}

RegularFileProbe::~RegularFileProbe() {
    if (FFolderHandle >= 0)
        ::close(FFolderHandle);
}

bool RegularFileProbe::IsRegularFile(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    const qsizetype slash = bytes.lastIndexOf('/');
    // A name without a folder, or one in the root folder, is asked about as it is.
    if (slash <= 0)
        return !bytes.isEmpty() && NamesRegularFile(bytes.constData());
    const QByteArrayView folder(bytes.constData(), slash);
    if (folder != FFolder)
        HoldFolder(folder);
    if (FFolderHandle < 0)
        return NamesRegularFile(bytes.constData());
    return IsRegularFileInFolder(bytes.constData() + slash + 1);
}

void RegularFileProbe::HoldFolder(QByteArrayView folder) {
    if (FFolderHandle >= 0)
        ::close(FFolderHandle);
    FFolder = folder.toByteArray();
    FFolderHandle = ::open(FFolder.constData(), FolderHandleFlags);
    FFoundInFolder = 0;
    const auto listed = FListings.find(FFolder);
    FHeldListing = listed != FListings.end() && listed->second ? &*listed->second : nullptr;
}

// Only a folder in which files were found is listed: that proves the look-ups may pass
// through it, which a listing alone does not.
bool RegularFileProbe::IsRegularFileInFolder(const char* name) {
    if (FHeldListing)
        return IsListedRegularFile(name);
    const bool found = NamesRegularFileIn(FFolderHandle, name);
    if (found && ++FFoundInFolder == FilesFoundBeforeListing)
        ListHeldFolder();
    return found;
}

bool RegularFileProbe::IsListedRegularFile(const char* name) const {
    switch (FHeldListing->Find(name)) {
    case FolderListing::Answer::RegularFile:
        return true;
    case FolderListing::Answer::LookUpNeeded:
        return NamesRegularFileIn(FFolderHandle, name);
    case FolderListing::Answer::Absent:
        return false;
    }
    return false;
}

void RegularFileProbe::ListHeldFolder() {
    // A folder listed before has its listing held already, or could not be read.
    if (FListings.contains(FFolder))
        return;
    const std::optional<FolderListing>& listing =
        FListings.emplace(FFolder, ReadFolderListing(FFolderHandle)).first->second;
    FHeldListing = listing ? &*listing : nullptr;
}
