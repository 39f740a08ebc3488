#pragma once

#include <QHash>
#include <QString>

// The string values of one registry key. Value names compare without regard to letter case,
// as the registry compares them.
class RegistryKeyValues {
public:
    void Set(const QString& name, const QString& value);
    bool Contains(const QString& name) const;
    // The value's text, or an empty text when the key has no such string value.
    QString Value(const QString& name) const;

private:
    QHash<QString, QString> FValues; // keyed by the case-folded name
};
