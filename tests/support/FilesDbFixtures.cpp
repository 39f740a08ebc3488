#include "support/FilesDbFixtures.h"

#include "support/IffFixtures.h"
#include "support/StringListFixtures.h"

namespace {
FixtureChunk ListChunk(int id, const QList<FixtureString>& pairs) {
    return {.Type = "STR#",
            .Id = id,
            .Flags = 0x10,
            .Label = "Kind " + QByteArray::number(id),
            .Data = BuildStringList(FixtureListFormat::ValueComments, pairs)};
}
} // namespace

QByteArray BuildFilesDb(const QMap<int, QList<FixtureRecord>>& kinds) {
    QList<FixtureChunk> chunks;
    for (auto kind = kinds.cbegin(); kind != kinds.cend(); ++kind) {
        QList<FixtureString> times;
        QList<FixtureString> comments;
        for (const FixtureRecord& record : kind.value()) {
            times.append({record.FileName.toUtf8(), record.InstalledAt.toUtf8()});
            comments.append({record.FileName.toUtf8(), record.Comment.toUtf8()});
        }
        chunks.append(ListChunk(kind.key(), times));
        chunks.append(ListChunk(kind.key() + 100, comments));
    }
    return BuildIffFile(chunks);
}
