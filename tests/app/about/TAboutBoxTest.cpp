#include "app/about/TAboutBox.h"

#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"
#include "widgets/TAutoScroll.h"

#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class TAboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Master.SetDefaultLanguage(BuiltInEnglishLines());
        Box.SetProdVersion(QStringLiteral("0.4.0b"));
        Box.SetLastUpdate(QStringLiteral("Sunday, 9 May 2004"));
    }
    QString LabelText(const char* name) const {
        return Box.findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString CreditsText() const { return Box.Credits()->Lines().join(QLatin1Char('\n')); }
    QTimer* CreditsTimer() const {
        return Box.Credits()->findChild<QTimer*>(QStringLiteral("StepTimer"));
    }

    TLanguage Master;
    TAboutBox Box;
};
} // namespace

TEST_F(TAboutBoxTest, EveryLabelFitsItsTextInALargeFont) {
    Master.LoadStrings(
        {QStringLiteral("Website=Our pages, with news and every release: {{Website}}")});
    Master.CopyTo(Box.AboutLanguage());
    QFont large = Box.font();
    large.setPixelSize(22);
    Box.setFont(large);
    Box.show();
    for (const char* name : {"NameLbl", "DateLbl", "SiteLbl"}) {
        const QLabel* label = Box.findChild<QLabel*>(QLatin1String(name));
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        EXPECT_TRUE(Box.rect().contains(label->geometry())) << name;
    }
}

TEST_F(TAboutBoxTest, KeepsTranslationsThatHoldTheirMarksAndMendsThoseThatDoNot) {
    Master.LoadStrings({QStringLiteral("[Nederlands]"),
                        QStringLiteral("ProdFullName=De Vocks Packwright"),
                        QStringLiteral("About=Over het programma"),
                        QStringLiteral("LastUpdate=Bijgewerkt: {{Date}}"),
                        QStringLiteral("LanguageBy={{Translator}} vertaalde naar {{Language}}"),
                        QStringLiteral("Czech=Tsjechisch")});
    Master.CopyTo(Box.AboutLanguage());
    EXPECT_EQ(Box.windowTitle(), QStringLiteral("About De Vocks Packwright"));
    EXPECT_EQ(LabelText("NameLbl"), QStringLiteral("De Vocks Packwright 0.4.0b"));
    EXPECT_EQ(LabelText("DateLbl"), QStringLiteral("Bijgewerkt: Sunday, 9 May 2004"));
    EXPECT_TRUE(
        CreditsText().contains(QStringLiteral("Packwright users vertaalde naar Tsjechisch")));
}

TEST_F(TAboutBoxTest, CreditsRestAtTheirEndThenPauseBrieflyAtEachWrap) {
    EXPECT_FALSE(CreditsTimer()->isActive()) << "the credits wait until the box is shown";
    Box.show();
    TAutoScroll& credits = *Box.Credits();
    EXPECT_EQ(credits.Position(), 0);
    EXPECT_TRUE(CreditsTimer()->isActive());

    const int rest = credits.ScrollLength() - 113 / 2 - 45;
    credits.SetPosition(rest - 2);
    credits.DoScroll();
    EXPECT_FALSE(credits.Paused());
    credits.DoScroll();
    EXPECT_EQ(credits.Position(), rest);
    EXPECT_TRUE(credits.Paused());
    credits.ScrollAgain();
    EXPECT_EQ(credits.PauseTime(), 1000);

    Box.hide();
    EXPECT_FALSE(CreditsTimer()->isActive());
    credits.SetPosition(200);
    Box.show();
    EXPECT_EQ(credits.Position(), 0) << "every showing starts from the top";
}
