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

TEST_F(AboutCreditsTest, FramesEachSectionHeadingAndSeparatesEntries) {
    const QStringList lines = CreditsLines(English);
    EXPECT_EQ(lines.mid(0, 5), (QStringList{Rule, QStringLiteral("Credits"), Rule, QString(),
                                            QStringLiteral("Programming")}));
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
}

TEST_F(AboutCreditsTest, FillsEveryMarkAndCreditsTheLibrariesWithTheirLicences) {
    const QString text = CreditsLines(English).join(QLatin1Char('\n'));
    EXPECT_FALSE(text.contains(QStringLiteral("{{"))) << text.toStdString();
    for (const QString& credit :
         {QStringLiteral("Qt 6 (GNU LGPL v3)"),
          QStringLiteral("Zip archives are read with libzip (BSD 3-clause licence)."),
          QStringLiteral("libjpeg (IJG licence)"),
          QStringLiteral("The Vocks Packwright is copyright 2025-2026 the Packwright team.")})
        EXPECT_TRUE(text.contains(credit)) << credit.toStdString();
}
