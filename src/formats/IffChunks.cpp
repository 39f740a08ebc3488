#include "formats/IffChunks.h"

#include "formats/IffChunkScanner.h"

#include <QFile>

#include <functional>

namespace {
QList<IffChunkInfo> ListMatching(const QString& fileName,
                                 const std::function<bool(const IffChunkInfo&)>& wanted) {
    IffChunkScanner scanner(fileName);
    QList<IffChunkInfo> chunks;
    while (std::optional<IffChunkInfo> chunk = scanner.Next()) {
        if (!wanted(*chunk))
            continue;
        scanner.ReadData(*chunk);
        chunks.append(std::move(*chunk));
    }
    return chunks;
}
} // namespace

IffChunkInfo FindIffChunk(const QString& fileName, QStringView type, int id) {
    IffChunkScanner scanner(fileName);
    while (std::optional<IffChunkInfo> chunk = scanner.Next()) {
        if (chunk->Type == type && chunk->Id == id) {
            scanner.ReadData(*chunk);
            return std::move(*chunk);
        }
    }
    return {};
}

QList<IffChunkInfo> ListIffChunks(const QString& fileName, QStringView type) {
    return ListMatching(fileName, [type](const IffChunkInfo& chunk) { return chunk.Type == type; });
}

QList<IffChunkInfo> ListAllIffChunks(const QString& fileName) {
    return ListMatching(fileName, [](const IffChunkInfo&) { return true; });
}

bool HasIffSignature(const QString& fileName) {
    static const QByteArray signature = QByteArrayLiteral("IFF FILE");
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(signature.size()) == signature;
}
