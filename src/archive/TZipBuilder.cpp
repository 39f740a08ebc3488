#include "archive/TZipBuilder.h"

#include <QDateTime>
#include <QFile>

#include <array>
#include <zip.h>

namespace {
struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using EntryHandle = std::unique_ptr<zip_file_t, FileClose>;

// Unix keeps the file type in the upper half of an entry's external attributes.
constexpr zip_uint32_t UnixTypeMask = 0170000;
constexpr zip_uint32_t UnixFolder = 0040000;
constexpr zip_uint32_t UnixFile = 0100000;
constexpr zip_uint32_t UnixSymbolicLink = 0120000;

ArchiveEntryKind UnixKind(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0 ||
        system != ZIP_OPSYS_UNIX)
        return ArchiveEntryKind::File;
    switch ((attributes >> 16) & UnixTypeMask) {
    case 0:
    case UnixFile:
        return ArchiveEntryKind::File;
    case UnixFolder:
        return ArchiveEntryKind::Folder;
    case UnixSymbolicLink:
        return ArchiveEntryKind::SymbolicLink;
    default:
        return ArchiveEntryKind::Device;
    }
}

bool IsAes(zip_uint16_t method) {
    return method == ZIP_EM_AES_128 || method == ZIP_EM_AES_192 || method == ZIP_EM_AES_256;
}

ArchiveEntry ReadDirEntry(zip_t* archive, zip_uint64_t index) {
    ArchiveEntry entry;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) == 0) {
        entry.Name = QString::fromUtf8(stat.name ? stat.name : "");
        entry.DeclaredSize = static_cast<qint64>(stat.size);
        entry.Encrypted = stat.encryption_method != ZIP_EM_NONE;
        if ((stat.valid & ZIP_STAT_MTIME) != 0)
            entry.ModifiedAt = QDateTime::fromSecsSinceEpoch(stat.mtime);
    }
    entry.Kind = UnixKind(archive, index);
    if (entry.Name.endsWith(QLatin1Char('/')) || entry.Name.endsWith(QLatin1Char('\\')))
        entry.Kind = ArchiveEntryKind::Folder;
    return entry;
}

// AES entries of the second WinZip kind store 0 for the checksum, their authentication code
// standing in for it; older libzip checks that 0 anyway, which fails every whole entry.
bool StoresNoChecksum(zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0)
        return false;
    return IsAes(stat.encryption_method) && (stat.valid & ZIP_STAT_CRC) != 0 && stat.crc == 0;
}
// The failures a player meets with a broken or unusual download, in the user's terms.
ArchiveFailureReason ReasonOf(int zipCode) {
    switch (zipCode) {
    case ZIP_ER_NOZIP:
        return ArchiveFailureReason::NotAnArchive;
    case ZIP_ER_NOENT:
        return ArchiveFailureReason::Missing;
    case ZIP_ER_INCONS:
    case ZIP_ER_ZLIB:
        return ArchiveFailureReason::Damaged;
    case ZIP_ER_EOF:
        return ArchiveFailureReason::Truncated;
    case ZIP_ER_CRC:
        return ArchiveFailureReason::Checksum;
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        return ArchiveFailureReason::Unreadable;
    case ZIP_ER_COMPNOTSUPP:
        return ArchiveFailureReason::Compression;
    case ZIP_ER_ENCRNOTSUPP:
        return ArchiveFailureReason::Encryption;
    case ZIP_ER_MEMORY:
        return ArchiveFailureReason::Memory;
    default:
        return ArchiveFailureReason::Other;
    }
}
} // namespace

struct TZipBuilder::Archive {
    std::unique_ptr<zip_t, ArchiveDiscard> Handle;
};

TZipBuilder::TZipBuilder() = default;

TZipBuilder::~TZipBuilder() = default;

void TZipBuilder::SetZipFileName(const QString& path) {
    FArchive.reset();
    FEntries.clear();
    FCurrent = -1;
    FFault = ArchiveFault::None;
    FReason = ArchiveFailureReason::Other;
    FZipFileName = path;
    if (path.isEmpty())
        return;
    int errorCode = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &errorCode);
    if (!archive) {
        FFault = ArchiveFault::Unreadable;
        FReason = ReasonOf(errorCode);
        return;
    }
    FArchive = std::make_unique<Archive>();
    FArchive->Handle.reset(archive);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    FEntries.reserve(count);
    for (zip_int64_t i = 0; i < count; ++i)
        FEntries.append(ReadDirEntry(archive, static_cast<zip_uint64_t>(i)));
}

std::optional<ArchiveEntry> TZipBuilder::NextEntry() {
    if (FCurrent + 1 >= GetCount())
        return std::nullopt;
    return FEntries[++FCurrent];
}

TZipBuilder::ReadResult TZipBuilder::ReadEntry(const std::optional<QString>& password,
                                               const ArchiveDataSink& sink) {
    zip_t* archive = FArchive->Handle.get();
    const auto index = static_cast<zip_uint64_t>(FCurrent);
    const QByteArray passwordBytes = password ? password->toUtf8() : QByteArray();
    EntryHandle entry(password
                          ? zip_fopen_index_encrypted(archive, index, 0, passwordBytes.constData())
                          : zip_fopen_index(archive, index, 0));
    if (!entry)
        return FailedWith(zip_get_error(archive), password.has_value());
    const bool storesNoChecksum = StoresNoChecksum(archive, index);
    const qint64 declared = FEntries[FCurrent].DeclaredSize.value_or(0);
    std::array<char, 65536> buffer;
    qint64 total = 0;
    for (;;) {
        const zip_int64_t count = zip_fread(entry.get(), buffer.data(), buffer.size());
        zip_error_t* error = zip_file_get_error(entry.get());
        // The checksum "error" of an entry without a checksum, once every byte has been read.
        if (count < 0 && storesNoChecksum && zip_error_code_zip(error) == ZIP_ER_CRC &&
            total == declared)
            return ReadResult::Complete;
        if (count < 0)
            return FailedWith(error, password.has_value());
        if (count == 0)
            return ReadResult::Complete;
        total += count;
        if (!sink(buffer.data(), count))
            return ReadResult::Stopped;
    }
}

TZipBuilder::ReadResult TZipBuilder::FailedWith(zip_error_t* error, bool encrypted) {
    const int code = zip_error_code_zip(error);
    FReason = ReasonOf(code);
    if (code == ZIP_ER_ENCRNOTSUPP)
        return ReadResult::EncryptionUnsupported;
    // A wrong ZipCrypto password may pass the header check and fail the checksum.
    const bool wrongPassword =
        code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_NOPASSWD || (encrypted && code == ZIP_ER_CRC);
    return wrongPassword ? ReadResult::WrongPassword : ReadResult::Failed;
}
