#pragma once

#include "formats/ContentKind.h"

#include <QString>

// One file the user ticked for installing.
struct TickedFile {
    // Where the file lies on disk (an archive entry once extracted).
    QString SourcePath;
    ContentKind Kind = ContentKind::Objects;
    // The name the tree shows; for an archive entry the archive's path and the entry name.
    QString DisplayName;
    QString Comment;

    friend bool operator==(const TickedFile&, const TickedFile&) = default;
};
