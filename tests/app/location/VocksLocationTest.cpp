#include "app/location/VocksLocation.h"

#include "app/ShellSandbox.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>

#include <gtest/gtest.h>

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
    const QString plain = FSandbox.DriveC() + QStringLiteral("/Program Files/Quarn/The Vocks");
    const QString wow = FSandbox.DriveC() + QStringLiteral("/Games/Vocks");
    FSandbox.PlaceGame(plain, QStringLiteral("VOCKS.exe"));
    FSandbox.PlaceGame(wow);
    const struct {
        QString Key, Data, Folder;
    } cases[] = {
        {ShellSandbox::GameKey, QStringLiteral("C:\\program files\\quarn\\the vocks\\"), plain},
        {QStringLiteral("Software\\Wow6432Node\\Quarn\\The Vocks"),
         QStringLiteral("C:\\Games\\Vocks"), wow}};
    for (const auto& item : cases) {
        FSandbox.WriteGameKey({{QStringLiteral("VOCKS_DATA"), item.Data}}, item.Key);
        EXPECT_EQ(Find(), Shown(item.Folder)) << item.Key.toStdString();
    }
    EXPECT_TRUE(FUser.Messages().isEmpty());
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, AStaleKeyAsksAndNoEndsWithNothingFound) {
    FSandbox.PlaceGame(FSandbox.DriveC() + QStringLiteral("/Elsewhere"));
    FSandbox.WriteGameKey(
        {{QStringLiteral("VOCKS_DATA"), QStringLiteral("C:\\Program Files\\Quarn\\The Vocks")}});
    FUser.ExpectQuestion(MessageAnswer::No);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(),
              (QStringList{Text("VocksRegNotFound"), Text("VocksAutoNotFound")}));
    EXPECT_EQ(FUser.Messages()[0].Buttons, MessageButtons::YesNo);
    EXPECT_TRUE(FUser.Progress().isEmpty());
}

TEST_F(VocksLocationTest, TheSearchFindsTheOneCopyAndShowsWhereItLooks) {
    FSandbox.WriteSystemReg("garbage\n[Software\\\\Quarn\\\\The Vocks");
    const QString game = FSandbox.DriveC() + QStringLiteral("/Program Files/Quarn/The Vocks");
    FSandbox.PlaceGame(game, QStringLiteral("vocks.exe"));
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), Shown(game));
    EXPECT_EQ(FUser.MessageTexts(), QStringList({Text("VocksRegNotFound")}));
    EXPECT_TRUE(FOffered.isEmpty());
    EXPECT_FALSE(FUser.ProgressOpen());
    const auto& steps = FUser.Progress();
    ASSERT_GE(steps.size(), 4);
    EXPECT_TRUE(steps[3].Message.endsWith(Shown(FSandbox.DriveC()))) << steps[3].Message.toStdString();
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
    FUser.ExpectQuestion(MessageAnswer::Yes);
    FChoice = 3;

    EXPECT_EQ(Find(), Shown(home));
    EXPECT_EQ(FOffered,
              QList<QStringList>({{Shown(top), Shown(middle), Shown(deep), Shown(home)}}));
    // Closing the choice without picking gives nothing and says nothing more.
    FChoice = -1;
    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(), QStringList(2, Text("VocksRegNotFound")));
}

TEST_F(VocksLocationTest, ASearchWithoutHitsSaysSo) {
    FSandbox.LinkDrive(QStringLiteral("d:"), FSandbox.Path(QStringLiteral("unplugged")));
    FSandbox.PlaceGame(FSandbox.Home() + QStringLiteral("/.hidden/Vocks"));
    FUser.ExpectQuestion(MessageAnswer::Yes);

    EXPECT_EQ(Find(), std::nullopt);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({Text("VocksRegNotFound"), Text("VocksAutoNotFound")}));
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

    EXPECT_EQ(FUser.MessageTexts(), QStringList({Text("BrowseVocksNotFound")}));
    EXPECT_EQ(FUser.FileDialogs().first().Kind, FileDialogKind::Folder);
    EXPECT_EQ(FUser.FileDialogs().first().InitialPath, QStringLiteral("/old/path/"));
}
