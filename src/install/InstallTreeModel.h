#pragma once

#include "install/TickedFile.h"

#include <QList>
#include <QString>

#include <optional>

class QModelIndex;
class TickTreeModel;
struct IntakeTreeNode;

// The install tab's tree kept in a TickTreeModel: file nodes carry their source path,
// kind and own comment in roles of their own.
namespace InstallTree {
// Replaces the model's nodes with the tree, every node ticked.
void Fill(TickTreeModel& model, const IntakeTreeNode& root);

// True for a file node (one without children).
bool IsFile(const QModelIndex& index);

// The file's own comment, if it has one.
std::optional<QString> OwnComment(const QModelIndex& index);
void SetOwnComment(TickTreeModel& model, const QModelIndex& index, const QString& comment);
// Every file loses its own comment, so the comment for all applies to each.
void ClearOwnComments(TickTreeModel& model);

// The ticked files in tree order, each with its own comment or else allComment.
QList<TickedFile> Ticked(const TickTreeModel& model, const QString& allComment);
} // namespace InstallTree
