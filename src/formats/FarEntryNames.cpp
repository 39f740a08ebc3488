#include "formats/FarEntryNames.h"

#include "common/PathRules.h"
#include "common/TextDecoding.h"

#include <QStringList>

#include <algorithm>

QString DecodeFarEntryName(const QByteArray& bytes) {
    return Decode8BitText(bytes);
}

QByteArray EncodeFarEntryName(const QString& name) {
    return name.toUtf8();
}

QString FarEntryNameForPath(const QString& path, bool keepPaths) {
    return keepPaths ? QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'))
                     : BareFileName(path);
}

QString FarEntryFilePath(const QString& name, bool keepPaths) {
    return keepPaths ? ToSlashes(name) : BareFileName(name);
}

bool IsSafeFarEntryName(const QString& name) {
    const bool plainCharacters = std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < u' ' || c == QLatin1Char(':');
    });
    if (name.isEmpty() || !plainCharacters)
        return false;
    const QStringList steps = ToSlashes(name).split(QLatin1Char('/'));
    return std::none_of(steps.begin(), steps.end(), [](const QString& step) {
        return step.isEmpty() || step == QLatin1String(".") || step == QLatin1String("..");
    });
}
