#include "install/TZipBuilder.h"

#include "common/PathRules.h"
#include "fileutil/PartialFile.h"
#include "install/ZipEntryName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStorageInfo>

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
constexpr zip_uint32_t UnixSymbolicLink = 0120000;

constexpr QFile::Permissions ExtractedPermissions = QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadUser | QFile::WriteUser |
                                                    QFile::ReadGroup | QFile::ReadOther;

// Codes of the component's own messages, beside libzip's error codes.
enum ZipMessageCode {
    UnsafeNameCode = 1001,
    LinkEntryCode = 1002,
    OversizedCode = 1003,
    NoSpaceCode = 1004,
};

bool IsFolderEntry(const QString& storedName) {
    return storedName.endsWith(QLatin1Char('/')) || storedName.endsWith(QLatin1Char('\\'));
}

bool IsSymbolicLink(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & UnixTypeMask) == UnixSymbolicLink;
}

// AES entries of the second WinZip kind store 0 for the checksum, their authentication code
// standing in for it; older libzip checks that 0 anyway, which fails every whole entry.
bool StoresNoChecksum(zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0)
        return false;
    const bool aes = stat.encryption_method == ZIP_EM_AES_128 ||
                     stat.encryption_method == ZIP_EM_AES_192 ||
                     stat.encryption_method == ZIP_EM_AES_256;
    return aes && (stat.valid & ZIP_STAT_CRC) != 0 && stat.crc == 0;
}

ZipDirEntry ReadDirEntry(zip_t* archive, zip_uint64_t index) {
    ZipDirEntry entry;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) == 0) {
        entry.FileName = QString::fromUtf8(stat.name ? stat.name : "");
        entry.UncompressedSize = static_cast<qint64>(stat.size);
        entry.Encrypted = stat.encryption_method != ZIP_EM_NONE;
    }
    entry.SymbolicLink = IsSymbolicLink(archive, index);
    return entry;
}
} // namespace

struct TZipBuilder::Archive {
    std::unique_ptr<zip_t, ArchiveDiscard> Handle;
};

// Writes one entry to its target through a file that replaces the target only once the
// whole entry has been read and checked, so a failed entry leaves nothing behind.
class TZipBuilder::EntryWriter {
public:
    using Outcome = EntryOutcome;

    EntryWriter(zip_t* archive, zip_uint64_t index, qint64 declaredSize, QString target)
        : FArchive(archive), FIndex(index), FDeclaredSize(declaredSize),
          FStoresNoChecksum(StoresNoChecksum(archive, index)), FTarget(std::move(target)) {}

    Outcome Write(const std::optional<QString>& password) {
        const QByteArray passwordBytes = password ? password->toUtf8() : QByteArray();
        EntryHandle entry(
            password ? zip_fopen_index_encrypted(FArchive, FIndex, 0, passwordBytes.constData())
                     : zip_fopen_index(FArchive, FIndex, 0));
        if (!entry)
            return FailedWith(zip_get_error(FArchive), password.has_value());
        // Extracted files are scratch copies: renamed into place without waiting for the
        // disk, which made archives of many small entries crawl.
        PartialFile file(FTarget);
        if (!file.Open())
            return FailedWith(file.Error());
        const Outcome outcome = Copy(entry.get(), file.File(), password.has_value());
        if (outcome != Outcome::Written)
            return outcome;
        // The entry's own date, not the extraction's: the installed file keeps it.
        if (!file.File().flush() || !file.File().setPermissions(ExtractedPermissions) ||
            !file.File().setFileTime(EntryModified(), QFileDevice::FileModificationTime))
            return FailedWith(file.File().errorString());
        if (!file.Commit())
            return FailedWith(file.Error());
        return outcome;
    }

    const QString& Reason() const { return FReason; }

private:
    QDateTime EntryModified() const {
        zip_stat_t stat;
        zip_stat_init(&stat);
        zip_stat_index(FArchive, FIndex, 0, &stat);
        return (stat.valid & ZIP_STAT_MTIME) ? QDateTime::fromSecsSinceEpoch(stat.mtime)
                                             : QDateTime::currentDateTime();
    }

    Outcome Copy(zip_file_t* entry, QFile& file, bool encrypted) {
        std::array<char, 65536> buffer;
        qint64 total = 0;
        for (;;) {
            const zip_int64_t count = zip_fread(entry, buffer.data(), buffer.size());
            if (count < 0 && IsMissingChecksum(zip_file_get_error(entry), total))
                return Outcome::Written;
            if (count < 0)
                return FailedWith(zip_file_get_error(entry), encrypted);
            if (count == 0)
                return Outcome::Written;
            total += count;
            // Inflating past the declared size is the mark of a zip bomb.
            if (total > FDeclaredSize)
                return Outcome::Oversized;
            if (file.write(buffer.data(), count) != count)
                return FailedWith(file.errorString());
        }
    }

    // The checksum "error" of an entry without a checksum, once every byte has been read.
    bool IsMissingChecksum(zip_error_t* error, qint64 total) const {
        return FStoresNoChecksum && zip_error_code_zip(error) == ZIP_ER_CRC &&
               total == FDeclaredSize;
    }

    Outcome FailedWith(const QString& reason) {
        FReason = reason;
        return Outcome::Failed;
    }

