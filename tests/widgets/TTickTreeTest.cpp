#include "widgets/TTickTree.h"

#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Forty groups of three files, taller than the view.
class TTickTreeTest : public testing::Test {
protected:
    TTickTreeTest() {
        auto* root = new QStandardItem(QStringLiteral("Root"));
        Model.invisibleRootItem()->appendRow(root);
        for (int group = 0; group < 40; ++group) {
            auto* node = new QStandardItem(QStringLiteral("Group %1").arg(group));
            root->appendRow(node);
            for (int file = 0; file < 3; ++file)
                node->appendRow(new QStandardItem(QStringLiteral("file %1").arg(file)));
        }
        Model.SetAllTicks(TickState::Ticked);
        Tree.SetTickModel(&Model);
        Tree.SetMenuCaptions(QStringLiteral("Sel"), QStringLiteral("Desel"), QStringLiteral("All"),
                             QStringLiteral("None"));
        Tree.resize(200, 150);
        Tree.expandAll();
        Tree.show();
    }

    QModelIndex Group(int group) const { return Model.index(group, 0, Model.index(0, 0)); }

    TickTreeModel Model;
    TTickTree Tree;
};

TEST_F(TTickTreeTest, KeysTickAndUntickTheSelectedNode) {
    Tree.setCurrentIndex(Group(2));
    QTest::keyClick(&Tree, Qt::Key_Delete);
    EXPECT_EQ(Model.State(Group(2)), TickState::Unticked);
    EXPECT_EQ(Model.RootState(), TickState::Partly);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        Model.SetTick(Group(2), TickState::Unticked);
        QTest::keyClick(&Tree, key);
        EXPECT_EQ(Model.RootState(), TickState::Ticked) << key;
    }
}

TEST_F(TTickTreeTest, DoubleClickFlipsTheTickAndTheExpansion) {
    Tree.setCurrentIndex(Group(0));
    const QPoint at = Tree.visualRect(Group(0)).center();
    QTest::mouseDClick(Tree.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Model.State(Group(0)), TickState::Unticked);
    EXPECT_FALSE(Tree.isExpanded(Group(0)));
    QTest::mouseDClick(Tree.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Model.State(Group(0)), TickState::Ticked);
    EXPECT_TRUE(Tree.isExpanded(Group(0)));
}

TEST_F(TTickTreeTest, TheMenuActsOnTheRightClickedNodeAndKeepsTheScrollPosition) {
    Tree.scrollTo(Group(30));
    Tree.setCurrentIndex(Group(29));
    QTest::mousePress(Tree.viewport(), Qt::RightButton, {}, Tree.visualRect(Group(30)).center());
    EXPECT_EQ(Tree.currentIndex(), Group(30));
    const int scroll = Tree.verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);
    const QList<QAction*> actions = Tree.findChild<QMenu*>()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[3]->text(), QStringLiteral("None"));
    actions[3]->trigger();
    EXPECT_EQ(Model.RootState(), TickState::Unticked);
    actions[0]->trigger();
    EXPECT_EQ(Model.State(Group(30)), TickState::Ticked);
    EXPECT_EQ(Model.RootState(), TickState::Partly);
    EXPECT_EQ(Tree.currentIndex(), Group(30));
    EXPECT_EQ(Tree.verticalScrollBar()->value(), scroll);
}
} // namespace
