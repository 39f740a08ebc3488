#include "formats/FilesDbFile.h"

#include "common/CaselessName.h"
#include "common/DayCountDate.h"
#include "formats/IffChunks.h"
#include "formats/IffStringList.h"
#include "formats/IffText.h"
#include "formats/InstalledFilePresence.h"
#include "formats/InstalledFilesDb.h"

#include <QHash>

namespace {
constexpr int CommentsIdOffset = 100;
constexpr int ListFlags = 0x0010;
const QString CommentsLabelSuffix = QStringLiteral(" (Comments)");

// The first chunk of each id, as a lookup by id would find it.
QHash<int, const IffChunkInfo*> FirstChunkById(const QList<IffChunkInfo>& chunks) {
    QHash<int, const IffChunkInfo*> first;
    for (const IffChunkInfo& chunk : chunks) {
        if (!first.contains(chunk.Id))
            first.insert(chunk.Id, &chunk);
    }
    return first;
}

// The comments chunk lists the same names in the same order as the times chunk, so the
// comment is normally found at the record's own position; only a file that differs needs
// the lookup by name, in which a repeated name takes the later comment, as the later
// record replaces the earlier one.
// Entries stay undecoded until a record asks for its comment. The views point into the
// chunk, which outlives the lookup.
class CommentLookup {
public:
    explicit CommentLookup(const IffChunkInfo* chunk) {
        if (chunk && IsValueCommentList(chunk->Data))
            ForEachStringListEntry(chunk->Data, [this](const IffStringEntryBytes& entry) {
                FEntries.push_back(entry);
            });
    }

    QString Find(size_t position, const QString& fileName) {
        if (position < FEntries.size() && DecodeIffText(FEntries[position].Value) == fileName)
            return DecodeIffText(FEntries[position].Comment);
        if (FByName.isEmpty()) {
            for (const IffStringEntryBytes& entry : FEntries)
                FByName.insert(DecodeIffText(entry.Value), DecodeIffText(entry.Comment));
        }
        return FByName.value(fileName);
    }

private:
    std::vector<IffStringEntryBytes> FEntries;
    QHash<CaselessName, QString> FByName;
};

// A damaged time is kept as day 0 rather than losing the record with its comment.
double InstalledAtFromBytes(QByteArrayView text) {
    return ParseDayCount(QLatin1StringView(text)).value_or(0);
}

// False when a record was left out.
bool ReadKind(ContentKind kind, const QHash<int, const IffChunkInfo*>& chunks,
              InstalledFilePresence& presence,
              const std::function<void(ContentKind, InstalledFileRecord)>& add) {
    const int id = ContentKindValue(kind);
    const IffChunkInfo* names = chunks.value(id);
    if (!names || !IsValueCommentList(names->Data))
        return true;
    CommentLookup comments(chunks.value(id + CommentsIdOffset));
    size_t position = 0;
    bool complete = true;
    ForEachStringListEntry(names->Data, [&](const IffStringEntryBytes& entry) {
        const QString fileName = DecodeIffText(entry.Value);
        if (presence.StillThere(kind, fileName))
            add(kind,
                {fileName, comments.Find(position, fileName), InstalledAtFromBytes(entry.Comment)});
        else
            complete = false;
        ++position;
    });
    return complete;
}

std::optional<IffChunkToWrite> ListChunk(int id, const QString& label,
                                         const ValueCommentListWriter& list) {
    std::optional<QByteArray> data = list.Finish();
    if (!data)
        return std::nullopt;
    return IffChunkToWrite{QByteArrayLiteral("STR#"), id, ListFlags, label, std::move(*data)};
}

// The two chunks of one kind, or nothing when its list is too long.
std::optional<QList<IffChunkToWrite>> KindChunks(const InstalledFilesDb& db,
                                                 const ContentKindInfo& info) {
    ValueCommentListWriter times;
    ValueCommentListWriter comments;
    for (int i = 0; i < db.Count(info.Kind); ++i) {
        const InstalledFileRecord record = db.Get(info.Kind, i);
        times.Add(record.FileName, FormatDayCount(record.InstalledAt));
        comments.Add(record.FileName, record.Comment);
    }
    const int id = ContentKindValue(info.Kind);
    const QString label = QString::fromUtf16(info.ChunkLabel);
    std::optional<IffChunkToWrite> timesChunk = ListChunk(id, label, times);
    std::optional<IffChunkToWrite> commentsChunk =
        ListChunk(id + CommentsIdOffset, label + CommentsLabelSuffix, comments);
    if (!timesChunk || !commentsChunk)
        return std::nullopt;
    return QList<IffChunkToWrite>{std::move(*timesChunk), std::move(*commentsChunk)};
}
} // namespace

bool ReadFilesDb(const QString& fileName,
                 const std::function<void(ContentKind, InstalledFileRecord)>& add) {
    const QList<IffChunkInfo> chunks = ListIffChunks(fileName, u"STR#");
    const QHash<int, const IffChunkInfo*> firstById = FirstChunkById(chunks);
    InstalledFilePresence presence;
    bool complete = true;
    for (const ContentKindInfo& info : AllContentKinds())
        complete = ReadKind(info.Kind, firstById, presence, add) && complete;
    return complete;
}

std::optional<QList<IffChunkToWrite>> FilesDbChunks(const InstalledFilesDb& db) {
    QList<IffChunkToWrite> chunks;
    for (const ContentKindInfo& info : AllContentKinds()) {
        if (db.Count(info.Kind) == 0)
            continue;
        std::optional<QList<IffChunkToWrite>> kindChunks = KindChunks(db, info);
        if (!kindChunks)
            return std::nullopt;
        chunks += std::move(*kindChunks);
    }
    return chunks;
}
