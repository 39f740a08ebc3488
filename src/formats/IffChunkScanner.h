#pragma once

#include "formats/IffChunks.h"

#include <QFile>

#include <optional>

// Walks the chunk headers of one open IFF file, reading data only when asked.
class IffChunkScanner {
public:
    // Throws EFileOpenError when the file cannot be opened for reading.
    explicit IffChunkScanner(const QString& fileName);

    // The next chunk's header fields with Data still empty; nothing at the end of the
    // file or at a damaged chunk.
    std::optional<IffChunkInfo> Next();

    // Fills chunk.Data with its DataSize bytes.
    void ReadData(IffChunkInfo& chunk);

private:
    QFile FFile;
    qint64 FFileSize = 0;
    qint64 FPosition = IffHeaderSize;
};
