#pragma once

#include "archive/ArchiveReader.h"

#include <memory>

struct archive;
struct archive_entry;

// Lets a libarchive reader take exactly the formats the program opens with it: 7z, RAR 4,
// RAR 5 and tar, tar compressed with gzip, bzip2 or xz. Formats that read other files
// (mtree) or take any bytes (raw) are left out on purpose.
void EnableArchiveFormats(archive* reader);

// The backend for every format but zip: reads the archive as one stream through libarchive.
// It cannot decrypt any of its formats (7z AES, RAR encryption): their encrypted entries
// and headers are reported as such, RAR 5's found by a walk over its headers first.
class LibArchiveReader : public ArchiveReader {
public:
    explicit LibArchiveReader(const QString& path);
    ~LibArchiveReader() override;

    std::optional<ArchiveEntry> NextEntry() override;
    ReadResult ReadEntry(const std::optional<QString>& password,
                         const ArchiveDataSink& sink) override;
    ArchiveFault Fault() const override { return FFault; }
    ArchiveFailureReason FailureReason() const override { return FReason; }

private:
    struct ReaderFree {
        void operator()(archive* reader) const;
    };

    // After a header or data failure, once a format has been chosen.
    void Fail();

    std::unique_ptr<archive, ReaderFree> FReader;
    archive_entry* FEntry = nullptr;
    bool FEntryEncrypted = false;
    ArchiveFault FFault = ArchiveFault::None;
    ArchiveFailureReason FReason = ArchiveFailureReason::Other;
};
