// Feeds arbitrary files to the chunk scans. Besides crashes and sanitizer reports, it stops
// when a chunk's data is larger than the file, out of step with its offsets, or when the
// lookup by type and id disagrees with the listing.
#include "formats/IffChunks.h"
#include "FuzzInputFile.h"

#include <cstdlib>

namespace {
void CheckChunk(const IffChunkInfo& chunk, qint64 fileSize, qint64 previousEnd) {
    const bool consistent = chunk.Offset >= previousEnd && chunk.DataOffset == chunk.Offset + 76 &&
                            chunk.DataSize == chunk.Data.size() &&
                            chunk.DataSize <= chunk.Size - 76 &&
                            chunk.DataOffset + chunk.DataSize <= fileSize;
    if (!consistent)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = FuzzInputFile(data, size);
    const QList<IffChunkInfo> chunks = ListAllIffChunks(file);
    qint64 previousEnd = IffHeaderSize;
    for (const IffChunkInfo& chunk : chunks) {
        CheckChunk(chunk, qint64(size), previousEnd);
        previousEnd = chunk.Offset + chunk.Size;
    }
    if (chunks.isEmpty())
        return 0;
    const IffChunkInfo& last = chunks.last();
    const IffChunkInfo found = FindIffChunk(file, last.Type, last.Id);
    const QList<IffChunkInfo> sameType = ListIffChunks(file, last.Type);
    if (!found.Found() || found.Offset > last.Offset || sameType.isEmpty() ||
        sameType.last().Offset != last.Offset)
        std::abort();
    return 0;
}
