#include "app/location/VocksLocation.h"

#include "app/ShellSandbox.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
const QString RegNotFound = QStringLiteral(
    "The program couldn't find The Vocks in the registry.\r\n\r\nDo you want the program to search "
    "all the fixed drives on your computer?");
const QString AutoNotFound = QStringLiteral("The program couldn't find The Vocks "
                                            "automatically.\r\n\r\nPlease set the location of The "
                                            "Vocks manually.");

class VocksLocationTest : public ::testing::Test {
protected:
    VocksLocationTest() { FLanguage.SetDefaultLanguage(BuiltInEnglishLines()); }

    // The folder as the options show it.
    static QString Shown(const QString& folder) {
        return QDir::toNativeSeparators(QDir(folder).canonicalPath() + u'/');
    }

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
    const QString game = FSandbox.DriveC() + QStringLiteral("/Program Files/Quarn/The Vocks");
    FSandbox.PlaceGame(game, QStringLiteral("VOCKS.exe"));
    FSandbox.WriteGameKey(
        {{QStringLiteral("VOCKS_DATA"), QStringLiteral("C:\\program files\\quarn\\the vocks\\")}});

    EXPECT_EQ(Find(), Shown(game));
    EXPECT_TRUE(FUser.Messages().isEmpty());
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, AGameOfA64BitPrefixIsFoundUnderWow6432Node) {
    const QString game = FSandbox.DriveC() + QStringLiteral("/Games/Vocks");
    FSandbox.PlaceGame(game);
    FSandbox.WriteGameKey({{QStringLiteral("VOCKS_DATA"), QStringLiteral("C:\\Games\\Vocks")}},
                          QStringLiteral("Software\\Wow6432Node\\Quarn\\The Vocks"));
    EXPECT_EQ(Find(), Shown(game));
}

TEST_F(VocksLocationTest, AStaleKeyAsksAndNoEndsWithNothingFound) {
    FSandbox.PlaceGame(FSandbox.DriveC() + QStringLiteral("/Elsewhere"));
    FSandbox.WriteGameKey(
        {{QStringLiteral("VOCKS_DATA"), QStringLiteral("C:\\Program Files\\Quarn\\The Vocks")}});
    FUser.ExpectQuestion(MessageAnswer::No);

    EXPECT_EQ(Find(), std::nullopt);
    ASSERT_EQ(FUser.Messages().size(), 2);
    EXPECT_EQ(FUser.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(FUser.Messages()[0].Text, RegNotFound);
    EXPECT_EQ(FUser.Messages()[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(FUser.Messages()[1].Kind, MessageKind::Error);
    EXPECT_EQ(FUser.Messages()[1].Text, AutoNotFound);
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, TheSearchFindsTheOneCopyAndShowsWhereItLooks) {
    FSandbox.WriteSystemReg("garbage\n[Software\\\\Quarn\\\\The Vocks");
    const QString game = FSandbox.DriveC() + QStringLiteral("/Program Files/Quarn/The Vocks");
    FSandbox.PlaceGame(game, QStringLiteral("vocks.exe"));
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), Shown(game));
    EXPECT_EQ(FUser.MessageTexts(), QStringList({RegNotFound}));
    EXPECT_TRUE(FOffered.isEmpty());
    EXPECT_FALSE(FUser.ProgressOpen());
    const auto& steps = FUser.Progress();
    ASSERT_GE(steps.size(), 4);
    EXPECT_EQ(steps.last().Caption, QStringLiteral("Progress"));
    EXPECT_FALSE(steps.last().BarShown);
    EXPECT_EQ(steps[2].Message,
              QStringLiteral("Searching for The Vocks, please wait...\n\nPreparing..."));
    EXPECT_EQ(steps[3].Message, QStringLiteral("Searching for The Vocks, please wait...\n\n"
                                               "Looking in ") +
                                    Shown(FSandbox.DriveC()));
}

TEST_F(VocksLocationTest, SeveralCopiesAreOfferedDrivesFirstThenHome) {
    const QString top = FSandbox.DriveC() + QStringLiteral("/Vocks");
    const QString deep = FSandbox.DriveC() + QStringLiteral("/A/B/Vocks");
    const QString middle = FSandbox.DriveC() + QStringLiteral("/Z/Vocks");
    const QString home = FSandbox.Home() + QStringLiteral("/Games/Vocks");
    for (const QString& folder : {deep, home, top, middle})
        FSandbox.PlaceGame(folder);
    FSandbox.PlaceGame(FSandbox.Home() + QStringLiteral("/.local/share/Vocks"));
    FUser.ExpectQuestion(MessageAnswer::Yes);
    FChoice = 3;

    EXPECT_EQ(Find(), Shown(home));
    ASSERT_EQ(FOffered.size(), 1);
    EXPECT_EQ(FOffered.first(), QStringList({Shown(top), Shown(middle), Shown(deep), Shown(home)}));
}

TEST_F(VocksLocationTest, ClosingTheChoiceWithoutPickingGivesNothingAndNoMessage) {
    FSandbox.PlaceGame(FSandbox.DriveC() + QStringLiteral("/One"));
    FSandbox.PlaceGame(FSandbox.Home() + QStringLiteral("/Two"));
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FOffered.size(), 1);
    EXPECT_EQ(FUser.MessageTexts(), QStringList({RegNotFound}));
}

TEST_F(VocksLocationTest, ASearchWithoutHitsSaysSo) {
    FSandbox.LinkDrive(QStringLiteral("d:"), FSandbox.Path(QStringLiteral("unplugged")));
    FSandbox.PlaceGame(FSandbox.Home() + QStringLiteral("/.hidden/Vocks"));
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(), QStringList({RegNotFound, AutoNotFound}));
    EXPECT_FALSE(FUser.ProgressOpen());
}

TEST_F(VocksLocationTest, BrowsingAcceptsOnlyAFolderHoldingTheProgram) {
    const QString game = FSandbox.DriveC() + QStringLiteral("/Vocks");
    FSandbox.PlaceGame(game, QStringLiteral("vocks.EXE"));
    FUser.ExpectFileDialog({true, {game}});
    FUser.ExpectFileDialog({true, {FSandbox.Home()}});
    FUser.ExpectFileDialog({false, {}});

    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, QStringLiteral("/old/path/")), Shown(game));
    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, Shown(game)), std::nullopt);
    EXPECT_EQ(BrowseVocksFolder(FLanguage, FUser, Shown(game)), std::nullopt);

    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({QStringLiteral("The vocks was not found in the directory you selected. "
                                          "Please select a different directory.")}));
    EXPECT_EQ(FUser.Messages().first().Kind, MessageKind::Warning);
    const FileDialogRequest& request = FUser.FileDialogs().first();
    EXPECT_EQ(request.Kind, FileDialogKind::Folder);
    EXPECT_EQ(request.Title, QStringLiteral("Select the location of The Vocks"));
    EXPECT_EQ(request.Description, QStringLiteral("Please specify where The Vocks is installed:"));
    EXPECT_EQ(request.InitialPath, QStringLiteral("/old/path/"));
}
