#include "cli/IffCommands.h"
#include "formats/IffChunks.h"
#include "formats/IffStringList.h"

#include <QFileInfo>

std::optional<int> ParseChunkId(const QString& text) {
    bool ok = false;
    const int id = text.toInt(&ok);
    return ok && id >= 0 && id <= 0xFFFF ? std::optional(id) : std::nullopt;
}

std::optional<int> RefuseNonIffFile(const QString& fileName, CliIo& io) {
    // A missing file is left to the reader, whose error names the reason.
    if (!QFileInfo::exists(fileName) || HasIffSignature(fileName))
        return std::nullopt;
    return io.Fail(QStringLiteral("not an IFF file: %1").arg(fileName));
}

int RunIffList(const QStringList& args, CliIo& io) {
    if (args.size() != 1)
        return ExitBadUsage;
    if (const std::optional<int> refused = RefuseNonIffFile(args[0], io))
        return *refused;
    for (const IffChunkInfo& chunk : ListAllIffChunks(args[0])) {
        io.Record({QString::number(chunk.Offset), chunk.Type, QString::number(chunk.Id),
                   QString::number(chunk.Flags), QString::number(chunk.Size), chunk.Label});
    }
    return ExitSuccess;
}

int RunIffStrings(const QStringList& args, CliIo& io) {
    const std::optional<int> id = ParseChunkId(args.value(2));
    if (args.size() != 3 || args[1].size() != 4 || !id)
        return ExitBadUsage;
    if (const std::optional<int> refused = RefuseNonIffFile(args[0], io))
        return *refused;
    const IffChunkInfo chunk = FindIffChunk(args[0], args[1], *id);
    if (!chunk.Found())
        return io.Fail(QStringLiteral("no %1 chunk with id %2 in %3")
                           .arg(args[1], QString::number(*id), args[0]));
    for (const IffStringEntry& entry : ParseStringList(chunk))
        io.Record({QString::number(entry.LanguageCode), entry.Value, entry.Comment});
    return ExitSuccess;
}
