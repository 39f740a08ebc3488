#include "archive/Rar5Encryption.h"

#include <QFile>

#include <optional>

namespace {
constexpr QByteArrayView Signature("Rar!\x1a\x07\x01\x00", 8);
constexpr quint64 FileHeaderType = 2;
constexpr quint64 EncryptionHeaderType = 4;
constexpr quint64 EndHeaderType = 5;
constexpr quint64 HasExtraArea = 0x0001;
constexpr quint64 HasDataArea = 0x0002;
constexpr quint64 EncryptionRecord = 1;
// The format's limit; anything larger is damage.
constexpr quint64 MaxHeaderSize = 2 * 1024 * 1024;
constexpr qsizetype CrcSize = 4;

// Reads the format's variable-length integers (seven bits a byte, lowest first) from bytes;
// nothing once they run out or a number does not end within 64 bits.
class VintReader {
public:
    explicit VintReader(QByteArrayView bytes) : FBytes(bytes) {}

    std::optional<quint64> Next() {
        quint64 value = 0;
        for (int shift = 0; shift < 64 && FAt < FBytes.size(); shift += 7) {
            const auto byte = quint8(FBytes[FAt++]);
            value |= quint64(byte & 0x7f) << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
        return std::nullopt;
    }
    qsizetype At() const { return FAt; }

private:
    QByteArrayView FBytes;
    qsizetype FAt = 0;
};

// Whether the extra area holds an encryption record.
bool HasEncryptionRecord(QByteArrayView extra) {
    while (!extra.isEmpty()) {
        VintReader fields(extra);
        const std::optional<quint64> size = fields.Next();
        const qsizetype start = fields.At();
        const std::optional<quint64> type = fields.Next();
        if (!size || !type || *size > quint64(extra.size() - start))
            return false;
        if (*type == EncryptionRecord)
            return true;
        extra = extra.sliced(start + qsizetype(*size));
    }
    return false;
}

// The header's size, read after its CRC; nothing past the end or the format's limit.
std::optional<quint64> ReadHeaderSize(QFile& file) {
    const QByteArray lead = file.peek(CrcSize + 4);
    VintReader fields(QByteArrayView(lead).sliced(qMin<qsizetype>(CrcSize, lead.size())));
    const std::optional<quint64> size = fields.Next();
    if (!size || *size == 0 || *size > MaxHeaderSize)
        return std::nullopt;
    file.skip(CrcSize + fields.At());
    return size;
}

struct HeaderFields {
    quint64 Type;
    QByteArrayView Extra;
    quint64 DataSize;
};

// The fields every header starts with, and its extra area, which ends it; nothing when they
// do not fit the header.
std::optional<HeaderFields> ReadHeaderFields(QByteArrayView header) {
    VintReader fields(header);
    const std::optional<quint64> type = fields.Next();
    const std::optional<quint64> flags = fields.Next();
    if (!type || !flags)
        return std::nullopt;
    const std::optional<quint64> extraSize =
        (*flags & HasExtraArea) != 0 ? fields.Next() : std::optional<quint64>(0);
    const std::optional<quint64> dataSize =
        (*flags & HasDataArea) != 0 ? fields.Next() : std::optional<quint64>(0);
    if (!extraSize || !dataSize || *extraSize > quint64(header.size() - fields.At()))
        return std::nullopt;
    return HeaderFields{*type, header.last(qsizetype(*extraSize)), *dataSize};
}

bool SkipData(QFile& file, quint64 size) {
    return size <= quint64(file.size() - file.pos()) && file.skip(qint64(size)) == qint64(size);
}
} // namespace

bool IsEncryptedRar5(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(Signature.size()).startsWith(Signature))
        return false;
    while (const std::optional<quint64> size = ReadHeaderSize(file)) {
        const QByteArray header = file.read(qint64(*size));
        const std::optional<HeaderFields> fields =
            header.size() == qsizetype(*size) ? ReadHeaderFields(header) : std::nullopt;
        if (!fields)
            return false;
        if (fields->Type == EncryptionHeaderType ||
            (fields->Type == FileHeaderType && HasEncryptionRecord(fields->Extra)))
            return true;
        if (fields->Type == EndHeaderType || !SkipData(file, fields->DataSize))
            return false;
    }
    return false;
}
