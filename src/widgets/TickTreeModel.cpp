#include "widgets/TickTreeModel.h"

namespace {
TickState StateOf(const QStandardItem* item) {
    const QVariant value = item->data(TickTreeModel::TickRole);
    return value.isValid() ? static_cast<TickState>(value.toInt()) : TickState::None;
}

bool AllChildrenHave(const QStandardItem* parent, TickState state) {
    for (int row = 0; row < parent->rowCount(); ++row) {
        if (StateOf(parent->child(row)) != state)
            return false;
    }
    return true;
}
} // namespace

TickState TickTreeModel::State(const QModelIndex& index) const {
    const QStandardItem* item = itemFromIndex(index);
    return item ? StateOf(item) : TickState::None;
}

void TickTreeModel::SetInitialState(QStandardItem* item, TickState state) {
    item->setData(static_cast<int>(state), TickRole);
}

void TickTreeModel::SetTick(const QModelIndex& index, TickState state) {
    QStandardItem* item = itemFromIndex(index);
    if (!item)
        return;
    SetSubtree(item, state);
    RecomputeAncestors(item->parent(), state);
    Q_EMIT TicksChanged();
}

void TickTreeModel::ToggleTick(const QModelIndex& index) {
    SetTick(index, State(index) == TickState::Ticked ? TickState::Unticked : TickState::Ticked);
}

void TickTreeModel::SetAllTicks(TickState state) {
    QStandardItem* root = invisibleRootItem();
    for (int row = 0; row < root->rowCount(); ++row)
        SetSubtree(root->child(row), state);
    Q_EMIT TicksChanged();
}

void TickTreeModel::ClearTicks() {
    SetAllTicks(TickState::None);
}

TickState TickTreeModel::RootState() const {
    return rowCount() > 0 ? StateOf(item(0)) : TickState::None;
}

void TickTreeModel::SetSubtree(QStandardItem* item, TickState state) {
    SetInitialState(item, state);
    for (int row = 0; row < item->rowCount(); ++row)
        SetSubtree(item->child(row), state);
}

void TickTreeModel::RecomputeAncestors(QStandardItem* item, TickState state) {
    for (; item; item = item->parent())
        SetInitialState(item, AllChildrenHave(item, state) ? state : TickState::Partly);
}
