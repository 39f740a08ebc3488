#include "platform/SystemRegistry.h"

#include <QSettings>

bool HasSystemRegistry() {
    return true;
}

std::optional<QHash<QString, QString>> ReadMachineKey32(const QString& keyPath) {
    QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\") + keyPath, QSettings::Registry32Format);
    const QStringList names = key.childKeys();
    if (names.isEmpty() && key.childGroups().isEmpty())
        return std::nullopt;
    QHash<QString, QString> values;
    for (const QString& name : names) {
        const QVariant value = key.value(name);
        if (value.typeId() == QMetaType::QString)
            values.insert(name, value.toString());
    }
    return values;
}
