#include "app/about/AboutCredits.h"

#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString Rule = u"------------"_s;

QStringList FramedHeadings(const QStringList& lines) {
    QStringList headings;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        if (lines[i - 1] == Rule && lines[i + 1] == Rule)
            headings.append(lines[i]);
    return headings;
}

class AboutCreditsTest : public ::testing::Test {
protected:
    void SetUp() override { English.SetDefaultLanguage(BuiltInEnglishLines()); }
    TLanguage English;
};
} // namespace

TEST_F(AboutCreditsTest, FramesEachSectionHeadingSeparatesEntriesAndFillsEveryMark) {
    const QStringList lines = CreditsLines(English);
    EXPECT_EQ(FramedHeadings(lines),
              (QStringList{u"Credits"_s, u"Translations"_s, u"Testing"_s, u"Made using"_s,
                           u"Thanks to"_s, u"Copyrights"_s}));
    const qsizetype czech = lines.indexOf(u"Czech: Packwright users"_s);
    ASSERT_GT(czech, 0);
    EXPECT_EQ(lines.mid(czech - 2, 5), (QStringList{u"English (UK): The Packwright team"_s,
                                                    QString(), u"Czech: Packwright users"_s,
                                                    QString(), u"Danish: Packwright users"_s}));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(u"{{"_s));
    const qsizetype zip =
        lines.indexOf(u"Zip archives are read with libzip (BSD 3-clause licence)."_s);
    ASSERT_GT(zip, 0);
    EXPECT_EQ(
        lines.mid(zip + 1, 2),
        (QStringList{QString(), u"7z, RAR and tar archives are read with libarchive (BSD 2-clause "
                                "licence)."_s}));
}

TEST_F(AboutCreditsTest, NamesTheGroupsOfPeopleInTheLoadedLanguage) {
    English.LoadStrings({u"CreditsUsers=Packwright-Nutzer"_s, u"CreditsTeam=Das Packwright-Team"_s,
                         u"VocksMakers=seinen Herstellern"_s});
    const QStringList lines = CreditsLines(English);
    EXPECT_TRUE(lines.contains(u"Czech: Packwright-Nutzer"_s));
    EXPECT_TRUE(lines.contains(u"English (UK): Das Packwright-Team"_s));
    EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(u"by seinen Herstellern;"_s));
    EXPECT_EQ(lines.last(), u"\u2014 Das Packwright-Team"_s);
}
