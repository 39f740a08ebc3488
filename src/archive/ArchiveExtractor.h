#pragma once

#include "archive/ArchiveMessages.h"
#include "archive/ArchiveOpening.h"
#include "archive/ArchiveReader.h"

#include <QList>

#include <memory>

class Interaction;

// An entry an extraction wrote.
struct ExtractedEntry {
    QString StoredName;
    // The entry's bare file name.
    QString FileName;
    // Where it lies once extracted.
    QString Path;
};

// Asked for every entry that has a plain file name, with that name: the file name to write
// it under inside the extraction folder, or nothing to pass it over.
using ArchiveEntryChoice =
    std::function<std::optional<QString>(const ArchiveEntry& entry, const QString& fileName)>;

// How many bytes a folder has free.
using FreeSpaceQuery = std::function<qint64(const QString& folder)>;
// The reader of an archive by the backend chosen for it.
using ArchiveOpener =
    std::function<std::unique_ptr<ArchiveReader>(const QString& path, ArchiveBackend backend)>;

// Extracts chosen entries of an archive of any format into one folder, by the same rules for
// every backend: each entry under a bare file name, links and special files refused, the
// folder's free space respected, an entry larger than it declares cut off, every file
// written whole or not at all, the password asked once for the archive.
class ArchiveExtractor {
public:
    ArchiveExtractor(Interaction& user, ArchiveMessages messages);

    // How often the password is asked before the archive's encrypted entries are left out;
    // at most 15.
    void SetPasswordReqCount(int count);
    // Stand-ins for the file system and the archive libraries, for tests that need a nearly
    // full disk or entries that declare no size.
    void SetFreeSpaceQuery(FreeSpaceQuery query);
    void SetOpener(ArchiveOpener opener);

    // The written entries in archive order. shownAs names the archive in messages and
    // password prompts. Encryption the backend cannot open, or entries that need more room
    // than the folder has, leave nothing of the archive behind.
    QList<ExtractedEntry> Extract(const QString& archive, const QString& shownAs,
                                  const QString& folder, const ArchiveEntryChoice& choose) const;

private:
    class Run;

    Interaction& FUser;
    ArchiveMessages FMessages;
    int FPasswordReqCount = 1;
    FreeSpaceQuery FFreeSpace;
    ArchiveOpener FOpen;
};
