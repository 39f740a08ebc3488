#include "widgets/TickTreeModel.h"

#include <QString>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Root
// +- A: a1, a2, a3
// +- B: b1
class TickTreeModelTest : public testing::Test {
protected:
    TickTreeModelTest() {
        auto* root = Add(Model.invisibleRootItem(), "Root");
        auto* a = Add(root, "A");
        Add(a, "a1");
        Add(a, "a2");
        Add(a, "a3");
        Add(Add(root, "B"), "b1");
        Model.SetAllTicks(TickState::Ticked);
    }

    QStandardItem* Add(QStandardItem* parent, const char* text) {
        auto* item = new QStandardItem(QString::fromLatin1(text));
        parent->appendRow(item);
        return item;
    }

    QModelIndex Node(const char* text) const {
        return Model
            .match(Model.index(0, 0), Qt::DisplayRole, QString::fromLatin1(text), 1,
                   Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }

    // The states of Root, A, a1, a2, a3, B, b1 as digits.
    std::string States() const {
        std::string digits;
        for (const char* text : {"Root", "A", "a1", "a2", "a3", "B", "b1"})
            digits += std::to_string(static_cast<int>(Model.State(Node(text))));
        return digits;
    }

    TickTreeModel Model;
};

TEST_F(TickTreeModelTest, ATickSpreadsDownAndEveryAncestorSummarisesItsChildren) {
    const struct {
        std::vector<std::pair<const char*, TickState>> Steps;
        std::string Expected; // Root A a1 a2 a3 B b1
    } cases[] = {
        {{}, "3333333"},
        {{{"a1", TickState::Unticked}}, "2213333"},
        {{{"a1", TickState::Unticked}, {"a3", TickState::Unticked}}, "2213133"},
        {{{"a1", TickState::Unticked}, {"a2", TickState::Unticked}, {"a3", TickState::Unticked}},
         "2111133"},
        {{{"A", TickState::Unticked}, {"b1", TickState::Unticked}}, "1111111"},
        {{{"Root", TickState::Unticked}, {"a2", TickState::Ticked}}, "2213111"},
        {{{"Root", TickState::Unticked}, {"B", TickState::Ticked}}, "2111133"},
        {{{"a1", TickState::Unticked}, {"Root", TickState::Ticked}}, "3333333"},
    };
    for (const auto& item : cases) {
        Model.SetAllTicks(TickState::Ticked);
        for (const auto& [node, state] : item.Steps)
            Model.SetTick(Node(node), state);
        EXPECT_EQ(States(), item.Expected) << "after " << item.Steps.size() << " step(s)";
    }
}

TEST_F(TickTreeModelTest, ToggleTicksAPartlyTickedNodeUnticksATickedOneAndAnnouncesEachChange) {
    int announced = 0;
    QObject::connect(&Model, &TickTreeModel::TicksChanged, [&] { ++announced; });
    Model.SetTick(Node("a1"), TickState::Unticked);
    Model.ToggleTick(Node("A"));
    EXPECT_EQ(States(), "3333333");
    Model.ToggleTick(Node("A"));
    EXPECT_EQ(States(), "2111133");
    Model.ClearTicks();
    EXPECT_EQ(States(), "-1-1-1-1-1-1-1");
    EXPECT_EQ(Model.RootState(), TickState::None);
    EXPECT_EQ(announced, 4);
}

// A view re-measures rows for every announcement, so a command announces each run of
// neighbouring changed rows of one parent once, as "parent:first-last" ("-" is the top).
TEST_F(TickTreeModelTest, ACommandAnnouncesEachRunOfChangedSiblingsOnce) {
    const struct {
        std::vector<std::pair<const char*, TickState>> Before;
        const char* Node; // nullptr: the whole tree
        TickState State;
        QStringList Expected;
    } cases[] = {
        {{}, "Root", TickState::Unticked, {u"-:0-0"_s, u"A:0-2"_s, u"B:0-0"_s, u"Root:0-1"_s}},
        {{}, nullptr, TickState::Unticked, {u"-:0-0"_s, u"A:0-2"_s, u"B:0-0"_s, u"Root:0-1"_s}},
        {{}, "a2", TickState::Unticked, {u"-:0-0"_s, u"A:1-1"_s, u"Root:0-0"_s}},
        {{{"a1", TickState::Unticked}}, "a2", TickState::Unticked, {u"A:1-1"_s}},
        {{{"a1", TickState::Unticked}, {"a3", TickState::Unticked}},
         "A",
         TickState::Ticked,
         {u"-:0-0"_s, u"A:0-0"_s, u"A:2-2"_s, u"Root:0-0"_s}},
        {{}, "B", TickState::Ticked, {}},
    };
    for (const auto& item : cases) {
        Model.SetAllTicks(TickState::Ticked);
        for (const auto& [node, state] : item.Before)
            Model.SetTick(Node(node), state);
        QStringList announced;
        const QMetaObject::Connection counting = QObject::connect(
            &Model, &QAbstractItemModel::dataChanged,
            [&](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                EXPECT_EQ(first.parent(), last.parent());
                EXPECT_TRUE(roles.contains(TickTreeModel::TickRole));
                const QString parent = first.parent().data().toString();
                announced.append(QStringLiteral("%1:%2-%3")
                                     .arg(parent.isEmpty() ? QStringLiteral("-") : parent)
                                     .arg(first.row())
                                     .arg(last.row()));
            });
        if (item.Node)
            Model.SetTick(Node(item.Node), item.State);
        else
            Model.SetAllTicks(item.State);
        QObject::disconnect(counting);
        announced.sort();
        EXPECT_EQ(announced, item.Expected) << (item.Node ? item.Node : "whole tree");
    }
}
} // namespace
