#include "widgets/TTickTree.h"

#include "widgets/TickStateImages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {
// Draws each node's state image where an icon would go.
class TickStateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant state = index.data(TickTreeModel::TickRole);
        if (!state.isValid())
            return;
        const QPixmap image = TickStateImage(static_cast<TickState>(state.toInt()));
        if (image.isNull())
            return;
        option->icon = QIcon(image);
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = image.size();
    }
};

// Runs a whole-tree command without moving the selection or the view.
template <typename Command> void KeepingPlace(QTreeView& view, Command command) {
    const int scroll = view.verticalScrollBar()->value();
    const QModelIndex current = view.currentIndex();
    command();
    view.setCurrentIndex(current);
    view.verticalScrollBar()->setValue(scroll);
}
} // namespace

TTickTree::TTickTree(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    setItemDelegate(new TickStateDelegate(this));
    setContextMenuPolicy(Qt::CustomContextMenu);
    CreateMenu();
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { FMenu->popup(viewport()->mapToGlobal(at)); });
    connect(this, &QTreeView::collapsed, this, &QAbstractItemView::setCurrentIndex);
}

void TTickTree::SetTickModel(TickTreeModel* model) {
    FModel = model;
    setModel(model);
}

void TTickTree::ScrollLongTextsSideways() {
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
}

void TTickTree::CreateMenu() {
    FMenu = new QMenu(this);
    FSelect = FMenu->addAction(QString(), this, [this] { TickSelected(TickState::Ticked); });
    FSelect->setShortcut(Qt::Key_Space);
    FDeselect = FMenu->addAction(QString(), this, [this] { TickSelected(TickState::Unticked); });
    FDeselect->setShortcut(Qt::Key_Delete);
    FSelectAll = FMenu->addAction(QString(), this, [this] { TickAll(TickState::Ticked); });
    FDeselectAll = FMenu->addAction(QString(), this, [this] { TickAll(TickState::Unticked); });
}

void TTickTree::SetMenuCaptions(const QString& select, const QString& deselect,
                                const QString& selectAll, const QString& deselectAll) {
    FSelect->setText(select);
    FDeselect->setText(deselect);
    FSelectAll->setText(selectAll);
    FDeselectAll->setText(deselectAll);
}

void TTickTree::TickSelected(TickState state) {
    if (!FModel || !currentIndex().isValid())
        return;
    KeepingPlace(*this, [&] { FModel->SetTick(currentIndex(), state); });
}

void TTickTree::TickAll(TickState state) {
    if (FModel)
        KeepingPlace(*this, [&] { FModel->SetAllTicks(state); });
}

void TTickTree::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TickSelected(TickState::Ticked);
        return;
    case Qt::Key_Delete:
        TickSelected(TickState::Unticked);
        return;
    default:
        QTreeView::keyPressEvent(event);
    }
}

void TTickTree::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid())
            setCurrentIndex(under);
        return;
    }
    QTreeView::mousePressEvent(event);
}

void TTickTree::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex current = currentIndex();
    if (event->button() != Qt::LeftButton || !FModel || !current.isValid())
        return;
    setExpanded(current, !isExpanded(current));
    KeepingPlace(*this, [&] { FModel->ToggleTick(current); });
}
