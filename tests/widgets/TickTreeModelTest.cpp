#include "widgets/TickTreeModel.h"

#include <QString>

#include <gtest/gtest.h>

namespace {
// Root
// +- A: a1, a2
// +- B: b1
class TickTreeModelTest : public testing::Test {
protected:
    TickTreeModelTest() {
        auto* root = Add(Model.invisibleRootItem(), "Root");
        auto* a = Add(root, "A");
        Add(a, "a1");
        Add(a, "a2");
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

    // The states of Root, A, a1, a2, B, b1 as digits.
    std::string States() const {
        std::string digits;
        for (const char* text : {"Root", "A", "a1", "a2", "B", "b1"})
            digits += std::to_string(static_cast<int>(Model.State(Node(text))));
        return digits;
    }

    TickTreeModel Model;
};

TEST_F(TickTreeModelTest, ATickSpreadsDownAndEveryAncestorSummarisesItsChildren) {
    const struct {
        std::vector<std::pair<const char*, TickState>> Steps;
        std::string Expected; // Root A a1 a2 B b1
    } cases[] = {
        {{}, "333333"},
        {{{"a1", TickState::Unticked}}, "221333"},
        {{{"a1", TickState::Unticked}, {"a2", TickState::Unticked}}, "211133"},
        {{{"A", TickState::Unticked}, {"b1", TickState::Unticked}}, "111111"},
        {{{"Root", TickState::Unticked}, {"a2", TickState::Ticked}}, "221311"},
        {{{"Root", TickState::Unticked}, {"B", TickState::Ticked}}, "211133"},
        {{{"a1", TickState::Unticked}, {"Root", TickState::Ticked}}, "333333"},
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
    EXPECT_EQ(States(), "333333");
    Model.ToggleTick(Node("A"));
    EXPECT_EQ(States(), "211133");
    Model.ClearTicks();
    EXPECT_EQ(States(), "-1-1-1-1-1-1");
    EXPECT_EQ(Model.RootState(), TickState::None);
    EXPECT_EQ(announced, 4);
}
} // namespace
