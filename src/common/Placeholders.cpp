#include "common/Placeholders.h"

namespace {
QString Mark(QStringView name) {
    return QStringLiteral("{{") + name.toString() + QStringLiteral("}}");
}
} // namespace

QString ReplacePlaceholder(QString text, QStringView name, const QString& value) {
    // A literal, case-insensitive replace: names never act as patterns.
    return text.replace(Mark(name), value, Qt::CaseInsensitive);
}

bool HasPlaceholder(QStringView text, QStringView name) {
    return text.contains(Mark(name), Qt::CaseInsensitive);
}
