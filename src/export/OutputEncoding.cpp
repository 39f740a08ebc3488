#include "export/OutputEncoding.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// The bytes of text when they decode to the same text again: an encoder that cannot hold a
// character puts a substitute in its place, and not every encoder says so.
std::optional<QByteArray> Faithful(const QByteArray& name, QStringView text) {
    QStringEncoder encoder(name.constData(), QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
    if (encoder.hasError() || QString(decoder.decode(bytes)) != text)
        return std::nullopt;
    return bytes;
}

// Text with characters the encoding lacks as references; each character is tried once.
class ReferencingEncoder {
public:
    explicit ReferencingEncoder(const QByteArray& name) : FName(name) {}

    QByteArray Encode(QStringView text) {
        QByteArray bytes;
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype length =
                text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()
                    ? 2
                    : 1;
            bytes += Character(text.sliced(at, length));
            at += length;
        }
        return bytes;
    }

private:
    const QByteArray& Character(QStringView character) {
        const char32_t code = character.toUcs4().value(0);
        auto known = FKnown.find(code);
        if (known == FKnown.end())
            known = FKnown.insert(code, Bytes(character));
        return *known;
    }

    QByteArray Bytes(QStringView character) const {
        if (std::optional<QByteArray> bytes = Faithful(FName, character))
            return *bytes;
        const QString reference = QStringLiteral("&#%1;").arg(character.toUcs4().value(0));
        return Faithful(FName, reference).value_or(reference.toLatin1());
    }

    QByteArray FName;
    QHash<char32_t, QByteArray> FKnown;
};
} // namespace

std::optional<OutputEncoding> OutputEncoding::Named(const QString& name) {
    const QStringEncoder encoder(name.toLatin1().constData());
    if (!encoder.isValid())
        return std::nullopt;
    const QByteArray canonical = encoder.name();
    if (canonical.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return OutputEncoding();
    // Without an order in its name, UTF-16 and UTF-32 text must start with a byte order mark.
    const bool byteOrderMark = canonical.compare("UTF-16", Qt::CaseInsensitive) == 0 ||
                               canonical.compare("UTF-32", Qt::CaseInsensitive) == 0;
    return OutputEncoding(canonical, byteOrderMark);
}

QByteArray OutputEncoding::Start() const {
    if (!FByteOrderMark)
        return QByteArray();
    return QStringEncoder(FName.constData()).encode(u"\uFEFF");
}

QByteArray OutputEncoding::Encode(QStringView text) const {
    if (FName.isEmpty())
        return text.toUtf8();
    if (std::optional<QByteArray> whole = Faithful(FName, text))
        return *whole;
    // Line by line, so that only lines holding characters the encoding lacks are taken apart.
    ReferencingEncoder referencing(FName);
    QByteArray bytes;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = text.indexOf(u'\n', start);
        const QStringView line = text.sliced(start, (end < 0 ? text.size() : end + 1) - start);
        const std::optional<QByteArray> faithful = Faithful(FName, line);
        bytes += faithful ? *faithful : referencing.Encode(line);
        start += line.size();
    }
    return bytes;
}
