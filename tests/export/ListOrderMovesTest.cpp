#include "export/ListOrderMoves.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {
// Letters are entries in order, capitals the selected ones.
QList<OrderedList> Entries(const char* letters) {
    QList<OrderedList> entries;
    for (const char* c = letters; *c; ++c)
        entries.append({.Kind = static_cast<ContentKind>(std::tolower(*c)),
                        .Selected = bool(std::isupper(*c))});
    return entries;
}
} // namespace

TEST(ListOrderMoves, SelectedBlocksMoveOnePlaceAndStopAtTheEnds) {
    const struct {
        const char* Before;
        const char* Up;
        const char* Down;
    } cases[] = {
        {"abCDe", "aCDbe", "abeCD"},
        {"ABcdE", "ABcEd", "cABdE"},
        {"aBcDe", "BaDce", "acBeD"},
        {"abcde", "abcde", "abcde"},
    };
    for (const auto& test : cases) {
        QList<OrderedList> up = Entries(test.Before);
        MoveSelectedUp(up);
        EXPECT_EQ(up, Entries(test.Up)) << test.Before;
        QList<OrderedList> down = Entries(test.Before);
        MoveSelectedDown(down);
        EXPECT_EQ(down, Entries(test.Down)) << test.Before;
    }
}
