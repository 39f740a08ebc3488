#include "app/location/VocksLocation.h"

#include "app/ShellSandbox.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/WineRegistryFixtures.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class VocksLocationTest : public ::testing::Test {
protected:
    VocksLocationTest() { FLanguage.SetDefaultLanguage(BuiltInEnglishLines()); }

    // The folder as the options show it.
    static QString Shown(const QString& folder) {
        return QDir::toNativeSeparators(QDir(folder).canonicalPath() + u'/');
    }
    QString Text(const char* key) const { return FLanguage.GetString(QLatin1String(key)); }

    std::optional<QString> Find() {
        return FindVocksFolder(FLanguage, FUser, [this](const QStringList& folders) {
            FOffered.append(folders);
            return FChoice < 0 ? QString() : folders.value(FChoice);
        });
    }

    ShellSandbox FSandbox;
    TLanguage FLanguage;
    ScriptedInteraction FUser;
    QList<QStringList> FOffered;
    int FChoice = -1;
};
} // namespace

TEST_F(VocksLocationTest, TheRegistryKeyNamesTheFolderWithoutAQuestion) {
    const QString plain = FSandbox.DriveC() + u"/Program Files/Quarn/The Vocks"_s;
    const QString wow = FSandbox.DriveC() + u"/Games/Vocks"_s;
    FSandbox.PlaceGame(plain, u"VOCKS.exe"_s);
    FSandbox.PlaceGame(wow);
    const struct {
        QString Key, Data, Folder;
    } cases[] = {{ShellSandbox::GameKey, u"C:\\program files\\quarn\\the vocks\\"_s, plain},
                 {u"Software\\Wow6432Node\\Quarn\\The Vocks"_s, u"C:\\Games\\Vocks"_s, wow}};
    for (const auto& item : cases) {
        FSandbox.WriteGameKey({{u"VOCKS_DATA"_s, item.Data}}, item.Key);
        EXPECT_EQ(Find(), Shown(item.Folder)) << item.Key.toStdString();
    }
    EXPECT_TRUE(FUser.Messages().isEmpty());
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, AStaleKeyAsksAndNoEndsWithNothingFound) {
    FSandbox.PlaceGame(FSandbox.DriveC() + u"/Elsewhere"_s);
    FSandbox.WriteGameKey({{u"VOCKS_DATA"_s, u"C:\\Program Files\\Quarn\\The Vocks"_s}});
    FUser.ExpectQuestion(MessageAnswer::No);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(),
              (QStringList{Text("VocksRegNotFoundWine"), Text("VocksAutoNotFound")}));
    EXPECT_EQ(FUser.Messages()[0].Buttons, MessageButtons::YesNo);
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, TheSearchFindsTheOneCopyAndShowsWhereItLooks) {
    FSandbox.WriteFile(u"wine/system.reg"_s,
                       BuildWineRegistryFile({}) + "garbage\n[Software\\\\Quarn\\\\The Vocks");
    const QString game = FSandbox.DriveC() + u"/Program Files/Quarn/The Vocks"_s;
    FSandbox.PlaceGame(game, u"vocks.exe"_s);
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), Shown(game));
    EXPECT_EQ(FUser.MessageTexts(), QStringList({Text("VocksRegNotFoundWine")}));
    EXPECT_TRUE(FOffered.isEmpty());
    EXPECT_FALSE(FUser.ProgressOpen());
    const auto& steps = FUser.Progress();
    ASSERT_GE(steps.size(), 4);
    EXPECT_TRUE(steps[3].Message.endsWith(Shown(FSandbox.DriveC())))
        << steps[3].Message.toStdString();
}

TEST_F(VocksLocationTest, SeveralCopiesAreOfferedDrivesFirstThenHome) {
    const QString top = FSandbox.DriveC() + u"/Vocks"_s;
    const QString deep = FSandbox.DriveC() + u"/A/B/Vocks"_s;
    const QString middle = FSandbox.DriveC() + u"/Z/Vocks"_s;
    const QString home = FSandbox.Home() + u"/Games/Vocks"_s;
    for (const QString& folder : {deep, home, top, middle})
        FSandbox.PlaceGame(folder);
    FSandbox.PlaceGame(FSandbox.Home() + u"/.local/share/Vocks"_s);
    FUser.ExpectQuestion(MessageAnswer::Yes);
    FUser.ExpectQuestion(MessageAnswer::Yes);
    FChoice = 3;

    EXPECT_EQ(Find(), Shown(home));
    EXPECT_EQ(FOffered,
              QList<QStringList>({{Shown(top), Shown(middle), Shown(deep), Shown(home)}}));
    // Closing the choice without picking gives nothing and says nothing more.
    FChoice = -1;
    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(), QStringList(2, Text("VocksRegNotFoundWine")));
}

TEST_F(VocksLocationTest, ASearchWithoutHitsSaysSo) {
    FSandbox.LinkDrive(u"d:"_s, FSandbox.Path(u"unplugged"_s));
    FSandbox.PlaceGame(FSandbox.Home() + u"/.hidden/Vocks"_s);
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({Text("VocksRegNotFoundWine"), Text("VocksAutoNotFound")}));
    EXPECT_FALSE(FUser.ProgressOpen());
}

// The window hands the search to a worker, which talks through an interaction of its own.
TEST_F(VocksLocationTest, AGivenRunnerRunsTheSearchWithItsOwnInteraction) {
    const QString game = FSandbox.DriveC() + u"/Vocks"_s;
    FSandbox.PlaceGame(game);
    FUser.ExpectQuestion(MessageAnswer::Yes);
    ScriptedInteraction worker;
    int runs = 0;
    const auto runSearch = [&](const VocksSearch& search) {
        ++runs;
        return search(worker);
    };

    EXPECT_EQ(FindVocksFolder(FLanguage, FUser, {}, runSearch), Shown(game));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(FUser.Progress().isEmpty());
    EXPECT_FALSE(worker.Progress().isEmpty());
    EXPECT_FALSE(worker.ProgressOpen());
}

TEST_F(VocksLocationTest, BrowsingAcceptsOnlyAFolderHoldingTheProgram) {
    const QString game = FSandbox.DriveC() + u"/Vocks"_s;
    FSandbox.PlaceGame(game, u"vocks.EXE"_s);
    FUser.ExpectFileDialog({true, {game}});
    FUser.ExpectFileDialog({true, {FSandbox.Home()}});
    FUser.ExpectFileDialog({false, {}});

    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, u"/old/path/"_s), Shown(game));
    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, Shown(game)), std::nullopt);
    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, Shown(game)), std::nullopt);

    EXPECT_EQ(FUser.MessageTexts(), QStringList({Text("BrowseVocksNotFound")}));
    EXPECT_EQ(FUser.FileDialogs().first().Kind, FileDialogKind::Folder);
    EXPECT_EQ(FUser.FileDialogs().first().InitialPath, u"/old/path/"_s);
}
