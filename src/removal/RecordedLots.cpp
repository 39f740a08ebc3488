#include "removal/RecordedLots.h"

#include "common/PathRules.h"
#include "fileutil/PathInside.h"
#include "formats/InstalledFilesDb.h"
#include "removal/FoundContent.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool IsRecordedLot(const FoundListInfo& list) {
    return FindContentKind(list.Kind)->Group == ContentKindGroup::Lots;
}
} // namespace

void AddRecordedLots(FoundContent& content, const InstalledFilesDb& db, const QString& gameFolder) {
    const QString root =
        WithTrailingSeparator(QDir::cleanPath(QDir::fromNativeSeparators(gameFolder)));
    for (const FoundListInfo& list : AllFoundLists()) {
        if (!IsRecordedLot(list))
            continue;
        for (int i = 0; i < db.Count(list.Kind); ++i) {
            const QString recorded = db.Get(list.Kind, i).FileName;
            const QString path = QDir::cleanPath(QDir::fromNativeSeparators(recorded));
            const QFileInfo file(path);
            if (!path.startsWith(root, Qt::CaseInsensitive) || !file.isFile() ||
                !LiesInside(path, root))
                continue;
            content.List(list.Id).append(
                {.DisplayName = QDir::toNativeSeparators(path.mid(root.size())),
                 .Path = recorded,
                 .NativePath = {},
                 .FarItems = {},
                 .Size = file.size(),
                 .ModifiedMSecs = file.lastModified().toMSecsSinceEpoch()});
        }
    }
}