    Outcome FailedWith(zip_error_t* error, bool encrypted) {
        const int code = zip_error_code_zip(error);
        FReason = QString::fromLocal8Bit(zip_error_strerror(error));
        // A wrong ZipCrypto password may pass the header check and fail the checksum.
        const bool wrongPassword = code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_NOPASSWD ||
                                   (encrypted && code == ZIP_ER_CRC);
        return wrongPassword ? Outcome::WrongPassword : Outcome::Failed;
    }

    zip_t* FArchive;
    zip_uint64_t FIndex;
    qint64 FDeclaredSize;
    bool FStoresNoChecksum;
    QString FTarget;
    QString FReason;
};

TZipBuilder::TZipBuilder(Interaction& interaction, QObject* owner)
    : QObject(owner), FInteraction(interaction) {}

TZipBuilder::~TZipBuilder() = default;

void TZipBuilder::SetZipFileName(const QString& path) {
    FArchive.reset();
    FEntries.clear();
    FExtractNames.clear();
    FKnownPassword.reset();
    FZipFileName = path;
    if (path.isEmpty())
        return;
    int errorCode = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &errorCode);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, errorCode);
        Report(errorCode, FillZipMessage(FMessages.OpenError, path, {},
                                         QString::fromLocal8Bit(zip_error_strerror(&error))));
        zip_error_fini(&error);
        return;
    }
    FArchive = std::make_unique<Archive>();
    FArchive->Handle.reset(archive);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    FEntries.reserve(count);
    for (zip_int64_t i = 0; i < count; ++i)
        FEntries.append(ReadDirEntry(archive, static_cast<zip_uint64_t>(i)));
}

void TZipBuilder::SetPasswordReqCount(int count) {
    FPasswordReqCount = std::clamp(count, 0, 15);
}

int TZipBuilder::Extract() {
    if (!FArchive)
        return 0;
    const QSet<QString> wanted(FFSpecArgs.cbegin(), FFSpecArgs.cend());
    QList<int> chosen;
    for (int i = 0; i < GetCount(); ++i) {
        if (wanted.contains(FEntries[i].FileName) && !IsFolderEntry(FEntries[i].FileName))
            chosen.append(i);
    }
    if (chosen.isEmpty() || !QDir().mkpath(FExtrBaseDir) || !FitsFreeSpace(chosen))
        return 0;
    int written = 0;
    for (const int index : chosen)
        written += ExtractEntry(index) ? 1 : 0;
    return written;
}

bool TZipBuilder::FitsFreeSpace(const QList<int>& chosen) {
    qint64 needed = 0;
    for (const int index : chosen)
        needed += FEntries[index].UncompressedSize;
    const QStorageInfo storage(FExtrBaseDir);
    if (!storage.isValid() || needed <= storage.bytesAvailable())
        return true;
    Report(NoSpaceCode,
           FillZipMessage(FMessages.NoSpace, FZipFileName, QDir::toNativeSeparators(FExtrBaseDir)));
    return false;
}

bool TZipBuilder::ExtractEntry(int index) {
    const ZipDirEntry& entry = FEntries[index];
    if (entry.SymbolicLink) {
        Report(LinkEntryCode, FillZipMessage(FMessages.LinkEntry, FZipFileName, entry.FileName));
        return false;
    }
    const std::optional<QString> name = ZipEntryFileName(entry.FileName);
    if (!name) {
        Report(UnsafeNameCode, FillZipMessage(FMessages.UnsafeName, FZipFileName, entry.FileName));
        return false;
    }
    const QString target = WithTrailingSeparator(FExtrBaseDir) + FExtractNames.value(index, *name);
    if (!FExtrOptions.testFlag(ExtrOption::ExtrOverWrite) && QFile::exists(target))
        return false;
    EntryWriter writer(FArchive->Handle.get(), static_cast<zip_uint64_t>(index),
                       entry.UncompressedSize, target);
    using enum EntryOutcome;
    const EntryOutcome outcome =
        entry.Encrypted ? WriteWithPassword(writer, entry.FileName) : writer.Write({});
    if (outcome == Oversized)
        Report(OversizedCode, FillZipMessage(FMessages.Oversized, FZipFileName, entry.FileName));
    else if (outcome == WrongPassword)
        Report(ZIP_ER_WRONGPASSWD,
               FillZipMessage(FMessages.WrongPassword, FZipFileName, entry.FileName));
    else if (outcome == Failed)
        Report(ZIP_ER_READ,
               FillZipMessage(FMessages.EntryError, FZipFileName, entry.FileName, writer.Reason()));
    return outcome == Written;
}

// Tries the password that opened an earlier entry, then asks as often as allowed. A
// cancelled prompt leaves the entry out without a message.
TZipBuilder::EntryOutcome TZipBuilder::WriteWithPassword(EntryWriter& writer,
                                                         const QString& entryName) {
    using enum EntryOutcome;
    if (FKnownPassword) {
        const EntryOutcome outcome = writer.Write(FKnownPassword);
        if (outcome != WrongPassword)
            return outcome;
    }
    for (int asked = 0; asked < FPasswordReqCount; ++asked) {
        const std::optional<QString> password = FInteraction.AskPassword(FZipFileName, entryName);
        if (!password)
            return Cancelled;
        const EntryOutcome outcome = writer.Write(password);
        if (outcome == Written)
            FKnownPassword = password;
        if (outcome != WrongPassword)
            return outcome;
    }
    return WrongPassword;
}

void TZipBuilder::Report(int errCode, const QString& message) {
    Q_EMIT OnMessage(errCode, message);
    if (!FUnattended)
        FInteraction.Warn(message);
}
