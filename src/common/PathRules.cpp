#include "common/PathRules.h"

#include <QDir>
#include <QFileInfo>

QString WithTrailingSeparator(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path;
    return path + QLatin1Char('/');
}

QString BareFileName(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString ToSlashes(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

namespace {
// The entry of folder whose name equals name in any case; name itself when none does.
QString MatchEntry(const QString& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        QFileInfo::exists(folder + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (SameName(entry, name))
            return entry;
    }
    return name;
}
} // namespace

QString ResolveCaseInsensitive(const QString& path) {
    const QString slashed = QDir::fromNativeSeparators(path);
    const QStringList parts = slashed.split(QLatin1Char('/'));
    QString resolved = parts.first() + QLatin1Char('/');
    bool onDisk = QFileInfo(resolved).isDir();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString name = onDisk ? MatchEntry(resolved, parts[i]) : parts[i];
        resolved += name;
        if (i + 1 < parts.size())
            resolved += QLatin1Char('/');
        onDisk = onDisk && QFileInfo(resolved).isDir();
    }
    return parts.size() == 1 ? parts.first() : resolved;
}

QString FindExistingCaseInsensitive(const QString& path) {
    const QString resolved = ResolveCaseInsensitive(path);
    return QFileInfo::exists(resolved) ? resolved : QString();
}

QString JoinCaseInsensitive(const QString& base, const QString& relative) {
    return ResolveCaseInsensitive(WithTrailingSeparator(QDir::fromNativeSeparators(base)) +
                                  ToSlashes(relative));
}

QString CanonicalWhereExists(const QString& path) {
    const QString absolute =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    QString rest;
    for (QString head = absolute;;) {
        const QString canonical = QFileInfo(head).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical + rest;
        const qsizetype cut = head.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return absolute;
        rest = head.mid(cut) + rest;
        head = head.left(cut);
    }
}
