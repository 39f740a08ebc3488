#pragma once

#include "common/CaselessName.h"
#include "formats/ContentKind.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

// The names of the files the game itself ships, by kind, read from QuarnFiles.iff: its
// STR# chunks list names under the kind given by the chunk id. Content found in the game
// folder under one of these names is the game's own, not custom content.
class GameFileList {
public:
    // Nothing when the file does not exist; throws EFileOpenError when it cannot be read.
    static std::optional<GameFileList> Load(const QString& fileName);

    // Whether the game ships a file of this name as this kind: letter case does not count,
    // nor whether the list or the caller separates folders with "\" or "/".
    bool Contains(ContentKind kind, const QString& fileName) const;
    int Count(ContentKind kind) const;

private:
    // Names by kind value.
    QHash<int, QSet<CaselessName>> FNames;
};
