#include "app/SettingsEngine.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class SettingsEngineTest : public ::testing::Test {
protected:
    SettingsEngineTest() {
        Language.SetDefaultLanguage(BuiltInEnglishLines());
        Language.LoadFile(Sandbox.ProgramFolder() + u"English.lng"_s);
    }
    QString Text(const char* key) const { return Language.GetString(QLatin1String(key)); }
    // The options as loaded from a store with the given values changed.
    ShownOptions LoadStored(const QHash<QString, QString>& changes = {}) {
        Sandbox.WriteSettings(changes);
        ShownOptions shown;
        Engine.LoadSettings(shown);
        return shown;
    }

    ShellSandbox Sandbox;
    TLanguage Language;
    ScriptedInteraction User;
    SettingsEngine Engine{Language, User, [](const QStringList&) { return QString(); }};
};
} // namespace

TEST_F(SettingsEngineTest, AppliesAValidStoreWithoutAWord) {
    Sandbox.WriteSettings({{u"FileAction"_s, u"1"_s},
                           {u"Expansion"_s, u"1"_s},
                           {u"Ossery"_s, u"1"_s},
                           {u"OnTop"_s, u"1"_s},
                           {u"VocksPath"_s, Sandbox.Path(u"game"_s)}});
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_FALSE(outcome.Warned);
    const AppliedSettings& applied = Engine.Applied();
    EXPECT_EQ(applied.GameFolder, Sandbox.Path(u"game"_s) + QDir::separator());
    EXPECT_EQ(applied.Expansion,
              (ExpansionFlags{.Expansion = true, .Packs = {false, true, false, false, false}}));
    EXPECT_TRUE(applied.OnTop);
    EXPECT_EQ(shown.Action, FileAction::Overwrite);
    EXPECT_EQ(shown.GameFolder, applied.GameFolder);
    EXPECT_TRUE(shown.PacksEnabled);
}

TEST_F(SettingsEngineTest, TheStoredFileActionBecomesTheFileExistsDefault) {
    const struct {
        const char* Stored;
        FileAction Shown;
        FileExistsAnswer Answer;
    } cases[] = {{"0", FileAction::Ask, FileExistsAnswer::Ask},
                 {"1", FileAction::Overwrite, FileExistsAnswer::OverwriteAll},
                 {"2", FileAction::Skip, FileExistsAnswer::SkipAll},
                 {"7", FileAction::Ask, FileExistsAnswer::Ask},
                 {"overwrite", FileAction::Ask, FileExistsAnswer::Ask}};
    for (const auto& item : cases) {
        const ShownOptions shown = LoadStored({{u"FileAction"_s, QLatin1String(item.Stored)}});
        EXPECT_EQ(shown.Action, item.Shown) << item.Stored;
        EXPECT_EQ(Engine.Applied().FileExistsDefault, item.Answer) << item.Stored;
    }
}

TEST_F(SettingsEngineTest, PackValuesCountForNothingWithoutExpansion) {
    Sandbox.WriteSettings({{u"Expansion"_s, u"0"_s}, {u"Tevarin"_s, u"1"_s}});
    ShownOptions shown;
    shown.Expansion = {.Expansion = true, .Packs = {true, true, false, false, false}};
    shown.PacksEnabled = true;
    Engine.LoadSettings(shown);
    EXPECT_EQ(Engine.Applied().Expansion, ExpansionFlags{});
    EXPECT_EQ(shown.Expansion, ExpansionFlags{});
    EXPECT_FALSE(shown.PacksEnabled);
}

TEST_F(SettingsEngineTest, WarnsAboutEachInvalidValueAndKeepsWhatTheControlsShow) {
    Sandbox.WriteSettings({{u"InstallBMP"_s, Sandbox.WriteFile(u"x.jpg"_s, "no image")},
                           {u"Language"_s, Sandbox.Path(u"missing.lng"_s)},
                           {u"VocksPath"_s, Sandbox.GameFolder() + u"Vocks.exe"_s}});
    ShownOptions shown;
    shown.PictureFile = u"typed picture"_s;
    shown.GameFolder = u"typed folder"_s;
    EXPECT_TRUE(Engine.LoadSettings(shown).Warned);
    EXPECT_EQ(User.MessageTexts(), (QStringList{Text("PicFileNotFound"), Text("LangFileNotFound"),
                                                Text("VocksPathNotFound")}));
    EXPECT_EQ(shown.PictureFile, u"typed picture"_s);
    EXPECT_EQ(shown.GameFolder, u"typed folder"_s);
    EXPECT_EQ(shown.LanguageFile, Sandbox.Path(u"missing.lng"_s));
    // The invalid folder is still handed on.
    EXPECT_EQ(Engine.Applied().GameFolder,
              Sandbox.GameFolder() + u"Vocks.exe"_s + QDir::separator());

    EXPECT_FALSE(Engine.CheckStoredSettings());
    EXPECT_EQ(User.Messages().size(), 6);
}

