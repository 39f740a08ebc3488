#include "widgets/TickTreeModel.h"

#include <QSignalBlocker>

#include <vector>

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

// The writes of one command and the runs of neighbouring rows they changed.
class TickTreeModel::Changes {
public:
    // The item's children and everything below them get the state.
    void SetDescendants(QStandardItem* item, TickState state) {
        // Siblings first, so that the changed ones form runs.
        for (int row = 0; row < item->rowCount(); ++row)
            Set(item->child(row), state);
        for (int row = 0; row < item->rowCount(); ++row)
            SetDescendants(item->child(row), state);
    }

    // Each ancestor gets the state when all its children have it, and Partly otherwise.
    void RecomputeAncestors(QStandardItem* item, TickState state) {
        for (; item; item = item->parent())
            Set(item, AllChildrenHave(item, state) ? state : TickState::Partly);
    }

    void Set(QStandardItem* item, TickState state) {
        if (StateOf(item) == state)
            return;
        item->setData(static_cast<int>(state), TickRole);
        Run* last = FRuns.empty() ? nullptr : &FRuns.back();
        if (last && last->Last->parent() == item->parent() && last->Last->row() + 1 == item->row())
            last->Last = item;
        else
            FRuns.push_back({item, item});
    }

    void Announce(TickTreeModel& model) const {
        for (const Run& run : FRuns)
            Q_EMIT model.dataChanged(run.First->index(), run.Last->index(), {TickRole});
    }

private:
    struct Run {
        QStandardItem* First;
        QStandardItem* Last;
    };
    std::vector<Run> FRuns;
};

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
    ChangeTicks([&](Changes& changes) {
        changes.Set(item, state);
        changes.SetDescendants(item, state);
        changes.RecomputeAncestors(item->parent(), state);
    });
}

void TickTreeModel::ToggleTick(const QModelIndex& index) {
    SetTick(index, State(index) == TickState::Ticked ? TickState::Unticked : TickState::Ticked);
}

void TickTreeModel::SetAllTicks(TickState state) {
    ChangeTicks([&](Changes& changes) { changes.SetDescendants(invisibleRootItem(), state); });
}

void TickTreeModel::ClearTicks() {
    SetAllTicks(TickState::None);
}

TickState TickTreeModel::RootState() const {
    return rowCount() > 0 ? StateOf(item(0)) : TickState::None;
}

void TickTreeModel::ChangeTicks(const std::function<void(Changes&)>& write) {
    Changes changes;
    {
        // Each item would announce its own change, and a view answers every announcement
        // by measuring rows again; the runs are announced below instead.
        const QSignalBlocker quiet(this);
        write(changes);
    }
    changes.Announce(*this);
    Q_EMIT TicksChanged();
}
