#include "platform/SystemCodePage.h"

std::optional<QString> DecodeSystemCodePage(const QByteArray&) {
    return std::nullopt;
}
