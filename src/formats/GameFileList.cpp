#include "formats/GameFileList.h"

#include "formats/IffChunks.h"
#include "formats/IffStringList.h"

#include <QFileInfo>

namespace {
QString NameKey(const QString& fileName) {
    return fileName.toCaseFolded();
}
} // namespace

std::optional<GameFileList> GameFileList::Load(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    GameFileList list;
    for (const IffChunkInfo& chunk : ListIffChunks(fileName, u"STR#")) {
        const std::optional<ContentKind> kind = ContentKindFromValue(chunk.Id);
        if (!kind)
            continue;
        QSet<QString>& names = list.FNames[ContentKindValue(*kind)];
        for (const IffStringEntry& entry : ParseStringList(chunk))
            names.insert(NameKey(entry.Value));
    }
    return list;
}

bool GameFileList::Contains(ContentKind kind, const QString& fileName) const {
    return FNames.value(ContentKindValue(kind)).contains(NameKey(fileName));
}

int GameFileList::Count(ContentKind kind) const {
    return static_cast<int>(FNames.value(ContentKindValue(kind)).size());
}
