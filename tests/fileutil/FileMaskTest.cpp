#include "fileutil/FileMask.h"

#include <QString>

#include <gtest/gtest.h>

TEST(FileMask, MatchesAsWindowsMasksDo) {
    struct Case {
        const char16_t* Name;
        const char16_t* Mask;
        bool Matches;
    };
    const Case cases[] = {
        {u"chair.iff", u"*.*", true},
        {u"Makefile", u"*.*", true}, // "*.*" also takes names without an extension
        {u".hidden", u"*.*", true},
        {u"CHAIR.IFF", u"*.iff", true},
        {u"chair.iff.bak", u"*.iff", false},
        {u"a.b.iff", u"*.iff", true}, // needs a second try after the first "."
        {u"wall1.wll", u"wall?.wll", true},
        {u"[x].iff", u"[x].*", true}, // brackets are plain letters
        {u"x.iff", u"[x].*", false},
    };
    for (const Case& test : cases)
        EXPECT_EQ(MatchesFileMask(test.Name, test.Mask), test.Matches)
            << QString::fromUtf16(test.Name).toStdString() << " against "
            << QString::fromUtf16(test.Mask).toStdString();
}
