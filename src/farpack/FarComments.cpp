#include "farpack/FarComments.h"

#include "formats/InstalledFilesDb.h"

FarComments::FarComments(const InstalledFilesDb& db) {
    for (int i = 0; i < db.Count(ContentKind::FarFiles); ++i) {
        const InstalledFileRecord record = db.Get(ContentKind::FarFiles, i);
        FComments.insert(CaselessName(record.FileName), record.Comment);
    }
}

std::optional<QString> FarComments::CommentOf(const QString& archivePath) const {
    const auto found = FComments.constFind(CaselessName(archivePath));
    return found == FComments.constEnd() ? std::nullopt : std::optional(*found);
}
