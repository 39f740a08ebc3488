#include "install/InstallTreeModel.h"

#include "install/IntakeTree.h"
#include "widgets/TickTreeModel.h"

#include <functional>

namespace {
constexpr int SourcePathRole = Qt::UserRole + 1;
constexpr int KindRole = Qt::UserRole + 2;
constexpr int CommentRole = Qt::UserRole + 3;

QStandardItem* MakeItem(TickTreeModel& model, const IntakeTreeNode& node) {
    auto* item = new QStandardItem(node.Text);
    item->setEditable(false);
    if (node.File) {
        item->setData(node.File->SourcePath, SourcePathRole);
        item->setData(ContentKindValue(*node.Kind), KindRole);
    }
    model.SetInitialState(item, TickState::Ticked);
    for (const IntakeTreeNode& child : node.Children)
        item->appendRow(MakeItem(model, child));
    return item;
}

// Calls visit for every node below parent, depth first in tree order.
void VisitNodes(const QAbstractItemModel& model, const QModelIndex& parent,
                const std::function<void(const QModelIndex&)>& visit) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        visit(index);
        VisitNodes(model, index, visit);
    }
}
} // namespace

namespace InstallTree {
void Fill(TickTreeModel& model, const IntakeTreeNode& root) {
    model.clear();
    model.appendRow(MakeItem(model, root));
}

bool IsFile(const QModelIndex& index) {
    return index.isValid() && index.data(SourcePathRole).isValid();
}

std::optional<QString> OwnComment(const QModelIndex& index) {
    const QVariant comment = index.data(CommentRole);
    return comment.isValid() ? std::optional(comment.toString()) : std::nullopt;
}

void SetOwnComment(TickTreeModel& model, const QModelIndex& index, const QString& comment) {
    model.setData(index, comment, CommentRole);
}

void ClearOwnComments(TickTreeModel& model) {
    VisitNodes(model, {},
               [&](const QModelIndex& index) { model.setData(index, QVariant(), CommentRole); });
}

QList<TickedFile> Ticked(const TickTreeModel& model, const QString& allComment) {
    QList<TickedFile> files;
    VisitNodes(model, {}, [&](const QModelIndex& index) {
        if (!IsFile(index) || model.State(index) != TickState::Ticked)
            return;
        files.append({.SourcePath = index.data(SourcePathRole).toString(),
                      .Kind = static_cast<ContentKind>(index.data(KindRole).toInt()),
                      .DisplayName = index.data().toString(),
                      .Comment = OwnComment(index).value_or(allComment)});
    });
    return files;
}
} // namespace InstallTree
