#include "platform/SystemCodePage.h"

#include <QStringDecoder>

std::optional<QString> DecodeSystemCodePage(const QByteArray& bytes) {
    // Qt's system encoding on Windows is the ANSI code page.
    return QStringDecoder(QStringDecoder::System).decode(bytes);
}
