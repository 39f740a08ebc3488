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

TEST(StoredSettings, TextReadsAsTheFallbacks) {
    ShellSandbox sandbox;
    sandbox.WriteSettings({{QStringLiteral("Expansion"), QStringLiteral("yes")},
                           {QStringLiteral("OnTop"), QStringLiteral("true")}});
    const std::optional<StoredSettings> settings = ReadStoredSettings();
    ASSERT_TRUE(settings);
    EXPECT_FALSE(settings->Expansion);
    EXPECT_FALSE(settings->OnTop);
    EXPECT_TRUE(settings->ScrollingText);
}

TEST(SettingsChecks, PicturesAreReadByTheirExtensionAndMustBe256Square) {
    ShellSandbox sandbox;
    const QString jpeg = sandbox.WritePicture(QStringLiteral("photo.jpg"), 300, 300);
    QFile::copy(jpeg, sandbox.Path(QStringLiteral("photo.BMP")));
    const struct {
        QString Path;
        PictureVerdict Verdict;
    } cases[] = {
        {sandbox.WritePicture(QStringLiteral("square.jpg"), 256, 256), PictureVerdict::Accepted},
        {sandbox.WritePicture(QStringLiteral("square.bmp"), 300, 256), PictureVerdict::Accepted},
        {sandbox.WritePicture(QStringLiteral("narrow.jpg"), 255, 300), PictureVerdict::TooSmall},
        // A JPEG named .BMP is read as a bitmap, and fails.
        {sandbox.Path(QStringLiteral("photo.BMP")), PictureVerdict::Unreadable},
        {sandbox.WriteFile(QStringLiteral("notes.jpg"), "just text"), PictureVerdict::Unreadable},
        {sandbox.Path(QStringLiteral("missing.jpg")), PictureVerdict::Unreadable}};
    for (const auto& item : cases)
        EXPECT_EQ(CheckPicture(item.Path), item.Verdict) << item.Path.toStdString();
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
