#pragma once

#include "platform/FolderListing.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

// Whether a path names an existing regular file (links followed). One system call and no
// file-information object: the database asks it of every record it loads.
bool IsRegularFile(const QString& path);

// The same question for many paths, most of them in few folders: the last folder asked
// about stays open, so the system looks up only the file's own name in it rather than
// walking the whole path again for each file. A folder in which many files were found is
// listed once, and the listing answers for its other names: reading a folder costs far
// less than looking up each of its files. Gives what IsRegularFile gives, as of when each
// folder was listed: a probe serves one pass over a set of paths.
class RegularFileProbe {
public:
    RegularFileProbe() = default;
    RegularFileProbe(const RegularFileProbe&) = delete;
    RegularFileProbe& operator=(const RegularFileProbe&) = delete;
    ~RegularFileProbe();

    bool IsRegularFile(const QString& path);

private:
    void HoldFolder(QByteArrayView folder);
    bool IsRegularFileInFolder(const char* name);
    bool IsListedRegularFile(const char* name) const;
    void ListHeldFolder();

    QByteArray FFolder;
    int FFolderHandle = -1;
    // Files found by look-up in the held folder since it was taken.
    int FFoundInFolder = 0;
    // Each folder listed so far, nothing for one that could not be read; kept for the
    // probe's life, so that no folder is listed twice.
    std::map<QByteArray, std::optional<FolderListing>> FListings;
    // The held folder's listing, when it has one.
    const FolderListing* FHeldListing = nullptr;
};
