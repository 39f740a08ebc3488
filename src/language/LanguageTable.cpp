#include "language/LanguageTable.h"

void LanguageTable::Set(const QString& key, const QString& value) {
    const auto found = FIndex.constFind(Fold(key));
    if (found != FIndex.constEnd()) {
        FEntries[*found].Removed = true;
        CompactIfSparse();
    }
    FIndex.insert(Fold(key), FEntries.size());
    FEntries.append({key, value});
}

std::optional<QString> LanguageTable::Find(const QString& key) const {
    const auto found = FIndex.constFind(Fold(key));
    if (found == FIndex.constEnd())
        return std::nullopt;
    return FEntries[*found].Value;
}

void LanguageTable::Clear() {
    FEntries.clear();
    FIndex.clear();
}

QStringList LanguageTable::Lines() const {
    QStringList lines;
    lines.reserve(FEntries.size());
    for (const Entry& entry : FEntries) {
        if (!entry.Removed)
            lines.append(entry.Key + QLatin1Char('=') + entry.Value);
    }
    return lines;
}

void LanguageTable::CompactIfSparse() {
    if (FEntries.size() < 2 * FIndex.size() + 16)
        return;
    FEntries.removeIf([](const Entry& entry) { return entry.Removed; });
    FIndex.clear();
    for (qsizetype i = 0; i < FEntries.size(); ++i)
        FIndex.insert(Fold(FEntries[i].Key), i);
}
