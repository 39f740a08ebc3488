// Feeds arbitrary chunk data to the string-list decoder. Besides crashes and sanitizer
// reports, it stops when a list yields more entries than it has bytes, or when a list of
// value-comment pairs does not read back the same once written again.
#include "formats/IffStringList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
IffChunkInfo ChunkWith(const QByteArray& data) {
    IffChunkInfo chunk;
    chunk.Data = data;
    chunk.DataSize = data.size();
    return chunk;
}

bool SamePairs(const QList<IffStringEntry>& a, const QList<IffStringEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const IffStringEntry& x, const IffStringEntry& y) {
                          return x.Value == y.Value && x.Comment == y.Comment;
                      });
}

void CheckRewrite(const QList<IffStringEntry>& entries) {
    ValueCommentListWriter writer;
    for (const IffStringEntry& entry : entries)
        writer.Add(entry.Value, entry.Comment);
    const std::optional<QByteArray> rewritten = writer.Finish();
    if (!rewritten || !SamePairs(ParseStringList(ChunkWith(*rewritten)), entries))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<IffStringEntry> entries = ParseStringList(ChunkWith(input));
    if (entries.size() > qsizetype(size))
        std::abort();
    if (IsValueCommentList(input))
        CheckRewrite(entries);
    return 0;
}
