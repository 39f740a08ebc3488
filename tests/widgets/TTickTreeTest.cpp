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

TEST_F(TTickTreeTest, SpaceFlipsEnterTicksAndDeleteUnticksTheSelectedNode) {
    const struct {
        Qt::Key Key;
        TickState Before;
        TickState After;
    } cases[] = {
        {Qt::Key_Space, TickState::Ticked, TickState::Unticked},
        {Qt::Key_Space, TickState::Unticked, TickState::Ticked},
        {Qt::Key_Return, TickState::Unticked, TickState::Ticked},
        {Qt::Key_Return, TickState::Ticked, TickState::Ticked},
        {Qt::Key_Delete, TickState::Ticked, TickState::Unticked},
        {Qt::Key_Delete, TickState::Unticked, TickState::Unticked},
    };
    Tree.setCurrentIndex(Group(2));
    for (const auto& item : cases) {
        Model.SetTick(Group(2), item.Before);
        QTest::keyClick(&Tree, item.Key);
        EXPECT_EQ(Model.State(Group(2)), item.After) << item.Key;
        EXPECT_EQ(Model.RootState(),
                  item.After == TickState::Ticked ? TickState::Ticked : TickState::Partly)
            << item.Key;
    }
}

TEST_F(TTickTreeTest, AClickOnTheStateImageFlipsTheTickAndAClickOnTheTextSelects) {
    const auto image = [&](int group) {
        const QRect row = Tree.visualRect(Group(group));
        return QPoint(row.left() + 8, row.center().y());
    };
    Tree.setCurrentIndex(Model.index(0, 0));
    QTest::mouseClick(Tree.viewport(), Qt::LeftButton, {}, image(0));
    EXPECT_EQ(Model.State(Group(0)), TickState::Unticked);
    EXPECT_EQ(Model.RootState(), TickState::Partly);
    EXPECT_EQ(Tree.currentIndex(), Group(0));
    QTest::mouseClick(Tree.viewport(), Qt::LeftButton, {}, image(1));
    QTest::mouseClick(Tree.viewport(), Qt::LeftButton, {}, image(0));
    EXPECT_EQ(Model.State(Group(0)), TickState::Ticked);
    EXPECT_EQ(Model.State(Group(1)), TickState::Unticked);
    EXPECT_EQ(Tree.currentIndex(), Group(0));
    // The double click adds nothing to the flips of its two clicks; the node stays open.
    QTest::mouseDClick(Tree.viewport(), Qt::LeftButton, {}, image(1));
    EXPECT_EQ(Model.State(Group(1)), TickState::Unticked);
    EXPECT_TRUE(Tree.isExpanded(Group(1)));

    const QRect text = Tree.visualRect(Model.index(0, 0));
    QTest::mouseClick(Tree.viewport(), Qt::LeftButton, {},
                      QPoint(text.left() + 40, text.center().y()));
    EXPECT_EQ(Tree.currentIndex(), Model.index(0, 0));
    EXPECT_EQ(Model.RootState(), TickState::Partly);
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

TEST(TTickTreeTexts, ALongTextScrollsSidewaysAndTicksLeaveTheWidthAlone) {
    TickTreeModel model;
    const QString name =
        QStringLiteral("C:/Downloads/") + QString(60, u'x') + QStringLiteral(".iff");
    auto* root = new QStandardItem(QStringLiteral("Root"));
    model.invisibleRootItem()->appendRow(root);
    TTickTree tree;
    tree.SetTickModel(&model);
    tree.ScrollLongTextsSideways();
    tree.resize(200, 150);
    tree.show();
    root->appendRow(new QStandardItem(name));
    model.SetAllTicks(TickState::Ticked);
    tree.expandAll();
    QCoreApplication::processEvents();
    const int width = tree.columnWidth(0);
    EXPECT_GT(width, tree.fontMetrics().horizontalAdvance(name));
    EXPECT_GT(tree.horizontalScrollBar()->maximum(), 0);
    model.SetAllTicks(TickState::Unticked);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.columnWidth(0), width);
}
} // namespace
