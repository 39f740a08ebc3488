#include "archive/ArchiveOpening.h"

#include "archive/LibArchiveReader.h"
#include "archive/TZipBuilder.h"
#include "common/PathRules.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <string_view>

namespace {
using namespace std::string_view_literals;

struct Signature {
    qsizetype Offset;
    std::string_view Bytes;
    ArchiveBackend Backend;
};

// Zip's local header, empty-archive and spanning marks; then what libarchive reads: 7z,
// RAR 4 and 5, gzip, bzip2, xz and a POSIX tar header.
const std::array Signatures = {
    Signature{0, "PK\x03\x04"sv, ArchiveBackend::Zip},
    Signature{0, "PK\x05\x06"sv, ArchiveBackend::Zip},
    Signature{0, "PK\x07\x08"sv, ArchiveBackend::Zip},
    Signature{0, "7z\xbc\xaf\x27\x1c"sv, ArchiveBackend::LibArchive},
    Signature{0, "Rar!\x1a\x07"sv, ArchiveBackend::LibArchive},
    Signature{0, "\x1f\x8b"sv, ArchiveBackend::LibArchive},
    Signature{0, "BZh"sv, ArchiveBackend::LibArchive},
    Signature{0,
              "\xfd"
              "7zXZ\x00"sv,
              ArchiveBackend::LibArchive},
    Signature{257, "ustar"sv, ArchiveBackend::LibArchive},
};

constexpr qsizetype SignatureSpan = 262;

const std::array ArchiveExtensions = {
    u".zip",     u".7z",   u".rar", u".tar",    u".tar.gz", u".tgz",
    u".tar.bz2", u".tbz2", u".tbz", u".tar.xz", u".txz",
};
} // namespace

bool IsArchiveName(const QString& name) {
    const QString bare = BareFileName(name);
    return std::ranges::any_of(ArchiveExtensions, [&](const char16_t* extension) {
        return bare.endsWith(QStringView(extension), Qt::CaseInsensitive);
    });
}

ArchiveBackend ChooseArchiveBackend(const QString& path) {
    QFile file(path);
    const QByteArray head =
        file.open(QIODevice::ReadOnly) ? file.read(SignatureSpan) : QByteArray();
    for (const Signature& signature : Signatures) {
        const QByteArrayView bytes(signature.Bytes.data(), qsizetype(signature.Bytes.size()));
        if (head.mid(signature.Offset).startsWith(bytes))
            return signature.Backend;
    }
    return BareFileName(path).endsWith(u".zip", Qt::CaseInsensitive) ? ArchiveBackend::Zip
                                                                     : ArchiveBackend::LibArchive;
}

std::unique_ptr<ArchiveReader> OpenArchive(const QString& path, ArchiveBackend backend) {
    if (backend == ArchiveBackend::LibArchive)
        return std::make_unique<LibArchiveReader>(path);
    auto zip = std::make_unique<TZipBuilder>();
    zip->SetZipFileName(path);
    return zip;
}
