#include "app/EventErrorGuard.h"
#include "app/ReadmeText.h"
#include "app/RunTempFolder.h"
#include "app/StripStops.h"
#include "app/StripText.h"
#include "common/PackwrightError.h"
#include "install/DeleteFolderTree.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "ShellSandbox.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(RunTempFolder, TakesTheFirstFreeNumberOwnerOnly) {
    ShellSandbox sandbox;
    QDir(sandbox.TempRoot()).mkdir(u"PKWR0"_s);
    QDir(sandbox.TempRoot()).mkdir(u"PKWR1"_s);
    sandbox.WriteFile(u"tmp/PKWR2"_s, "a file, not a folder");
    const QString folder = CreateRunTempFolder(sandbox.TempRoot());
    EXPECT_EQ(folder, sandbox.TempRoot() + u"/PKWR3/"_s);
    EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, QFile::Permissions());

    // A temporary path that cannot hold folders does not hang the start-up.
    const QString blocked = sandbox.WriteFile(u"blocked"_s, "file");
    EXPECT_EQ(CreateRunTempFolder(blocked), blocked + u"/PKWR0/"_s);
}

TEST(DeleteFolderTree, DeletesReadOnlyContentButNothingBehindALink) {
    ShellSandbox sandbox;
    const QString outside = sandbox.WriteFile(u"keep/precious.txt"_s, "keep me");
    const QString tree = sandbox.Path(u"shared/tree"_s);
    sandbox.WriteFile(u"shared/tree/deep/er/file.iff"_s, "x");
    QFile::link(sandbox.Path(u"keep"_s), tree + u"/link"_s);
    HandToOrdinaryUser(sandbox.Path(u"shared"_s));
    QFile::setPermissions(tree + u"/deep/er/file.iff"_s, QFile::ReadOwner);
    QFile::setPermissions(tree + u"/deep/er"_s, QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(sandbox.Path(u"."_s), QFile::ReadOwner | QFile::WriteOwner |
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
    const QString tree = sandbox.WriteFile(u"locked/tree/file.iff"_s, "x");
    HandToOrdinaryUser(sandbox.Path(u"locked"_s));
    const QString locked = sandbox.Path(u"locked"_s);
    QFile::setPermissions(locked, QFile::Permissions());
    {
        AsOrdinaryUser user;
        EXPECT_FALSE(DeleteFolderTree(locked + u"/tree"_s));
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QFileInfo::exists(tree));
}

TEST(ReadmeText, ShowsTextFilesAndTamesBinaryOrHugeOnes) {
    ShellSandbox sandbox;
    EXPECT_EQ(ReadReadme(sandbox.WriteFile(u"a.txt"_s, "one\r\ntwo\rthree\n")),
              u"one\ntwo\nthree"_s);
    const std::optional<QString> binary =
        ReadReadme(sandbox.WriteFile(u"b.txt"_s, QByteArray("MZ\0\x01\x1b\x7f ok", 9)));
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->size(), 9);
    EXPECT_FALSE(binary->contains(QChar(0)));
    EXPECT_TRUE(binary->endsWith(u" ok"_s));

    QByteArray huge;
    while (huge.size() <= ReadmeShownBytes)
        huge += "A line of a very long readme, written in caf\xc3\xa9s.\n";
    const std::optional<QString> capped = ReadReadme(sandbox.WriteFile(u"c.txt"_s, huge));
    ASSERT_TRUE(capped);
    EXPECT_LE(capped->size(), ReadmeShownBytes);
    EXPECT_TRUE(capped->endsWith(u"written in caf\u00e9s."_s));
    EXPECT_FALSE(ReadReadme(sandbox.Path(u"missing.txt"_s)));
}

TEST(StripText, SevenMessagesWithAnEnglishCopyrightWhenAMarkIsLost) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    const QStringList lines = StripLines(language);
    ASSERT_EQ(lines.size(), 13);
    for (int i = 1; i < 13; i += 2)
        EXPECT_TRUE(lines[i].isEmpty());
    const QString english = CopyrightLine(language);
    EXPECT_FALSE(english.contains(u"{{"_s));

    language.LoadStrings({u"Copy=(c) {{year}} Somebody"_s});
    EXPECT_EQ(CopyrightLine(language), english);
    language.LoadStrings({u"Copy=(c) {{YEAR}} {{copywho}}"_s});
    EXPECT_TRUE(CopyrightLine(language).startsWith(u"(c) "_s));
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

TEST(EventErrorGuard, ShowsWhatEscapesAHandlerAndGoesOn) {
    ScriptedInteraction user;
    EXPECT_TRUE(DeliverShowingErrors([] { return true; }, user));
    EXPECT_FALSE(DeliverShowingErrors(
        []() -> bool { throw EPackwrightError(u"Could not read chair.iff"_s); }, user));
    EXPECT_FALSE(DeliverShowingErrors([]() -> bool { throw std::bad_alloc(); }, user));
    ASSERT_EQ(user.Messages().size(), 2);
    EXPECT_EQ(user.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(user.Messages()[0].Text, u"Could not read chair.iff"_s);
    EXPECT_EQ(user.Messages()[1].Text, u"std::bad_alloc"_s);
}