TEST_F(SettingsEngineTest, SavesCheckedValuesOnlyAndTellsWhenTheLanguageChanged) {
    ShownOptions shown = LoadStored();
    shown.Expansion = {.Expansion = true, .Packs = {true, false, false, false, false}};
    shown.PacksEnabled = false;
    shown.LanguageFile =
        Sandbox.WriteFile(u"program/Deutsch.lng"_s, "[Deutsch]\nSave=&Speichern\n");
    SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_TRUE(outcome.Saved);
    EXPECT_TRUE(outcome.LanguageChanged);
    EXPECT_EQ(Sandbox.StoredValue(u"Expansion"_s), u"1"_s);
    // Checked but disabled: not installed.
    EXPECT_EQ(Sandbox.StoredValue(u"Tevarin"_s), u"0"_s);

    shown.LanguageFile = Language.FileName().toUpper();
    QFile::copy(Language.FileName(), shown.LanguageFile);
    EXPECT_FALSE(Engine.SaveSettings(shown).LanguageChanged);
}

TEST_F(SettingsEngineTest, ASaveStopsAtTheFirstInvalidValueWritingNothing) {
    ShownOptions shown = LoadStored();
    shown.PictureFile = Sandbox.WritePicture(u"small.jpg"_s, 255, 300);
    shown.GameFolder = QString();
    const SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_FALSE(outcome.Saved);
    EXPECT_TRUE(outcome.Warned);
    EXPECT_EQ(User.MessageTexts(), QStringList{Text("BmpSizeError")});
    EXPECT_EQ(Sandbox.StoredValue(u"InstallBMP"_s), Sandbox.ProgramFolder() + u"dropimg.jpg"_s);
}

TEST_F(SettingsEngineTest, AStoreThatCannotBeWrittenIsAnErrorAndNoSave) {
    ShownOptions shown = LoadStored();
    Sandbox.WriteFile(u"blocked"_s, "a file where the store's folder should be");
    qputenv("PACKWRIGHT_SETTINGS", QFile::encodeName(Sandbox.Path(u"blocked/settings.ini"_s)));
    const SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_FALSE(outcome.Saved);
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(User.Messages()[0].Text, Text("SaveError"));
}

TEST_F(SettingsEngineTest, FirstRunSavesTheDefaultsFoundThroughTheGamesKey) {
    Sandbox.PlaceGame(Sandbox.DriveC() + u"/Games/The Vocks"_s, u"vocks.exe"_s);
    Sandbox.WriteGameKey({{u"VOCKS_DATA"_s, u"C:\\Games\\The Vocks"_s},
                          {u"EPInstalled"_s, u"1"_s},
                          {u"EP3Installed"_s, u"1"_s},
                          {u"EP5Installed"_s, u"1"_s}});
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_TRUE(outcome.Saved);
    EXPECT_FALSE(outcome.Unsaved);
    EXPECT_EQ(Engine.Applied().FileExistsDefault, FileExistsAnswer::Ask);
    const QString program = Sandbox.ProgramFolder();
    EXPECT_EQ(Sandbox.StoredValues(),
              (QMap<QString, QString>{{u"FileAction"_s, u"0"_s},
                                      {u"InstallBMP"_s, program + u"dropimg.jpg"_s},
                                      {u"Language"_s, program + u"English.lng"_s},
                                      {u"VocksPath"_s, Sandbox.DriveC() + u"/Games/The Vocks/"_s},
                                      {u"Expansion"_s, u"1"_s},
                                      {u"Tevarin"_s, u"1"_s},
                                      {u"Ossery"_s, u"0"_s},
                                      {u"Fennick"_s, u"1"_s},
                                      {u"Glimmet"_s, u"0"_s},
                                      {u"Magic"_s, u"0"_s},
                                      {u"OnTop"_s, u"0"_s},
                                      {u"ScrollingText"_s, u"1"_s},
                                      {u"HistoryCount"_s, u"20"_s},
                                      {u"HistoryMegabytes"_s, u"2048"_s}}));
}

TEST_F(SettingsEngineTest, FirstRunWithoutTheGameSavesNothingAndTriesAgainNextTime) {
    User.ExpectQuestion(MessageAnswer::No);
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_EQ(User.MessageTexts(),
              (QStringList{Text("VocksRegNotFoundWine"), Text("VocksAutoNotFound"),
                           Text("VocksPathNotFound")}));
    EXPECT_TRUE(outcome.Warned);
    EXPECT_TRUE(outcome.Unsaved);
    EXPECT_FALSE(QFile::exists(Sandbox.SettingsFile()));
    EXPECT_EQ(shown.PictureFile,
              QDir::toNativeSeparators(Sandbox.ProgramFolder() + u"dropimg.jpg"_s));
}

TEST_F(SettingsEngineTest, DefaultsKeepTheExpansionBoxesWhenTheKeyNamesNoPack) {
    Sandbox.WriteGameKey({{u"EPInstalled"_s, u"0"_s}});
    User.ExpectQuestion(MessageAnswer::No);
    ShownOptions shown;
    shown.Expansion = {.Expansion = true, .Packs = {false, true, false, false, false}};
    shown.PacksEnabled = true;
    Engine.ApplyDefaults(shown);
    EXPECT_EQ(shown.Expansion,
              (ExpansionFlags{.Expansion = true, .Packs = {false, true, false, false, false}}));
    EXPECT_TRUE(shown.PacksEnabled);
    EXPECT_EQ(shown.Action, FileAction::Ask);
    EXPECT_TRUE(shown.ScrollingText);
}
