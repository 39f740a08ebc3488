#pragma once

#include "install/TickedFile.h"

#include <QList>
#include <QString>

#include <optional>

class QModelIndex;
class TLanguage;
class TickTreeModel;
struct IntakeTreeNode;

// The install tab's tree kept in a TickTreeModel: file nodes carry their source path,
// kind and own comment in roles of their own.
namespace InstallTree {
// Replaces the model's nodes with the tree, every node ticked; a file's row shows its name
// and where it came from, its full path in the tooltip.
void Fill(TickTreeModel& model, const IntakeTreeNode& root, const TLanguage& language);

// True for a file node (one without children).
bool IsFile(const QModelIndex& index);

// The path shown for a file: the download's path, for an archive entry the archive's.
QString ShownPath(const QModelIndex& index);

// The file's own comment, if it has one.
std::optional<QString> OwnComment(const QModelIndex& index);
void SetOwnComment(TickTreeModel& model, const QModelIndex& index, const QString& comment);
// True when a file has a comment of its own that is neither empty nor this one.
bool HasOtherOwnComment(const TickTreeModel& model, const QString& comment);
// Files lose their own comments, so that the comment for all applies to them: every file,
// or with typedOnesToo false only those whose own comment is empty.
void ClearOwnComments(TickTreeModel& model, bool typedOnesToo);

// The ticked files in tree order, each with its own comment or else allComment.
QList<TickedFile> Ticked(const TickTreeModel& model, const QString& allComment);
} // namespace InstallTree
