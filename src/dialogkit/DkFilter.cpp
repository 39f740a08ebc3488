#include "dialogkit/DkFilter.h"

namespace {
// A mask as QFileDialog matches it: every letter in both cases, since file names compare
// without regard to case; "*.*" also matches names without a dot, as it does on Windows.
QString QtMask(const QString& mask) {
    if (mask == u"*.*")
        return QStringLiteral("*");
    QString converted;
    for (const QChar c : mask) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            converted += c;
        else
            converted += QLatin1Char('[') + lower + upper + QLatin1Char(']');
    }
    return converted;
}

QStringList QtMasks(const QString& masks) {
    QStringList converted;
    for (const QString& mask : masks.split(QLatin1Char(';'))) {
        const QString trimmed = mask.trimmed();
        if (!trimmed.isEmpty())
            converted.append(QtMask(trimmed));
    }
    return converted;
}
} // namespace

QStringList DkNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList masks = QtMasks(parts[i + 1]);
        if (!masks.isEmpty())
            filters.append(parts[i].trimmed() + QStringLiteral(" (") +
                           masks.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}
