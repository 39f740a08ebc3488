#pragma once

#include "removal/ContentOutline.h"

#include <QStandardItem>

#include <optional>

// The file a node of the delete tab's tree stands for, kept in the node's own roles; group
// nodes have none.
namespace DeleteNodeInfo {
void Attach(QStandardItem& item, const ContentFileInfo& file);
std::optional<ContentFileInfo> Of(const QStandardItem& item);

// The path of an entry's extracted copy in the temporary folder; empty until extracted.
QString ExtractedPath(const QStandardItem& item);
void SetExtractedPath(QStandardItem& item, const QString& path);
} // namespace DeleteNodeInfo
