#include "common/TextDecoding.h"

#include "platform/SystemCodePage.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace {
// 0x80-0x9F of Windows-1252; the five undefined bytes map to the C1 controls, as
// Windows itself does.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<QString> DecodeStrictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(HighControlRange[byte - 0x80])
                                                 : QChar(char16_t(byte));
    }
    return text;
}

QString Decode8BitText(const QByteArray& bytes) {
    if (std::optional<QString> utf8 = DecodeStrictUtf8(bytes))
        return *utf8;
    if (std::optional<QString> system = DecodeSystemCodePage(bytes))
        return *system;
    return DecodeWindows1252(bytes);
}
