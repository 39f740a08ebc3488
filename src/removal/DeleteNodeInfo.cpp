#include "removal/DeleteNodeInfo.h"

#include "widgets/TickTreeModel.h"

namespace {
enum Role {
    KindRole = TickTreeModel::TickRole + 1,
    PathRole,
    NameRole,
    InFarRole,
    ExtractedRole,
    NativePathRole,
};
} // namespace

namespace DeleteNodeInfo {
void Attach(QStandardItem& item, const ContentFileInfo& file) {
    item.setData(ContentKindValue(file.Kind), KindRole);
    item.setData(file.Path, PathRole);
    item.setData(file.Name, NameRole);
    item.setData(file.InFar, InFarRole);
    item.setData(file.NativePath, NativePathRole);
}

std::optional<ContentFileInfo> Of(const QStandardItem& item) {
    const QVariant kind = item.data(KindRole);
    if (!kind.isValid())
        return std::nullopt;
    return ContentFileInfo{.Path = item.data(PathRole).toString(),
                           .Name = item.data(NameRole).toString(),
                           .Kind = ContentKind(kind.toInt()),
                           .InFar = item.data(InFarRole).toBool(),
                           .NativePath = item.data(NativePathRole).toByteArray()};
}

QString ExtractedPath(const QStandardItem& item) {
    return item.data(ExtractedRole).toString();
}

void SetExtractedPath(QStandardItem& item, const QString& path) {
    item.setData(path, ExtractedRole);
}
} // namespace DeleteNodeInfo
