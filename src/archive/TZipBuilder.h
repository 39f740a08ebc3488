#pragma once

#include "archive/ArchiveReader.h"

#include <QList>

#include <memory>
#include <optional>

struct zip_error;

// The zip backend: reads a zip archive's central directory with libzip, then its entries in
// directory order. ZipCrypto and AES entries open with their password.
class TZipBuilder : public ArchiveReader {
public:
    TZipBuilder();
    ~TZipBuilder() override;

    // Opens the archive and reads its directory; "" closes it. An unreadable archive has no
    // entries and a fault.
    void SetZipFileName(const QString& path);
    const QString& ZipFileName() const { return FZipFileName; }
    int GetCount() const { return static_cast<int>(FEntries.size()); }
    const ArchiveEntry& GetDirEntry(int i) const { return FEntries.at(i); }

    std::optional<ArchiveEntry> NextEntry() override;
    ReadResult ReadEntry(const std::optional<QString>& password,
                         const ArchiveDataSink& sink) override;
    ArchiveFault Fault() const override { return FFault; }
    QString Error() const override { return FError; }

private:
    struct Archive;

    ReadResult FailedWith(zip_error* error, bool encrypted);

    QString FZipFileName;
    std::unique_ptr<Archive> FArchive;
    QList<ArchiveEntry> FEntries;
    int FCurrent = -1;
    ArchiveFault FFault = ArchiveFault::None;
    QString FError;
};
