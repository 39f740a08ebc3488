#pragma once

#include "widgets/TickState.h"

#include <QStandardItemModel>

#include <functional>

// A content tree whose nodes carry ticks. A node's tick spreads to everything below it,
// and every node above it shows whether all, some or none of its children are ticked.
// Frames keep their own node data in roles from Qt::UserRole + 1 on. A command announces
// each run of neighbouring changed rows once, so views keep up with trees of any size.
class TickTreeModel : public QStandardItemModel {
    Q_OBJECT

public:
    static constexpr int TickRole = Qt::UserRole;

    using QStandardItemModel::QStandardItemModel;

    TickState State(const QModelIndex& index) const;

    // Sets a node's state without touching any other node (for building a tree).
    void SetInitialState(QStandardItem* item, TickState state);

    // The node and all its descendants get the state (Unticked or Ticked); then each
    // ancestor gets it too when all its children have it, and Partly otherwise.
    void SetTick(const QModelIndex& index, TickState state);

    // Ticked when the node is below Ticked, else Unticked.
    void ToggleTick(const QModelIndex& index);

    // SetTick on every top-level node.
    void SetAllTicks(TickState state);

    // Every node shows no state.
    void ClearTicks();

    // The state of the first top-level node, None for an empty tree.
    TickState RootState() const;

Q_SIGNALS:
    void TicksChanged();

private:
    class Changes;

    // Runs the writes quietly, then announces what they changed.
    void ChangeTicks(const std::function<void(Changes&)>& write);
};
