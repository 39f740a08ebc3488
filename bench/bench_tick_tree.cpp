#include "widgets/TTickTree.h"

#include <QApplication>
#include <QHeaderView>

#include <benchmark/benchmark.h>

// How long the window is busy when the user ticks or unticks the whole tree, expanded and
// shown: the model's change, the view's reaction and the repaint. Files come in groups of
// a hundred under one root, as in a large download. The second argument 1 makes the long
// names scroll sideways, as the install tab's tree does.

namespace {
constexpr int FilesPerGroup = 100;

void FillTree(TickTreeModel& model, int files) {
    auto* root = new QStandardItem(QStringLiteral("Selected Files"));
    model.appendRow(root);
    for (int group = 0; group * FilesPerGroup < files; ++group) {
        auto* node = new QStandardItem(QStringLiteral("Group %1").arg(group));
        root->appendRow(node);
        for (int file = 0; file < FilesPerGroup; ++file)
            node->appendRow(new QStandardItem(
                QStringLiteral("C:/Downloads/Some long folder name/object %1-%2.iff")
                    .arg(group)
                    .arg(file)));
    }
    model.SetAllTicks(TickState::Ticked);
}

void TickWholeTree(benchmark::State& state) {
    TickTreeModel model;
    FillTree(model, static_cast<int>(state.range(0)));
    TTickTree tree;
    tree.SetTickModel(&model);
    if (state.range(1) != 0)
        tree.ScrollLongTextsSideways();
    tree.resize(400, 600);
    tree.expandAll();
    tree.show();
    QApplication::processEvents();
    const QModelIndex root = model.index(0, 0);
    for (auto _ : state) {
        model.ToggleTick(root);
        QApplication::processEvents();
    }
    state.counters["items"] = static_cast<double>(state.range(0));
}
} // namespace

BENCHMARK(TickWholeTree)
    ->ArgsProduct({{2000, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
