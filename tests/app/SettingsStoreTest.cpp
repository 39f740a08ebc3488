#include "app/SettingsChecks.h"
#include "app/StoredSettings.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(StoredSettings, RoundTripKeepsTheValuesOfOtherParts) {
    ShellSandbox sandbox;
    EXPECT_FALSE(ReadStoredSettings()) << "no store means the first run";
    sandbox.WriteSettings({{QStringLiteral("FarFile"), QStringLiteral("objects.far")}});
    StoredSettings settings;
    settings.Action = FileAction::Skip;
    settings.InstallBMP = QStringLiteral("/pictures/drop, big.bmp");
    settings.Language = QStringLiteral("/lang/Deutsch.lng");
    settings.VocksPath = sandbox.GameFolder();
    settings.Expansion = true;
    settings.Packs = {true, false, true, false, true};
    settings.ScrollingText = true;
    ASSERT_TRUE(WriteStoredSettings(settings));
    EXPECT_EQ(ReadStoredSettings(), settings);
    EXPECT_EQ(sandbox.StoredValue(QStringLiteral("FarFile")), QStringLiteral("objects.far"));
    // Booleans are stored as numbers.
    EXPECT_EQ(sandbox.StoredValue(QStringLiteral("Tevarin")), QStringLiteral("1"));
    EXPECT_EQ(sandbox.StoredValue(QStringLiteral("Ossery")), QStringLiteral("0"));
}

TEST(StoredSettings, TextOrUnknownNumbersReadAsTheFallbacks) {
    ShellSandbox sandbox;
    sandbox.WriteSettings({{QStringLiteral("FileAction"), QStringLiteral("overwrite")},
                           {QStringLiteral("Expansion"), QStringLiteral("yes")},
                           {QStringLiteral("OnTop"), QStringLiteral("true")},
                           {QStringLiteral("ScrollingText"), QStringLiteral("1")}});
    std::optional<StoredSettings> settings = ReadStoredSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Action, FileAction::Ask);
    EXPECT_FALSE(settings->Expansion);
    EXPECT_FALSE(settings->OnTop);
    EXPECT_TRUE(settings->ScrollingText);

    sandbox.WriteSettings({{QStringLiteral("FileAction"), QStringLiteral("7")}});
    EXPECT_EQ(ReadStoredSettings()->Action, FileAction::Ask);
    sandbox.WriteSettings({{QStringLiteral("FileAction"), QStringLiteral("2")}});
    EXPECT_EQ(ReadStoredSettings()->Action, FileAction::Skip);
}

TEST(SettingsChecks, PicturesAreReadByTheirExtensionAndMustBe256Square) {
    ShellSandbox sandbox;
    EXPECT_EQ(CheckPicture(sandbox.WritePicture(QStringLiteral("square.jpg"), 256, 256)),
              PictureVerdict::Accepted);
    EXPECT_EQ(CheckPicture(sandbox.WritePicture(QStringLiteral("square.bmp"), 300, 256)),
              PictureVerdict::Accepted);
    EXPECT_EQ(CheckPicture(sandbox.WritePicture(QStringLiteral("narrow.jpg"), 255, 300)),
              PictureVerdict::TooSmall);
    // A JPEG named .BMP is read as a bitmap, and fails.
    const QString jpeg = sandbox.WritePicture(QStringLiteral("photo.jpg"), 300, 300);
    QFile::copy(jpeg, sandbox.Path(QStringLiteral("photo.BMP")));
    EXPECT_EQ(CheckPicture(sandbox.Path(QStringLiteral("photo.BMP"))), PictureVerdict::Unreadable);
    EXPECT_EQ(CheckPicture(sandbox.WriteFile(QStringLiteral("notes.jpg"), "just text")),
              PictureVerdict::Unreadable);
    EXPECT_EQ(CheckPicture(sandbox.Path(QStringLiteral("missing.jpg"))),
              PictureVerdict::Unreadable);
}

TEST(SettingsChecks, GameFolderNeedsTheProgramFileAndATrailingSeparator) {
    ShellSandbox sandbox;
    EXPECT_EQ(GameFolderText(QStringLiteral("/games/vocks")),
              QStringLiteral("/games/vocks") + QDir::separator());
    EXPECT_EQ(GameFolderText(QStringLiteral("/games/vocks/")), QStringLiteral("/games/vocks/"));
    EXPECT_EQ(GameFolderText(QStringLiteral("C:\\Vocks\\")), QStringLiteral("C:\\Vocks\\"));
    EXPECT_EQ(GameFolderText(QString()), QString());
    EXPECT_TRUE(IsGameFolder(sandbox.GameFolder()));
    EXPECT_FALSE(IsGameFolder(sandbox.GameFolder() + QStringLiteral("Vocks.exe/")));
    EXPECT_FALSE(IsGameFolder(sandbox.ProgramFolder()));
    EXPECT_FALSE(IsGameFolder(QString()));
    sandbox.WriteFile(QStringLiteral("other/VOCKS.EXE"), "MZ");
    EXPECT_TRUE(IsGameFolder(sandbox.Path(QStringLiteral("other"))));
}
