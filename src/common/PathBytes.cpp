#include "common/PathBytes.h"

namespace {
constexpr char16_t StrayBase = 0xDC00;

// The length of the whole UTF-8 sequence at index, or 0 when the byte there starts none.
qsizetype SequenceLengthAt(QByteArrayView bytes, qsizetype index) {
    for (qsizetype length = 1; length <= 4 && index + length <= bytes.size(); ++length) {
        if (bytes.sliced(index, length).isValidUtf8())
            return length;
    }
    return 0;
}
} // namespace

QString PathOfBytes(QByteArrayView bytes) {
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString path;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = SequenceLengthAt(bytes, i);
        if (length == 0) {
            path += StrayByteCharacter(uchar(bytes[i++]));
            continue;
        }
        path += QString::fromUtf8(bytes.sliced(i, length));
        i += length;
    }
    return path;
}

QByteArray BytesOfPath(const QString& path) {
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (const std::optional<uchar> byte = StrayByteAt(path, i)) {
            bytes += QStringView(path).sliced(textStart, i - textStart).toUtf8();
            bytes += char(*byte);
            textStart = i + 1;
        }
    }
    if (textStart == 0)
        return path.toUtf8();
    return bytes + QStringView(path).sliced(textStart).toUtf8();
}

std::optional<uchar> StrayByteAt(const QString& path, qsizetype index) {
    const char16_t c = path[index].unicode();
    if (c < StrayBase + 0x80 || c > StrayBase + 0xFF ||
        (index > 0 && path[index - 1].isHighSurrogate()))
        return std::nullopt;
    return uchar(c - StrayBase);
}

QChar StrayByteCharacter(uchar byte) {
    return QChar(char16_t(StrayBase + byte));
}
