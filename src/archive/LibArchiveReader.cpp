#include "archive/LibArchiveReader.h"

#include "archive/Rar5Encryption.h"
#include "common/TextDecoding.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <cerrno>

namespace {
// Big enough that a whole small entry comes in one piece.
constexpr size_t ReadBlockSize = 65536;

QString EntryName(archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? Decode8BitText(QByteArray(raw)) : QString();
}

ArchiveEntryKind EntryKind(archive_entry* entry) {
    if (archive_entry_hardlink(entry))
        return ArchiveEntryKind::HardLink;
    switch (archive_entry_filetype(entry)) {
    case 0:
    case AE_IFREG:
        return ArchiveEntryKind::File;
    case AE_IFDIR:
        return ArchiveEntryKind::Folder;
    case AE_IFLNK:
        return ArchiveEntryKind::SymbolicLink;
    default:
        return ArchiveEntryKind::Device;
    }
}

// libarchive says little more than "the format is wrong" (EILSEQ), "something else" (-1)
// or a system error; its names for these codes are private.
ArchiveFailureReason ReadFailureReason(int error) {
    switch (error) {
    case EILSEQ:
    case -1:
        return ArchiveFailureReason::Damaged;
    case ENOENT:
        return ArchiveFailureReason::Missing;
    case ENOMEM:
        return ArchiveFailureReason::Memory;
    case 0:
    case EINVAL:
        return ArchiveFailureReason::Other;
    default:
        return ArchiveFailureReason::Unreadable;
    }
}

// At opening, a wrong format means no reader took the file at all.
ArchiveFailureReason OpenFailureReason(int error) {
    const ArchiveFailureReason reason = ReadFailureReason(error);
    return reason == ArchiveFailureReason::Damaged ? ArchiveFailureReason::NotAnArchive : reason;
}

ArchiveEntry DescribeEntry(archive_entry* entry) {
    ArchiveEntry described{.Name = EntryName(entry),
                           .Kind = EntryKind(entry),
                           .Encrypted = archive_entry_is_encrypted(entry) != 0};
    if (archive_entry_size_is_set(entry))
        described.DeclaredSize = archive_entry_size(entry);
    if (archive_entry_mtime_is_set(entry))
        described.ModifiedAt = QDateTime::fromSecsSinceEpoch(archive_entry_mtime(entry));
    return described;
}
} // namespace

void EnableArchiveFormats(archive* reader) {
    archive_read_support_filter_gzip(reader);
    archive_read_support_filter_bzip2(reader);
    archive_read_support_filter_xz(reader);
    archive_read_support_format_7zip(reader);
    archive_read_support_format_rar(reader);
    archive_read_support_format_rar5(reader);
    archive_read_support_format_tar(reader);
}

void LibArchiveReader::ReaderFree::operator()(archive* reader) const {
    archive_read_free(reader);
}

LibArchiveReader::LibArchiveReader(const QString& path) : FReader(archive_read_new()) {
    EnableArchiveFormats(FReader.get());
    if (archive_read_open_filename(FReader.get(), QFile::encodeName(path).constData(),
                                   ReadBlockSize) != ARCHIVE_OK) {
        // No format took the file: asking about encryption now would read a format that
        // was never chosen.
        FFault = ArchiveFault::Unreadable;
        FReason = OpenFailureReason(archive_errno(FReader.get()));
    } else if (IsEncryptedRar5(path)) {
        FFault = ArchiveFault::EncryptionUnsupported;
        FReason = ArchiveFailureReason::Encryption;
    }
}

LibArchiveReader::~LibArchiveReader() = default;

std::optional<ArchiveEntry> LibArchiveReader::NextEntry() {
    if (FFault != ArchiveFault::None)
        return std::nullopt;
    const int result = archive_read_next_header(FReader.get(), &FEntry);
    if (result == ARCHIVE_EOF)
        return std::nullopt;
    if (result < ARCHIVE_WARN) {
        Fail();
        return std::nullopt;
    }
    const ArchiveEntry entry = DescribeEntry(FEntry);
    FEntryEncrypted = entry.Encrypted;
    return entry;
}

LibArchiveReader::ReadResult LibArchiveReader::ReadEntry(const std::optional<QString>&,
                                                         const ArchiveDataSink& sink) {
    if (FEntryEncrypted)
        return ReadResult::EncryptionUnsupported;
    std::array<char, ReadBlockSize> buffer;
    for (;;) {
        const la_ssize_t count = archive_read_data(FReader.get(), buffer.data(), buffer.size());
        if (count == 0)
            return ReadResult::Complete;
        if (count < 0) {
            Fail();
            return FFault == ArchiveFault::EncryptionUnsupported ? ReadResult::EncryptionUnsupported
                                                                 : ReadResult::Failed;
        }
        if (!sink(buffer.data(), count))
            return ReadResult::Stopped;
    }
}

// Encryption the library met but cannot undo is told apart from damage.
void LibArchiveReader::Fail() {
    FReason = ReadFailureReason(archive_errno(FReader.get()));
    FFault = archive_read_has_encrypted_entries(FReader.get()) > 0
                 ? ArchiveFault::EncryptionUnsupported
                 : ArchiveFault::Unreadable;
}
