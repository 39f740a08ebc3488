#include "app/TOptionsFrame.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class TOptionsFrameTest : public ::testing::Test {
protected:
    TOptionsFrameTest() {
        Language.SetDefaultLanguage(BuiltInEnglishLines());
        Sandbox.WriteSettings(
            {{u"Expansion"_s, u"1"_s}, {u"Fennick"_s, u"1"_s}, {u"HistoryCount"_s, u"5"_s}});
        Options.ApplyCaptions();
        Options.LoadLanguageSetting();
        Options.LoadSettings();
    }
    template <typename Control> Control* Find(const char* name) const {
        return Options.findChild<Control*>(QLatin1String(name));
    }
    void Click(const char* button) const {
        QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton);
    }
    QString Text(const char* key) const { return Language.GetString(QLatin1String(key)); }

    ShellSandbox Sandbox;
    TLanguage Language;
    ScriptedInteraction User;
    TOptionsFrame Options{Language, User};
};
} // namespace

TEST_F(TOptionsFrameTest, ThePictureBrowserTakesOnlyUsablePictures) {
    const QString before = Find<QLineEdit>("BMPFileLoc")->text();
    User.ExpectFileDialog(
        {.Confirmed = true, .Paths = {Sandbox.WritePicture(u"narrow.bmp"_s, 255, 300)}});
    Click("BrowseBMPFile");
    EXPECT_EQ(User.MessageTexts(), QStringList{Text("BmpSizeError")});
    EXPECT_EQ(Find<QLineEdit>("BMPFileLoc")->text(), before);
    EXPECT_FALSE(Options.OptionsChanged());

    const QString good = Sandbox.WritePicture(u"wide.bmp"_s, 256, 256);
    User.ExpectFileDialog({.Confirmed = true, .Paths = {good}});
    Click("BrowseBMPFile");
    EXPECT_EQ(Find<QLineEdit>("BMPFileLoc")->text(), good);
    EXPECT_TRUE(Options.OptionsChanged());
}

TEST_F(TOptionsFrameTest, ExpansionSwitchesThePackBoxesAndDisabledOnesSaveAsFalse) {
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_FALSE(Options.OptionsChanged());
    EXPECT_TRUE(Find<QCheckBox>("FennickInstalled")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("TevarinInstalled")->isEnabled());
    Click("Expansion");
    EXPECT_FALSE(Find<QCheckBox>("TevarinInstalled")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("FennickInstalled")->isChecked());
    EXPECT_TRUE(Options.OptionsChanged());
    QSignalSpy loaded(&Options, &TOptionsFrame::OnSettingsLoaded);
    Click("SaveOptsBut");
    EXPECT_EQ(loaded.size(), 1);
    EXPECT_FALSE(Options.OptionsChanged());
    EXPECT_EQ(Sandbox.StoredValue(u"Expansion"_s), u"0"_s);
    EXPECT_EQ(Sandbox.StoredValue(u"Fennick"_s), u"0"_s);
    EXPECT_FALSE(Find<QCheckBox>("FennickInstalled")->isChecked());
}

// Defaults are asked for first, with No as the answer Return gives; the search they start
// says what it searches on this system.
TEST_F(TOptionsFrameTest, DefaultsAskFirstAreShownUnsavedAndDiscardBringsBackTheStore) {
    Click("FAOverwrite");
    User.ExpectQuestion(MessageAnswer::No);
    Click("DefaultOpts");
    EXPECT_TRUE(Find<QRadioButton>("FAOverwrite")->isChecked());
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Text, Text("DefaultsWarning"));
    EXPECT_EQ(User.Messages()[0].Default, MessageAnswer::No);

    User.ExpectQuestion(MessageAnswer::Yes);
    User.ExpectQuestion(MessageAnswer::No);
    Click("DefaultOpts");
    EXPECT_EQ(User.MessageTexts(),
              (QStringList{Text("DefaultsWarning"), Text("DefaultsWarning"),
                           Text("VocksRegNotFoundWine"), Text("VocksAutoNotFound")}));
    EXPECT_TRUE(User.Messages()[2].Text.endsWith(
        u"search the drives of your Wine prefix and your home folder?"_s));
    EXPECT_TRUE(Find<QRadioButton>("Ask")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("ScrollingText")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("Expansion")->isChecked());
    EXPECT_EQ(Find<QSpinBox>("HistoryCount")->value(), 20);
    EXPECT_TRUE(Options.OptionsChanged());
    EXPECT_EQ(Sandbox.StoredValue(u"Expansion"_s), u"1"_s);

    Click("CancelOpts");
    EXPECT_TRUE(Find<QCheckBox>("Expansion")->isChecked());
    EXPECT_FALSE(Options.OptionsChanged());
}

TEST_F(TOptionsFrameTest, TheHistoryLimitsShowTheStoreAndAnEditIsSaved) {
    EXPECT_EQ(Find<QSpinBox>("HistoryCount")->value(), 5);
    EXPECT_EQ(Find<QSpinBox>("HistorySpace")->value(), 2048);
    EXPECT_FALSE(Options.OptionsChanged());
    Find<QSpinBox>("HistorySpace")->setValue(512);
    EXPECT_TRUE(Options.OptionsChanged());
    Click("SaveOptsBut");
    EXPECT_EQ(Sandbox.StoredValue(u"HistoryCount"_s), u"5"_s);
    EXPECT_EQ(Sandbox.StoredValue(u"HistoryMegabytes"_s), u"512"_s);
}
