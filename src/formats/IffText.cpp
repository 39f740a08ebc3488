#include "formats/IffText.h"

#include "common/TextDecoding.h"

#include <algorithm>

QString DecodeIffText(QByteArrayView bytes) {
    // Nearly every name is plain ASCII; only the others need the code-page detection.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<quint8>(c) < 0x80; });
    return ascii ? QString::fromLatin1(bytes) : Decode8BitText(bytes.toByteArray());
}

QByteArray EncodeIffText(const QString& text) {
    return text.toUtf8();
}
