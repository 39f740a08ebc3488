#include "common/CaselessFolderCache.h"

#include "common/PathRules.h"

#include <QDir>
#include <QFileInfo>

CaselessFolderCache::CaselessFolderCache(const QString& root)
    : FRoot(root.isEmpty()
                ? QString()
                : WithTrailingSeparator(ResolveCaseInsensitive(QDir::fromNativeSeparators(root)))) {
}

QString CaselessFolderCache::Resolve(const QString& relative) {
    const QStringList steps = ToSlashes(relative).split(QLatin1Char('/'));
    QString path = FRoot;
    bool onDisk = true;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString step = onDisk ? SpeltOnDisk(path, steps[i], onDisk) : steps[i];
        path += step;
        if (i + 1 < steps.size())
            path += QLatin1Char('/');
    }
    return path;
}

// The entry of folder named so in any letter case, the exact spelling first; the name as
// given, with found cleared, when there is none.
QString CaselessFolderCache::SpeltOnDisk(const QString& folder, const QString& name, bool& found) {
    found = QFileInfo::exists(folder + name);
    if (found)
        return name;
    const QHash<CaselessName, QString>& entries = EntriesOf(folder);
    const auto entry = entries.constFind(CaselessName(name));
    found = entry != entries.constEnd();
    return found ? *entry : name;
}

QString CaselessFolderCache::ExistingEntry(const QString& folder, const QString& name) {
    return EntriesOf(folder).value(CaselessName(name));
}

void CaselessFolderCache::NoteWritten(const QString& folder, const QString& name) {
    EntriesOf(folder).insert(CaselessName(name), name);
}

QHash<CaselessName, QString>& CaselessFolderCache::EntriesOf(const QString& folder) {
    const auto listed = FListings.find(folder);
    if (listed != FListings.end())
        return *listed;
    QHash<CaselessName, QString> entries;
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        entries.insert(CaselessName(name), name);
    return *FListings.insert(folder, std::move(entries));
}
