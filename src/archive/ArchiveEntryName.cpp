#include "archive/ArchiveEntryName.h"

#include "common/PathRules.h"

std::optional<QString> ArchiveEntryFileName(const QString& storedName) {
    const QString bare = BareFileName(storedName);
    // A drive-relative name such as "C:x" keeps its file part only.
    const QString name = bare.mid(bare.lastIndexOf(QLatin1Char(':')) + 1);
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(QChar(0)))
        return std::nullopt;
    return name;
}
