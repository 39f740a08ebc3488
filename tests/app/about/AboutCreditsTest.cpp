#include "app/about/AboutCredits.h"

#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
const QString Rule = QStringLiteral("------------");

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
              (QStringList{QStringLiteral("Credits"), QStringLiteral("Translations"),
                           QStringLiteral("Testing"), QStringLiteral("Made using"),
                           QStringLiteral("Thanks to"), QStringLiteral("Copyrights")}));
    const qsizetype czech = lines.indexOf(QStringLiteral("Czech: Packwright users"));
    ASSERT_GT(czech, 0);
    EXPECT_EQ(lines.mid(czech - 2, 5),
              (QStringList{QStringLiteral("English (UK): The Packwright team"), QString(),
                           QStringLiteral("Czech: Packwright users"), QString(),
                           QStringLiteral("Danish: Packwright users")}));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("{{")));
}
