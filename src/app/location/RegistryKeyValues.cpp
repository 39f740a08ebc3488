#include "app/location/RegistryKeyValues.h"

void RegistryKeyValues::Set(const QString& name, const QString& value) {
    FValues.insert(name.toCaseFolded(), value);
}

bool RegistryKeyValues::Contains(const QString& name) const {
    return FValues.contains(name.toCaseFolded());
}

QString RegistryKeyValues::Value(const QString& name) const {
    return FValues.value(name.toCaseFolded());
}
