#include "formats/IffChunkScanner.h"

#include "formats/ByteOrder.h"
#include "formats/FileOpenError.h"
#include "formats/IffText.h"

namespace {
QString LabelText(QByteArrayView field) {
    const qsizetype end = field.indexOf('\0');
    return DecodeIffText(field.first(end < 0 ? field.size() : end));
}
} // namespace

IffChunkScanner::IffChunkScanner(const QString& fileName) : FFile(fileName) {
    if (!FFile.open(QIODevice::ReadOnly))
        throw EFileOpenError(FFile);
    FFileSize = FFile.size();
}

std::optional<IffChunkInfo> IffChunkScanner::Next() {
    if (FPosition + IffChunkHeaderSize > FFileSize || !FFile.seek(FPosition))
        return std::nullopt;
    const QByteArray header = FFile.read(IffChunkHeaderSize);
    if (header.size() != IffChunkHeaderSize)
        return std::nullopt;
    const QByteArrayView bytes(header);
    IffChunkInfo chunk;
    chunk.Size = BeToInt(bytes.sliced(4), 4);
    if (chunk.Size < IffChunkHeaderSize)
        return std::nullopt;
    chunk.Type = QString::fromLatin1(bytes.first(4));
    chunk.Offset = FPosition;
    chunk.Id = static_cast<int>(BeToInt(bytes.sliced(8), 2));
    chunk.Flags = static_cast<int>(BeToInt(bytes.sliced(10), 2));
    chunk.Label = LabelText(bytes.sliced(12, IffLabelSize));
    chunk.DataOffset = FPosition + IffChunkHeaderSize;
    chunk.DataSize = std::min(chunk.Size - IffChunkHeaderSize, FFileSize - chunk.DataOffset);
    FPosition += chunk.Size;
    return chunk;
}

void IffChunkScanner::ReadData(IffChunkInfo& chunk) {
    if (chunk.DataSize > 0 && FFile.seek(chunk.DataOffset))
        chunk.Data = FFile.read(chunk.DataSize);
    // A file that shrank while it was read holds less than its header promised.
    chunk.DataSize = chunk.Data.size();
}
