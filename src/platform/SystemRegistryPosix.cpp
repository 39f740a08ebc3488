#include "platform/SystemRegistry.h"

bool HasSystemRegistry() {
    return false;
}

std::optional<QHash<QString, QString>> ReadMachineKey32(const QString&) {
    return std::nullopt;
}
