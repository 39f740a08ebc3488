#include "app/SettingsChecks.h"
#include "app/StoredSettings.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(StoredSettings, RoundTripKeepsTheValuesOfOtherParts) {
    ShellSandbox sandbox;
    EXPECT_FALSE(ReadStoredSettings()) << "no store means the first run";
    sandbox.WriteSettings({{u"FarFile"_s, u"objects.far"_s}});
    StoredSettings settings;
    settings.Action = FileAction::Skip;
    settings.InstallBMP = u"/pictures/drop, big.bmp"_s;
    settings.Language = u"/lang/Deutsch.lng"_s;
    settings.VocksPath = sandbox.GameFolder();
    settings.Expansion = true;
    settings.Packs = {true, false, true, false, true};
    settings.ScrollingText = true;
    settings.History = {.Count = 7, .KeptBytes = qint64(300) << 20};
    ASSERT_TRUE(WriteStoredSettings(settings));
    EXPECT_EQ(ReadStoredSettings(), settings);
    EXPECT_EQ(sandbox.StoredValue(u"FarFile"_s), u"objects.far"_s);
    // Booleans are stored as numbers.
    EXPECT_EQ(sandbox.StoredValue(u"Tevarin"_s), u"1"_s);
    EXPECT_EQ(sandbox.StoredValue(u"Ossery"_s), u"0"_s);
    EXPECT_EQ(sandbox.StoredValue(u"HistoryCount"_s), u"7"_s);
    EXPECT_EQ(sandbox.StoredValue(u"HistoryMegabytes"_s), u"300"_s);
}

TEST(StoredSettings, TextReadsAsTheFallbacks) {
    ShellSandbox sandbox;
    sandbox.WriteSettings({{u"Expansion"_s, u"yes"_s}, {u"OnTop"_s, u"true"_s}});
    const std::optional<StoredSettings> settings = ReadStoredSettings();
    ASSERT_TRUE(settings);
    EXPECT_FALSE(settings->Expansion);
    EXPECT_FALSE(settings->OnTop);
    EXPECT_TRUE(settings->ScrollingText);
}

TEST(SettingsChecks, PicturesAreReadByTheirExtensionAndMustBe256Square) {
    ShellSandbox sandbox;
    const QString jpeg = sandbox.WritePicture(u"photo.jpg"_s, 300, 300);
    QFile::copy(jpeg, sandbox.Path(u"photo.BMP"_s));
    const struct {
        QString Path;
        PictureVerdict Verdict;
    } cases[] = {{sandbox.WritePicture(u"square.jpg"_s, 256, 256), PictureVerdict::Accepted},
                 {sandbox.WritePicture(u"square.bmp"_s, 300, 256), PictureVerdict::Accepted},
                 {sandbox.WritePicture(u"narrow.jpg"_s, 255, 300), PictureVerdict::TooSmall},
                 // A JPEG named .BMP is read as a bitmap, and fails.
                 {sandbox.Path(u"photo.BMP"_s), PictureVerdict::Unreadable},
                 {sandbox.WriteFile(u"notes.jpg"_s, "just text"), PictureVerdict::Unreadable},
                 {sandbox.Path(u"missing.jpg"_s), PictureVerdict::Unreadable}};
    for (const auto& item : cases)
        EXPECT_EQ(CheckPicture(item.Path), item.Verdict) << item.Path.toStdString();
}

TEST(SettingsChecks, GameFolderNeedsTheProgramFileAndATrailingSeparator) {
    ShellSandbox sandbox;
    EXPECT_EQ(GameFolderText(u"/games/vocks"_s), u"/games/vocks"_s + QDir::separator());
    EXPECT_EQ(GameFolderText(u"/games/vocks/"_s), u"/games/vocks/"_s);
    EXPECT_EQ(GameFolderText(u"C:\\Vocks\\"_s), u"C:\\Vocks\\"_s);
    EXPECT_EQ(GameFolderText(QString()), QString());
    EXPECT_TRUE(IsGameFolder(sandbox.GameFolder()));
    EXPECT_FALSE(IsGameFolder(sandbox.GameFolder() + u"Vocks.exe/"_s));
    EXPECT_FALSE(IsGameFolder(sandbox.ProgramFolder()));
    EXPECT_FALSE(IsGameFolder(QString()));
    sandbox.WriteFile(u"other/VOCKS.EXE"_s, "MZ");
    EXPECT_TRUE(IsGameFolder(sandbox.Path(u"other"_s)));
}
