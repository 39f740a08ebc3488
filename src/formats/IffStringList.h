#pragma once

#include "formats/IffChunks.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// One entry of a string-list chunk (STR#, CTSS).
struct IffStringEntry {
    quint8 LanguageCode = 0;
    QString Value;
    QString Comment;
};

// One entry as its bytes lie in the data, not yet decoded; valid as long as the data is.
struct IffStringEntryBytes {
    quint8 LanguageCode = 0;
    QByteArrayView Value;
    QByteArrayView Comment;
};

// The entries of a string-list chunk's data. A count larger than the data holds gives as
// many entries as the data has.
QList<IffStringEntry> ParseStringList(const IffChunkInfo& info);
// The same entries in order, undecoded, for readers of long lists that need only part of
// each entry or decode it their own way.
void ForEachStringListEntry(QByteArrayView data,
                            const std::function<void(const IffStringEntryBytes&)>& visit);

// True when the data holds value-and-comment pairs, the form the database writes.
bool IsValueCommentList(const QByteArray& data);

// The most entries a string list can count.
constexpr qsizetype MaxStringListEntries = 0xFFFF;

// Builds the data of a value-and-comment string list.
class ValueCommentListWriter {
public:
    void Add(const QString& value, const QString& comment);
    // The data; nothing when the list holds more entries than its count can say.
    std::optional<QByteArray> Finish() const;

private:
    QByteArray FEntries;
    qsizetype FCount = 0;
};
