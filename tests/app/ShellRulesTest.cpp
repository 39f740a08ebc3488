#include "app/EventErrorGuard.h"
#include "app/ReadmeText.h"
#include "app/RunTempFolder.h"
#include "app/StripStops.h"
#include "app/StripText.h"
#include "app/ZipEngineProbe.h"
#include "common/PackwrightError.h"
#include "install/DeleteFolderTree.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "OrdinaryUser.h"
#include "ShellSandbox.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(RunTempFolder, TakesTheFirstFreeNumberOwnerOnly) {
    ShellSandbox sandbox;
    QDir(sandbox.TempRoot()).mkdir(QStringLiteral("PKWR0"));
    QDir(sandbox.TempRoot()).mkdir(QStringLiteral("PKWR1"));
    sandbox.WriteFile(QStringLiteral("tmp/PKWR2"), "a file, not a folder");
    const QString folder = CreateRunTempFolder(sandbox.TempRoot());
    EXPECT_EQ(folder, sandbox.TempRoot() + QStringLiteral("/PKWR3/"));
    EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, QFile::Permissions());

    // A temporary path that cannot hold folders does not hang the start-up.
    const QString blocked = sandbox.WriteFile(QStringLiteral("blocked"), "file");
    EXPECT_EQ(CreateRunTempFolder(blocked), blocked + QStringLiteral("/PKWR0/"));
}

TEST(DeleteFolderTree, DeletesReadOnlyContentButNothingBehindALink) {
    ShellSandbox sandbox;
    const QString outside = sandbox.WriteFile(QStringLiteral("keep/precious.txt"), "keep me");
    const QString tree = sandbox.Path(QStringLiteral("shared/tree"));
    sandbox.WriteFile(QStringLiteral("shared/tree/deep/er/file.iff"), "x");
    QFile::link(sandbox.Path(QStringLiteral("keep")), tree + QStringLiteral("/link"));
    HandToOrdinaryUser(sandbox.Path(QStringLiteral("shared")));
    QFile::setPermissions(tree + QStringLiteral("/deep/er/file.iff"), QFile::ReadOwner);
    QFile::setPermissions(tree + QStringLiteral("/deep/er"), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(sandbox.Path(QStringLiteral(".")), QFile::ReadOwner | QFile::WriteOwner |
                                                                 QFile::ExeOwner | QFile::ExeGroup |
                                                                 QFile::ExeOther);
    {
        AsOrdinaryUser user;
        EXPECT_TRUE(DeleteFolderTree(tree + QLatin1Char('/')));
    }
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_FALSE(DeleteFolderTree(QString()));
}

TEST(DeleteFolderTree, ATreeThatCannotBeReachedIsAFailure) {
    ShellSandbox sandbox;
    const QString tree = sandbox.WriteFile(QStringLiteral("locked/tree/file.iff"), "x");
    HandToOrdinaryUser(sandbox.Path(QStringLiteral("locked")));
    const QString locked = sandbox.Path(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFile::Permissions());
    {
        AsOrdinaryUser user;
        EXPECT_FALSE(DeleteFolderTree(locked + QStringLiteral("/tree")));
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QFileInfo::exists(tree));
}

TEST(ReadmeText, ShowsTextFilesAndTamesBinaryOrHugeOnes) {
    ShellSandbox sandbox;
    EXPECT_EQ(ReadReadme(sandbox.WriteFile(QStringLiteral("a.txt"), "one\r\ntwo\rthree\n")),
              QStringLiteral("one\ntwo\nthree"));
    const std::optional<QString> binary = ReadReadme(
        sandbox.WriteFile(QStringLiteral("b.txt"), QByteArray("MZ\0\x01\x1b\x7f ok", 9)));
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->size(), 9);
    EXPECT_FALSE(binary->contains(QChar(0)));
    EXPECT_TRUE(binary->endsWith(QStringLiteral(" ok")));

    QByteArray huge;
    while (huge.size() <= ReadmeShownBytes)
        huge += "A line of a very long readme, written in caf\xc3\xa9s.\n";
    const std::optional<QString> capped =
        ReadReadme(sandbox.WriteFile(QStringLiteral("c.txt"), huge));
    ASSERT_TRUE(capped);
    EXPECT_LE(capped->size(), ReadmeShownBytes);
    EXPECT_TRUE(capped->endsWith(QStringLiteral("written in caf\u00e9s.")));
    EXPECT_FALSE(ReadReadme(sandbox.Path(QStringLiteral("missing.txt"))));
}

TEST(StripText, SevenMessagesWithAnEnglishCopyrightWhenAMarkIsLost) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    const QStringList lines = StripLines(language);
    ASSERT_EQ(lines.size(), 13);
    for (int i = 1; i < 13; i += 2)
        EXPECT_TRUE(lines[i].isEmpty());
    const QString english = CopyrightLine(language);
    EXPECT_FALSE(english.contains(QStringLiteral("{{")));

    language.LoadStrings({QStringLiteral("Copy=(c) {{year}} Somebody")});
    EXPECT_EQ(CopyrightLine(language), english);
    language.LoadStrings({QStringLiteral("Copy=(c) {{YEAR}} {{copywho}}")});
    EXPECT_TRUE(CopyrightLine(language).startsWith(QStringLiteral("(c) ")));
}

TEST(StripStops, MessagesStopCentredWhateverTheLineHeight) {
    // 13-pixel lines in a 15-pixel view: seven messages, 184 pixels of travel.
    const StripStops stops(13, 15);
    EXPECT_EQ(stops.FirstStop(), 14);
    EXPECT_EQ(stops.Pitch(), 26);
    EXPECT_TRUE(stops.IsMessageStop(14, 184));
    EXPECT_TRUE(stops.IsMessageStop(14 + 6 * 26, 184));
    EXPECT_FALSE(stops.IsMessageStop(15, 184));
    EXPECT_FALSE(stops.IsMessageStop(14 + 7 * 26, 184));
    EXPECT_TRUE(stops.InSteppingRange(14 + 6 * 26, 184));
    EXPECT_FALSE(stops.InSteppingRange(14 + 7 * 26, 184));
    EXPECT_FALSE(stops.InSteppingRange(0, 184));
    EXPECT_EQ(StripStops(17, 19).FirstStop(), 18);
}

TEST(ZipEngineProbe, TheZipLibraryWritesAndReadsBack) {
    EXPECT_FALSE(ProbeZipEngine());
}

TEST(EventErrorGuard, ShowsWhatEscapesAHandlerAndGoesOn) {
    ScriptedInteraction user;
    EXPECT_TRUE(DeliverShowingErrors([] { return true; }, user));
    EXPECT_FALSE(DeliverShowingErrors(
        []() -> bool { throw EPackwrightError(QStringLiteral("Could not read chair.iff")); },
        user));
    EXPECT_FALSE(DeliverShowingErrors([]() -> bool { throw std::bad_alloc(); }, user));
    ASSERT_EQ(user.Messages().size(), 2);
    EXPECT_EQ(user.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(user.Messages()[0].Text, QStringLiteral("Could not read chair.iff"));
    EXPECT_EQ(user.Messages()[1].Text, QStringLiteral("std::bad_alloc"));
}
