#include "install/InstallTreeModel.h"

#include "install/DownloadOrigin.h"
#include "install/IntakeTree.h"
#include "widgets/TickTreeModel.h"

#include <algorithm>
#include <functional>

namespace {
constexpr int SourcePathRole = Qt::UserRole + 1;
constexpr int KindRole = Qt::UserRole + 2;
constexpr int CommentRole = Qt::UserRole + 3;
constexpr int ShownPathRole = Qt::UserRole + 4;

QStandardItem* MakeItem(TickTreeModel& model, const IntakeTreeNode& node,
                        const TLanguage& language) {
    auto* item = new QStandardItem(node.Text);
    item->setEditable(false);
    if (node.File) {
        item->setText(DownloadRowText(node.File->DisplayName, language));
        item->setToolTip(node.File->DisplayName);
        item->setData(node.File->DisplayName, ShownPathRole);
        item->setData(node.File->SourcePath, SourcePathRole);
        item->setData(ContentKindValue(*node.Kind), KindRole);
    }
    model.SetInitialState(item, TickState::Ticked);
    QList<QStandardItem*> children;
    for (const IntakeTreeNode& child : node.Children)
        children.append(MakeItem(model, child, language));
    // Files sort by the row's text, their own name first, not by the folder they came from.
    std::ranges::stable_sort(children, [](const QStandardItem* a, const QStandardItem* b) {
        return a->text().compare(b->text(), Qt::CaseInsensitive) < 0;
    });
    for (QStandardItem* child : children)
        item->appendRow(child);
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
void Fill(TickTreeModel& model, const IntakeTreeNode& root, const TLanguage& language) {
    model.clear();
    model.appendRow(MakeItem(model, root, language));
}

bool IsFile(const QModelIndex& index) {
    return index.isValid() && index.data(SourcePathRole).isValid();
}

QString ShownPath(const QModelIndex& index) {
    return index.data(ShownPathRole).toString();
}

std::optional<QString> OwnComment(const QModelIndex& index) {
    const QVariant comment = index.data(CommentRole);
    return comment.isValid() ? std::optional(comment.toString()) : std::nullopt;
}

void SetOwnComment(TickTreeModel& model, const QModelIndex& index, const QString& comment) {
    model.setData(index, comment, CommentRole);
}

bool HasOtherOwnComment(const TickTreeModel& model, const QString& comment) {
    bool found = false;
    VisitNodes(model, {}, [&](const QModelIndex& index) {
        const QString own = OwnComment(index).value_or(QString());
        found = found || (!own.isEmpty() && own != comment);
    });
    return found;
}

void ClearOwnComments(TickTreeModel& model, bool typedOnesToo) {
    VisitNodes(model, {}, [&](const QModelIndex& index) {
        if (typedOnesToo || OwnComment(index).value_or(QString()).isEmpty())
            model.setData(index, QVariant(), CommentRole);
    });
}

QList<TickedFile> Ticked(const TickTreeModel& model, const QString& allComment) {
    QList<TickedFile> files;
    VisitNodes(model, {}, [&](const QModelIndex& index) {
        if (!IsFile(index) || model.State(index) != TickState::Ticked)
            return;
        files.append({.SourcePath = index.data(SourcePathRole).toString(),
                      .Kind = static_cast<ContentKind>(index.data(KindRole).toInt()),
                      .DisplayName = ShownPath(index),
                      .Comment = OwnComment(index).value_or(allComment)});
    });
    return files;
}
} // namespace InstallTree
