#include "formats/FarEntryNames.h"

#include "common/PathRules.h"

#include <QStringList>

#include <algorithm>

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

bool IsStorableFarEntryName(const QString& name) {
    return IsSafeFarEntryName(name) &&
           std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}
