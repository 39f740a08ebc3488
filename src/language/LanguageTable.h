#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One table of a language: entries in the order they were set, a key at most once,
// keys compared without regard to letter case. Values are kept with their escapes.
class LanguageTable {
public:
    // Removes an entry with this key, then appends key = value.
    void Set(const QString& key, const QString& value);
    std::optional<QString> Find(const QString& key) const;
    bool Contains(const QString& key) const { return FIndex.contains(Fold(key)); }
    void Clear();
    qsizetype Size() const { return FIndex.size(); }

    // The entries as lines "key=value", the form language files use.
    QStringList Lines() const;

private:
    struct Entry {
        QString Key;
        QString Value;
        bool Removed = false;
    };
    static QString Fold(const QString& key) { return key.toCaseFolded(); }
    // Replaced entries are only marked, so a file that repeats a key many times still
    // loads in linear time; the list is compacted once the marks outnumber the entries.
    void CompactIfSparse();

    QList<Entry> FEntries;
    QHash<QString, qsizetype> FIndex;
};
