#include "common/CaselessName.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Keys that compare equal must hash equal, or an index would miss a name written in another
// case; the long name takes the path that folds a copy instead of folding on the stack.
TEST(CaselessName, NamesEqualWithoutRegardToCaseAreOneKey) {
    const QString longName(300, u'a');
    const struct {
        QString A, B;
        bool Same;
    } cases[] = {
        {u"GameData/Chair.IFF"_s, u"gamedata/chair.iff"_s, true},
        {u"\u00C9t\u00E9.flr"_s, u"\u00E9T\u00C9.FLR"_s, true},
        {u"\U00010400.skn"_s, u"\U00010428.SKN"_s, true}, // Deseret, outside the basic plane
        {longName, longName.toUpper(), true},
        {u"chair.iff"_s, u"chairs.iff"_s, false},
        {u"chair.iff"_s, u"chalr.iff"_s, false},
    };
    for (const auto& c : cases) {
        const QSet<CaselessName> index{c.A};
        EXPECT_EQ(index.contains(c.B), c.Same) << c.A.toStdString() << " / " << c.B.toStdString();
        if (c.Same) {
            EXPECT_EQ(qHash(CaselessName(c.A), 7), qHash(CaselessName(c.B), 7));
        }
    }
}
