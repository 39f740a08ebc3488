#include "formats/GameFileList.h"

#include "common/PathRules.h"
#include "formats/IffChunks.h"
#include "formats/IffStringList.h"

#include <QFileInfo>

std::optional<GameFileList> GameFileList::Load(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    GameFileList list;
    for (const IffChunkInfo& chunk : ListIffChunks(fileName, u"STR#")) {
        const std::optional<ContentKind> kind = ContentKindFromValue(chunk.Id);
        if (!kind)
            continue;
        QSet<CaselessName>& names = list.FNames[ContentKindValue(*kind)];
        QList<IffStringEntry> entries = ParseStringList(chunk);
        names.reserve(names.size() + entries.size());
        // Moved, each name's separators are replaced in place rather than in a copy.
        for (IffStringEntry& entry : entries)
            names.insert(ToSlashes(std::move(entry.Value)));
    }
    return list;
}

bool GameFileList::Contains(ContentKind kind, const QString& fileName) const {
    const auto names = FNames.constFind(ContentKindValue(kind));
    return names != FNames.constEnd() && names->contains(ToSlashes(fileName));
}

int GameFileList::Count(ContentKind kind) const {
    return static_cast<int>(FNames.value(ContentKindValue(kind)).size());
}
