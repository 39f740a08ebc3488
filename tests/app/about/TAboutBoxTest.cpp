#include "app/about/TAboutBox.h"

#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"
#include "widgets/TAutoScroll.h"

#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class TAboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Master.SetDefaultLanguage(BuiltInEnglishLines());
        Box.SetProdVersion(u"0.4.0b"_s);
        Box.SetLastUpdate(u"Sunday, 9 May 2004"_s);
    }
    QString LabelText(const char* name) const {
        return Box.findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString CreditsText() const { return Box.Credits()->Lines().join(QLatin1Char('\n')); }
    QTimer* CreditsTimer() const { return Box.Credits()->findChild<QTimer*>(u"StepTimer"_s); }

    TLanguage Master;
    TAboutBox Box;
};
} // namespace

TEST_F(TAboutBoxTest, EveryLabelFitsItsTextInALargeFont) {
    Master.LoadStrings({u"Website=Our pages, with news and every release: {{Website}}"_s});
    Master.CopyTo(Box.AboutLanguage());
    QFont large = Box.font();
    large.setPixelSize(22);
    Box.setFont(large);
    Box.show();
    EXPECT_EQ(LabelText("DataLbl"),
              u"Data folder: "_s + qEnvironmentVariable("PACKWRIGHT_HOME") + u'/');
    for (const char* name : {"NameLbl", "DateLbl", "SiteLbl", "DataLbl"}) {
        const QLabel* label = Box.findChild<QLabel*>(QLatin1String(name));
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        EXPECT_TRUE(Box.rect().contains(label->geometry())) << name;
    }
}

TEST_F(TAboutBoxTest, KeepsTranslationsThatHoldTheirMarksAndMendsThoseThatDoNot) {
    Master.LoadStrings({u"[Nederlands]"_s, u"ProdFullName=De Vocks Packwright"_s,
                        u"About=Over het programma"_s, u"LastUpdate=Bijgewerkt: {{Date}}"_s,
                        u"LanguageBy={{Translator}} vertaalde naar {{Language}}"_s,
                        u"Czech=Tsjechisch"_s});
    Master.CopyTo(Box.AboutLanguage());
    EXPECT_EQ(Box.windowTitle(), u"About De Vocks Packwright"_s);
    EXPECT_EQ(LabelText("NameLbl"), u"De Vocks Packwright 0.4.0b"_s);
    EXPECT_EQ(LabelText("DateLbl"), u"Bijgewerkt: Sunday, 9 May 2004"_s);
    EXPECT_TRUE(CreditsText().contains(u"Packwright users vertaalde naar Tsjechisch"_s));
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
