#include "app/SettingsEngine.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
class SettingsEngineTest : public ::testing::Test {
protected:
    SettingsEngineTest() {
        Language.SetDefaultLanguage(BuiltInEnglishLines());
        Language.LoadFile(Sandbox.ProgramFolder() + QStringLiteral("English.lng"));
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
    Sandbox.WriteSettings({{QStringLiteral("FileAction"), QStringLiteral("1")},
                           {QStringLiteral("Expansion"), QStringLiteral("1")},
                           {QStringLiteral("Ossery"), QStringLiteral("1")},
                           {QStringLiteral("OnTop"), QStringLiteral("1")},
                           {QStringLiteral("VocksPath"), Sandbox.Path(QStringLiteral("game"))}});
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_FALSE(outcome.Warned);
    const AppliedSettings& applied = Engine.Applied();
    EXPECT_EQ(applied.GameFolder, Sandbox.Path(QStringLiteral("game")) + QDir::separator());
    EXPECT_EQ(applied.Expansion,
              (ExpansionFlags{.Expansion = true, .Packs = {false, true, false, false, false}}));
    EXPECT_TRUE(applied.OnTop);
    EXPECT_EQ(shown.Action, FileAction::Overwrite);
    EXPECT_EQ(shown.GameFolder, applied.GameFolder);
    EXPECT_TRUE(shown.PacksEnabled);
}

TEST_F(SettingsEngineTest, TheStoredFileActionBecomesTheFileExistsAnswerCode) {
    // The codes the file-exists dialog answers with: -1 ask, 1 skip all, 4 overwrite all.
    const struct {
        const char* Stored;
        FileAction Shown;
        int Answer;
    } cases[] = {{"0", FileAction::Ask, -1},
                 {"1", FileAction::Overwrite, 4},
                 {"2", FileAction::Skip, 1},
                 {"7", FileAction::Ask, -1},
                 {"overwrite", FileAction::Ask, -1}};
    for (const auto& item : cases) {
        const ShownOptions shown =
            LoadStored({{QStringLiteral("FileAction"), QLatin1String(item.Stored)}});
        EXPECT_EQ(shown.Action, item.Shown) << item.Stored;
        EXPECT_EQ(Engine.Applied().FileExistsDefault, item.Answer) << item.Stored;
    }
}

TEST_F(SettingsEngineTest, PackValuesCountForNothingWithoutExpansion) {
    Sandbox.WriteSettings({{QStringLiteral("Expansion"), QStringLiteral("0")},
                           {QStringLiteral("Tevarin"), QStringLiteral("1")}});
    ShownOptions shown;
    shown.Expansion = {.Expansion = true, .Packs = {true, true, false, false, false}};
    shown.PacksEnabled = true;
    Engine.LoadSettings(shown);
    EXPECT_EQ(Engine.Applied().Expansion, ExpansionFlags{});
    EXPECT_EQ(shown.Expansion, ExpansionFlags{});
    EXPECT_FALSE(shown.PacksEnabled);
}

TEST_F(SettingsEngineTest, WarnsAboutEachInvalidValueAndKeepsWhatTheControlsShow) {
    Sandbox.WriteSettings(
        {{QStringLiteral("InstallBMP"), Sandbox.WriteFile(QStringLiteral("x.jpg"), "no image")},
         {QStringLiteral("Language"), Sandbox.Path(QStringLiteral("missing.lng"))},
         {QStringLiteral("VocksPath"), Sandbox.GameFolder() + QStringLiteral("Vocks.exe")}});
    ShownOptions shown;
    shown.PictureFile = QStringLiteral("typed picture");
    shown.GameFolder = QStringLiteral("typed folder");
    EXPECT_TRUE(Engine.LoadSettings(shown).Warned);
    EXPECT_EQ(User.MessageTexts(), (QStringList{Text("PicFileNotFound"), Text("LangFileNotFound"),
                                                Text("VocksPathNotFound")}));
    EXPECT_EQ(shown.PictureFile, QStringLiteral("typed picture"));
    EXPECT_EQ(shown.GameFolder, QStringLiteral("typed folder"));
    EXPECT_EQ(shown.LanguageFile, Sandbox.Path(QStringLiteral("missing.lng")));
    // The invalid folder is still handed on.
    EXPECT_EQ(Engine.Applied().GameFolder,
              Sandbox.GameFolder() + QStringLiteral("Vocks.exe") + QDir::separator());

    EXPECT_FALSE(Engine.CheckStoredSettings());
    EXPECT_EQ(User.Messages().size(), 6);
}

TEST_F(SettingsEngineTest, SavesCheckedValuesOnlyAndTellsWhenTheLanguageChanged) {
    ShownOptions shown = LoadStored();
    shown.Expansion = {.Expansion = true, .Packs = {true, false, false, false, false}};
    shown.PacksEnabled = false;
    shown.LanguageFile =
        Sandbox.WriteFile(QStringLiteral("program/Deutsch.lng"), "[Deutsch]\nSave=&Speichern\n");
    SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_TRUE(outcome.Saved);
    EXPECT_TRUE(outcome.LanguageChanged);
    EXPECT_EQ(Sandbox.StoredValue(QStringLiteral("Expansion")), QStringLiteral("1"));
    // Checked but disabled: not installed.
    EXPECT_EQ(Sandbox.StoredValue(QStringLiteral("Tevarin")), QStringLiteral("0"));

    shown.LanguageFile = Language.FileName().toUpper();
    QFile::copy(Language.FileName(), shown.LanguageFile);
    EXPECT_FALSE(Engine.SaveSettings(shown).LanguageChanged);
}

TEST_F(SettingsEngineTest, ASaveStopsAtTheFirstInvalidValueWritingNothing) {
    ShownOptions shown = LoadStored();
    shown.PictureFile = Sandbox.WritePicture(QStringLiteral("small.jpg"), 255, 300);
    shown.GameFolder = QString();
    const SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_FALSE(outcome.Saved);
    EXPECT_TRUE(outcome.Warned);
    EXPECT_EQ(User.MessageTexts(), QStringList{Text("BmpSizeError")});
    EXPECT_EQ(Sandbox.StoredValue(QStringLiteral("InstallBMP")),
              Sandbox.ProgramFolder() + QStringLiteral("dropimg.jpg"));
}

TEST_F(SettingsEngineTest, AStoreThatCannotBeWrittenIsAnErrorAndNoSave) {
    ShownOptions shown = LoadStored();
    Sandbox.WriteFile(QStringLiteral("blocked"), "a file where the store's folder should be");
    qputenv("PACKWRIGHT_SETTINGS",
            QFile::encodeName(Sandbox.Path(QStringLiteral("blocked/settings.ini"))));
    const SettingsOutcome outcome = Engine.SaveSettings(shown);
    EXPECT_FALSE(outcome.Saved);
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(User.Messages()[0].Text, Text("SaveError"));
}

TEST_F(SettingsEngineTest, FirstRunSavesTheDefaultsFoundThroughTheGamesKey) {
    Sandbox.PlaceGame(Sandbox.DriveC() + QStringLiteral("/Games/The Vocks"),
                      QStringLiteral("vocks.exe"));
    Sandbox.WriteGameKey({{QStringLiteral("VOCKS_DATA"), QStringLiteral("C:\\Games\\The Vocks")},
                          {QStringLiteral("EPInstalled"), QStringLiteral("1")},
                          {QStringLiteral("EP3Installed"), QStringLiteral("1")},
                          {QStringLiteral("EP5Installed"), QStringLiteral("1")}});
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_TRUE(outcome.Saved);
    EXPECT_FALSE(outcome.Unsaved);
    EXPECT_EQ(Engine.Applied().FileExistsDefault, -1);
    const QString program = Sandbox.ProgramFolder();
    EXPECT_EQ(
        Sandbox.StoredValues(),
        (QMap<QString, QString>{
            {QStringLiteral("FileAction"), QStringLiteral("0")},
            {QStringLiteral("InstallBMP"), program + QStringLiteral("dropimg.jpg")},
            {QStringLiteral("Language"), program + QStringLiteral("English.lng")},
            {QStringLiteral("VocksPath"), Sandbox.DriveC() + QStringLiteral("/Games/The Vocks/")},
            {QStringLiteral("Expansion"), QStringLiteral("1")},
            {QStringLiteral("Tevarin"), QStringLiteral("1")},
            {QStringLiteral("Ossery"), QStringLiteral("0")},
            {QStringLiteral("Fennick"), QStringLiteral("1")},
            {QStringLiteral("Glimmet"), QStringLiteral("0")},
            {QStringLiteral("Magic"), QStringLiteral("0")},
            {QStringLiteral("OnTop"), QStringLiteral("0")},
            {QStringLiteral("ScrollingText"), QStringLiteral("1")}}));
}

TEST_F(SettingsEngineTest, FirstRunWithoutTheGameSavesNothingAndTriesAgainNextTime) {
    User.ExpectQuestion(MessageAnswer::No);
    ShownOptions shown;
    const SettingsOutcome outcome = Engine.LoadSettings(shown);
    EXPECT_EQ(User.MessageTexts(), (QStringList{Text("VocksRegNotFound"), Text("VocksAutoNotFound"),
                                                Text("VocksPathNotFound")}));
    EXPECT_TRUE(outcome.Warned);
    EXPECT_TRUE(outcome.Unsaved);
    EXPECT_FALSE(QFile::exists(Sandbox.SettingsFile()));
    EXPECT_EQ(shown.PictureFile,
              QDir::toNativeSeparators(Sandbox.ProgramFolder() + QStringLiteral("dropimg.jpg")));
}

TEST_F(SettingsEngineTest, DefaultsKeepTheExpansionBoxesWhenTheKeyNamesNoPack) {
    Sandbox.WriteGameKey({{QStringLiteral("EPInstalled"), QStringLiteral("0")}});
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
