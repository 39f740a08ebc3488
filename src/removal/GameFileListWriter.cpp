#include "removal/GameFileListWriter.h"

#include "common/PathRules.h"
#include "formats/ContentKind.h"
#include "formats/GameFileList.h"
#include "formats/IffContainerWriter.h"
#include "formats/IffStringList.h"
#include "removal/ClassifyFoundFile.h"
#include "removal/ContentScan.h"

#include <QDir>

namespace {
// A kind with more names than one list can count gets several chunks of its id.
void AppendChunks(QList<IffChunkToWrite>& chunks, int kind, const QStringList& names) {
    for (qsizetype first = 0; first < names.size(); first += MaxStringListEntries) {
        ValueCommentListWriter list;
        for (const QString& name : names.mid(first, MaxStringListEntries))
            list.Add(name, QString());
        const QString label = QString::fromUtf16(FindContentKind(ContentKind(kind))->ChunkLabel);
        chunks.append({.Type = QByteArrayLiteral("STR#"),
                       .Id = kind,
                       .Flags = 0x10,
                       .Label = label,
                       .Data = *list.Finish()});
    }
}
} // namespace

qsizetype GameFileNames::Count() const {
    qsizetype count = 0;
    for (const auto& [kind, names] : ByKind)
        count += names.size();
    return count;
}

GameFileNames ListGameFiles(const QString& gameFolder) {
    const QString root = WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder));
    GameFileNames names;
    const auto add = [&](const WalkedFile& file, const FoundFileClass& sorted) {
        names.ByKind[ContentKindValue(FoundListOf(sorted.List).Kind)].append(
            file.Path.mid(root.size()).replace(QLatin1Char('/'), QLatin1Char('\\')));
    };
    ForEachContentFile(root, GameFileList(), add);
    return names;
}

bool SaveGameFileList(const GameFileNames& names, const QString& fileName) {
    QList<IffChunkToWrite> chunks;
    for (const auto& [kind, kindNames] : names.ByKind)
        AppendChunks(chunks, kind, kindNames);
    return SaveIffContainer(fileName, chunks);
}
