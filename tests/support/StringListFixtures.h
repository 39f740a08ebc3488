#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// The four forms of string-list data, by their first two bytes.
enum class FixtureListFormat {
    Values,                // FF FF
    ValueComments,         // FE FF
    LanguageValueComments, // FD FF
    LengthPrefixed,        // big-endian count, then length-prefixed values
};

struct FixtureString {
    QByteArray Value{};
    QByteArray Comment{};
    quint8 LanguageCode = 0;
};

// String-list data holding the entries; declaredCount, when not -1, replaces the count.
QByteArray BuildStringList(FixtureListFormat format, const QList<FixtureString>& entries,
                           int declaredCount = -1);

// An IFF file of one STR# chunk per entry, each holding the one value: the game's list of
// its own files has this form, the chunk id naming the kind of file.
QByteArray BuildStringChunksFile(const QList<QPair<int, QByteArray>>& idsAndValues);
