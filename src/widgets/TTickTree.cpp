#include "widgets/TTickTree.h"

#include "widgets/TickStateDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

namespace {
// Runs a command without moving the selection or the view.
template <typename Command> void KeepingPlace(QTreeView& view, Command command) {
    const int scroll = view.verticalScrollBar()->value();
    const QModelIndex current = view.currentIndex();
    command();
    view.setCurrentIndex(current);
    view.verticalScrollBar()->setValue(scroll);
}
} // namespace

TTickTree::TTickTree(QWidget* parent) : QTreeView(parent), FDelegate(new TickStateDelegate(this)) {
    setHeaderHidden(true);
    // Rows are measured once, not one by one.
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    setItemDelegate(FDelegate);
    setContextMenuPolicy(Qt::CustomContextMenu);
    CreateMenu();
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { FMenu->popup(viewport()->mapToGlobal(at)); });
    connect(this, &QTreeView::collapsed, this, &QAbstractItemView::setCurrentIndex);
    connect(this, &QTreeView::collapsed, this, &TTickTree::FitTextsLater);
    connect(this, &QTreeView::expanded, this, &TTickTree::FitTextsLater);
}

void TTickTree::SetTickModel(TickTreeModel* model) {
    FModel = model;
    setModel(model);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TTickTree::FitTextsLater);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TTickTree::FitTextsLater);
    connect(model, &QAbstractItemModel::modelReset, this, &TTickTree::FitTextsLater);
}

void TTickTree::ScrollLongTextsSideways() {
    // Sized to the contents by FitTextsLater: a header that resizes to its contents by
    // itself measures rows again at every change of a tick.
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setStretchLastSection(false);
    FFitsTexts = true;
    FitTextsLater();
}

void TTickTree::FitTextsLater() {
    if (!FFitsTexts || FFitPending)
        return;
    FFitPending = true;
    QTimer::singleShot(0, this, [this] {
        FFitPending = false;
        resizeColumnToContents(0);
    });
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

void TTickTree::ToggleSelected() {
    if (!FModel || !currentIndex().isValid())
        return;
    KeepingPlace(*this, [&] { FModel->ToggleTick(currentIndex()); });
}

void TTickTree::TickAll(TickState state) {
    if (FModel)
        KeepingPlace(*this, [&] { FModel->SetAllTicks(state); });
}

QModelIndex TTickTree::TickImageAt(const QPoint& at) const {
    const QModelIndex index = indexAt(at);
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return FDelegate->ImageRect(option, index).contains(at) ? index : QModelIndex();
}

void TTickTree::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        ToggleSelected();
        return;
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
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const QModelIndex under = indexAt(at);
        if (under.isValid())
            setCurrentIndex(under);
        return;
    }
    if (const QModelIndex tick = TickImageAt(at);
        event->button() == Qt::LeftButton && tick.isValid()) {
        setCurrentIndex(tick);
        ToggleSelected();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void TTickTree::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !FModel)
        return;
    // The press of the second click on a state image has flipped the tick already.
    if (TickImageAt(event->position().toPoint()).isValid())
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    setExpanded(current, !isExpanded(current));
    KeepingPlace(*this, [&] { FModel->ToggleTick(current); });
}
