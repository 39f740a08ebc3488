#include "support/ZipFixtures.h"

#include <memory>
#include <stdexcept>
#include <zip.h>

namespace {
struct SourceRelease {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceRelease>;

constexpr zip_uint32_t UnixSymbolicLink = 0120777;
constexpr zip_uint32_t UnixFile = 0100644;

void Check(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(what);
}

void AddEntry(zip_t* archive, const ZipFixtureEntry& entry) {
    zip_source_t* data = zip_source_buffer(archive, entry.Data.constData(),
                                           static_cast<zip_uint64_t>(entry.Data.size()), 0);
    Check(data, "zip_source_buffer");
    const zip_flags_t nameFlags = entry.Utf8Name ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_CP437;
    const zip_int64_t index = zip_file_add(archive, entry.Name.constData(), data, nameFlags);
    if (index < 0)
        zip_source_free(data);
    Check(index >= 0, "zip_file_add");
    const auto at = static_cast<zip_uint64_t>(index);
    if (entry.Cipher != ZipFixtureCipher::None) {
        const zip_uint16_t method =
            entry.Cipher == ZipFixtureCipher::Aes256 ? ZIP_EM_AES_256 : ZIP_EM_TRAD_PKWARE;
        Check(zip_file_set_encryption(archive, at, method, entry.Password.constData()) == 0,
              "zip_file_set_encryption");
    }
    const zip_uint32_t mode = entry.SymbolicLink ? UnixSymbolicLink : UnixFile;
    Check(zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX, mode << 16) == 0,
          "zip_file_set_external_attributes");
}

quint32 Le32At(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

// The position of the nth occurrence of a signature.
qsizetype NthSignature(const QByteArray& bytes, const QByteArray& signature, int n) {
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i) {
        at = bytes.indexOf(signature, at + 1);
        Check(at >= 0, "signature");
    }
    return at;
}
} // namespace

QByteArray BuildZipArchive(const std::vector<ZipFixtureEntry>& entries) {
    // libzip writes nothing at all for an archive without entries.
    if (entries.empty())
        return QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');
    zip_error_t error;
    zip_error_init(&error);
    SourceHandle buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    Check(buffer != nullptr, "zip_source_buffer_create");
    zip_source_keep(buffer.get());
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    Check(archive, "zip_open_from_source");
    for (const ZipFixtureEntry& entry : entries)
        AddEntry(archive, entry);
    Check(zip_close(archive) == 0, "zip_close");
    zip_stat_t stat;
    Check(zip_source_stat(buffer.get(), &stat) == 0 && zip_source_open(buffer.get()) == 0,
          "zip_source_open");
    QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    Check(read == static_cast<zip_int64_t>(stat.size), "zip_source_read");
    return bytes;
}

ZipFieldOffsets ZipEntryFieldOffsets(const QByteArray& archive, int n) {
    const qsizetype local = NthSignature(archive, QByteArray("PK\x03\x04", 4), n);
    const qsizetype central = NthSignature(archive, QByteArray("PK\x01\x02", 4), n);
    Check(Le32At(archive, local) == 0x04034b50u, "local header");
    return {.LocalUncompressedSize = local + 22, .CentralUncompressedSize = central + 24};
}
