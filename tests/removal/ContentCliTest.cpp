#include "support/FarFixtures.h"
#include "support/FileFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <array>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QDateTime Stamp(QDate(2023, 3, 4), QTime(5, 6, 7));

// Runs the command line on the game folder Game, with Home as the program folder.
class CliTest : public TempFolderTest {
protected:
    QString Game(const QString& relative) const {
        return QDir::toNativeSeparators(FFolder.Path(u"Game/"_s + relative));
    }

    // Killed just before the journal line killBeforeStep when one is named.
    ProgramRun Run(QStringList args, const QString& killBeforeStep = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"Home"_s));
        if (!killBeforeStep.isEmpty())
            environment.insert(u"PACKWRIGHT_TEST_KILL_BEFORE_STEP"_s, killBeforeStep);
        return RunCli(args << u"--game"_s << FFolder.Path(u"Game"_s), {}, environment);
    }
};

// The game's own file list and a database, and a game folder with one shipped object, one
// custom object and an archive of two entries.
class ContentCliTest : public CliTest {
protected:
    void SetUp() override {
        FFolder.Write(u"Game/GameData/Objects/Chair.iff"_s, "shipped");
        FChair = Game(u"GameData/UserObjects/My Chair.iff"_s);
        FSet = Game(u"Downloads/set.far"_s);
        FFolder.Write(u"Game/GameData/UserObjects/My Chair.iff"_s, "custom");
        FFolder.Write(
            u"Game/Downloads/set.far"_s,
            BuildFarArchive({{.Name = "b.iff", .Data = "B"}, {.Name = "a.iff", .Data = "A"}}));
        ASSERT_TRUE(SetFileModified(FChair, Stamp) && SetFileModified(FSet, Stamp));
        FFolder.Write(u"Home/QuarnFiles.iff"_s,
                      BuildStringChunksFile({{100, "GameData\\Objects\\chair.iff"}}));
        FFolder.Write(
            u"Home/files.iff"_s,
            BuildFilesDb(
                {{100, {{.FileName = FChair, .InstalledAt = u"2.5"_s, .Comment = u"comfy"_s}}},
                 {106, {{.FileName = FSet + u"\\a.iff"_s, .InstalledAt = u"3"_s}}}}));
    }

    QString FChair;
    QString FSet;
};
} // namespace

TEST_F(ContentCliTest, ContentListsWhatTheTabShowsInTreeOrder) {
    const ProgramRun run = Run({u"content"_s});
    const QString stamp = Stamp.toString(Qt::ISODate);
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Err, QString());
    EXPECT_EQ(run.Out, u"105\tDownloads"_s + QDir::separator() + u"set.far\t"_s + FSet + u'\t' +
                           stamp + u"\t\n106\ta.iff\t"_s + FSet + QDir::separator() +
                           u"a.iff\t1900-01-02T00:00:00\t\n"_s + u"106\tb.iff\t"_s + FSet +
                           QDir::separator() + u"b.iff\t"_s + stamp + u"\t\n"_s +
                           u"100\tMy Chair.iff\t"_s + FChair + u"\t1900-01-01T12:00:00\tcomfy\n"_s);

    QFile::remove(FFolder.Path(u"Home/QuarnFiles.iff"_s));
    const ProgramRun unlisted = Run({u"content"_s});
    EXPECT_TRUE(unlisted.Err.contains(u"Warning! QuarnFiles.iff was not found!"_s));
    EXPECT_TRUE(unlisted.Out.contains(u"100\tChair.iff\t"_s));

    const QString broken = Game(u"Downloads/broken.far"_s);
    FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    const ProgramRun unreadable = Run({u"content"_s});
    EXPECT_EQ(unreadable.Exit, 0);
    EXPECT_TRUE(unreadable.Err.endsWith(u"warning: These FAR files could not be read and are "
                                        "listed without the files inside them:\n"_s +
                                        broken + u'\n'))
        << unreadable.Err.toStdString();
    EXPECT_TRUE(unreadable.Out.startsWith(u"105\tDownloads"_s + QDir::separator() +
                                          u"broken.far\t"_s + broken + u'\t'));
}

TEST_F(ContentCliTest, DeleteRemovesNamedFilesAndEntriesOnlyWhenConfirmed) {
    const QString entry = FSet + u"/A.IFF"_s;
    const ProgramRun refused = Run({u"delete"_s, FChair, entry});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_TRUE(QFile::exists(FChair));

    const ProgramRun run = Run({u"delete"_s, u"--yes"_s, FChair, entry, Game(u"nothing.iff"_s)});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Out, u"failed\t\t"_s + Game(u"nothing.iff"_s) +
                           u"\tnot custom content of the game folder\n"_s + u"deleted\t100\t"_s +
                           FChair + u"\ndeleted\t106\t"_s + FSet + QDir::separator() +
                           u"a.iff\n"_s);
    // What a deletion leaves on the disk and in the records is the deletion's own tests' to
    // check; an archive named whole goes whole.
    EXPECT_EQ(Run({u"delete"_s, u"--yes"_s, FSet}).Exit, 0);
    EXPECT_FALSE(QFile::exists(FSet));
}

// The list holds every file the content list would show, none else, and hides them from it.
TEST_F(CliTest, GameFilesListsTheGamesOwnFilesAndReplacesAListOnlyWhenTold) {
    for (const QString& name : {u"GameData/Objects/Chair.iff"_s, u"GameData/Skins/B001fafit.bmp"_s,
                                u"GameData/Objects/Objects.far"_s, u"readme.txt"_s})
        FFolder.Write(u"Game/"_s + name, "game");
    const QString fresh = FFolder.Path(u"Home/Fresh.iff"_s);
    const QString list = FFolder.Write(u"Home/QuarnFiles.iff"_s, "old list");

    const ProgramRun first = Run({u"gamefiles"_s, u"-o"_s, fresh});
    EXPECT_EQ(first.Exit, 0);
    EXPECT_EQ(first.Err, QString());
    EXPECT_EQ(first.Out, u"3\t"_s + fresh + u"\n"_s);

    const ProgramRun refused = Run({u"gamefiles"_s, u"-o"_s, list});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_EQ(refused.Out, QString());
    EXPECT_EQ(refused.Err,
              u"question: "_s + list +
                  u" already lists the game's own files. Replace it with a "
                  "list of 3 files from "_s +
                  FFolder.Path(u"Game"_s) +
                  u"? Custom content in that folder would then count as the game's own and "
                  "no longer be offered for deletion.\n"
                  "packwright-cli: the list was not replaced\n"_s);
    EXPECT_EQ(FFolder.Read(u"Home/QuarnFiles.iff"_s), "old list");

    const ProgramRun replaced = Run({u"gamefiles"_s, u"--yes"_s, u"-o"_s, list});
    EXPECT_EQ(replaced.Exit, 0);
    EXPECT_EQ(replaced.Out, u"3\t"_s + list + u"\n"_s);
    EXPECT_EQ(FFolder.Read(u"Home/QuarnFiles.iff"_s), FFolder.Read(u"Home/Fresh.iff"_s));

    FFolder.Write(u"Game/GameData/Objects/Mine.iff"_s, "custom");
    const ProgramRun content = Run({u"content"_s});
    EXPECT_EQ(content.Err, QString());
    EXPECT_EQ(content.Out.count(u'\n'), 1);
    EXPECT_TRUE(content.Out.startsWith(u"100\tMine.iff\t"_s));
}

// Names that differ only in letter case are different files on this disk and different
// entries of an archive: the one named exactly goes, and only it.
TEST_F(CliTest, DeleteTakesTheExactlyNamedFileOrEntryBeforeOneInAnotherCase) {
    FFolder.Write(u"Game/Downloads/chair.iff"_s, "lower");
    FFolder.Write(u"Game/Downloads/Chair.iff"_s, "upper");
    FFolder.Write(
        u"Game/Downloads/set.far"_s,
        BuildFarArchive({{.Name = "Lamp.iff", .Data = "U"}, {.Name = "lamp.iff", .Data = "L"}}));
    QDir().mkpath(FFolder.Path(u"Home"_s));
    const QString set = Game(u"Downloads/set.far"_s);

    const ProgramRun run = Run({u"delete"_s, u"--yes"_s, Game(u"Downloads/Chair.iff"_s),
                                set + QDir::separator() + u"lamp.iff"_s});

    EXPECT_EQ(run.Out, u"deleted\t100\t"_s + Game(u"Downloads/Chair.iff"_s) +
                           u"\ndeleted\t106\t"_s + set + QDir::separator() + u"lamp.iff\n"_s);
    EXPECT_EQ(FFolder.Read(u"Game/Downloads/chair.iff"_s), "lower");
    EXPECT_FALSE(QFile::exists(Game(u"Downloads/Chair.iff"_s)));
    EXPECT_EQ(FFolder.Read(u"Game/Downloads/set.far"_s),
              BuildFarArchive({{.Name = "Lamp.iff", .Data = "U"}}));
}

// A link in the game folder is content like a file, but what lies behind a link that
// leads out of the folder is neither listed nor touched.
TEST_F(CliTest, LinksOutOfTheGameFolderAreNeverFollowedAndDeletingTakesTheLinkOnly) {
    const QString victim = FFolder.Write(u"Outside/Objects/victim.iff"_s, "keep");
    const QString target = FFolder.Write(u"Outside/target.iff"_s, "keep too");
    const QByteArray archive = BuildFarArchive({{.Name = "x.iff", .Data = "X"}});
    const QString outsideSet = FFolder.Write(u"Outside/set.far"_s, archive);
    FFolder.Write(u"Game/Downloads/mine.iff"_s, "mine");
    QDir().mkpath(FFolder.Path(u"Home"_s));
    QDir().mkpath(Game(u"GameData"_s));
    ASSERT_TRUE(QFile::link(FFolder.Path(u"Outside/Objects"_s), Game(u"Downloads/out"_s)));
    ASSERT_TRUE(QFile::link(target, Game(u"Downloads/link.iff"_s)));
    ASSERT_TRUE(QFile::link(outsideSet, Game(u"Downloads/link.far"_s)));
    ASSERT_TRUE(QFile::link(Game(u"Downloads"_s), Game(u"GameData/again"_s)));

    const ProgramRun content = Run({u"content"_s});
    QStringList names;
    for (const QString& line : content.Out.split(u'\n', Qt::SkipEmptyParts))
        names.append(line.section(u'\t', 0, 1));
    EXPECT_EQ(names, (QStringList{u"105\tDownloads"_s + QDir::separator() + u"link.far"_s,
                                  u"100\tlink.iff"_s, u"100\tmine.iff"_s}));
    // Not read, so not named as unreadable either.
    EXPECT_FALSE(content.Err.contains(u"could not be read"_s)) << content.Err.toStdString();

    const ProgramRun run = Run({u"delete"_s, u"--yes"_s, Game(u"Downloads/out/victim.iff"_s),
                                Game(u"Downloads/link.iff"_s)});
    EXPECT_EQ(run.Out, u"failed\t\t"_s + Game(u"Downloads/out/victim.iff"_s) +
                           u"\tnot custom content of the game folder\ndeleted\t100\t"_s +
                           Game(u"Downloads/link.iff"_s) + u'\n');
    EXPECT_EQ(FFolder.Read(u"Outside/Objects/victim.iff"_s), "keep");
    EXPECT_EQ(FFolder.Read(u"Outside/target.iff"_s), "keep too");
    EXPECT_FALSE(QFileInfo(Game(u"Downloads/link.iff"_s)).isSymLink());
    EXPECT_EQ(FFolder.Read(u"Outside/set.far"_s), archive);
}

// A name in no valid encoding is shown decoded as the game's texts are. Deleting it takes
// the file of those very bytes through the journal, so that undo brings it back (recovery
// rolls back through the same steps).
TEST_F(CliTest, NamesThatAreNotUtf8AreListedDeletedAndBroughtBackByTheirOwnBytes) {
    const QByteArray downloads = QFile::encodeName(FFolder.Path(u"Game/Downloads/"_s));
    ASSERT_TRUE(SetFileModified(FFolder.Write(u"Game/Downloads/keep.iff"_s, "keep"), Stamp));
    QDir().mkpath(FFolder.Path(u"Home"_s));
    ASSERT_EQ(mkdir((downloads + "d\xE9").constData(), 0700), 0);
    const QList<QByteArray> names{"caf\xE9.iff"_ba, "d\xE9/in.iff"_ba};
    for (const QByteArray& name : names) {
        std::ofstream((downloads + name).toStdString()) << name.toStdString();
        const timespec stamp{.tv_sec = Stamp.toSecsSinceEpoch(), .tv_nsec = 0};
        const std::array<timespec, 2> times{stamp, stamp};
        ASSERT_EQ(utimensat(AT_FDCWD, (downloads + name).constData(), times.data(), 0), 0);
    }
    const QString cafe = Game(u"Downloads/café.iff"_s);
    const QString inner = Game(u"Downloads/dé/in.iff"_s);

    const ProgramRun content = Run({u"content"_s});
    QStringList paths;
    for (const QString& line : content.Out.split(u'\n', Qt::SkipEmptyParts))
        paths.append(line.section(u'\t', 1, 3));
    const QString stamp = u'\t' + Stamp.toString(Qt::ISODate);
    EXPECT_EQ(paths, (QStringList{u"café.iff\t"_s + cafe + stamp,
                                  u"dé"_s + QDir::separator() + u"in.iff\t"_s + inner + stamp,
                                  u"keep.iff\t"_s + Game(u"Downloads/keep.iff"_s) + stamp}));

    const ProgramRun run = Run({u"delete"_s, u"--yes"_s, cafe, inner});
    EXPECT_EQ(run.Out, u"deleted\t100\t"_s + cafe + u"\ndeleted\t100\t"_s + inner + u'\n');
    EXPECT_EQ(QDir(FFolder.Path(u"Game/Downloads"_s)).entryList(QDir::Files),
              QStringList{u"keep.iff"_s});
    for (const QByteArray& name : names)
        EXPECT_NE(access((downloads + name).constData(), F_OK), 0);
    // History names the operation by its first file, as the content list shows it.
    const QString history = Run({u"history"_s}).Out;
    EXPECT_EQ(history.section(u'\t', 4), cafe + u'\n');
    const QString id = history.section(u'\t', 0, 0);
    EXPECT_EQ(Run({u"undo"_s, id, u"--yes"_s}).Exit, 0);
    // Each file holds its own name's bytes.
    for (const QByteArray& name : names) {
        std::string read;
        std::getline(std::ifstream((downloads + name).toStdString()), read);
        EXPECT_EQ(read, name.toStdString());
    }
}

// Steps: 1 keeps files.iff, 2 moves the chair aside, 3 keeps the archive, then the commit.
TEST_F(ContentCliTest, ADeletionKilledAtAnyStepIsUndoneByTheNextCommand) {
    const QStringList kept{u"Game/GameData/UserObjects/My Chair.iff"_s, u"Game/Downloads/set.far"_s,
                           u"Home/files.iff"_s};
    QList<QByteArray> before;
    for (const QString& file : kept)
        before.append(FFolder.Read(file));
    for (int step = 1; step <= 4; ++step) {
        const ProgramRun killed =
            Run({u"delete"_s, u"--yes"_s, FChair, FSet + u"/a.iff"_s}, QString::number(step));
        ASSERT_EQ(killed.Exit, 86) << "step " << step;

        const ProgramRun content = Run({u"content"_s});
        EXPECT_TRUE(content.Err.startsWith(u"info: An interrupted deletion ("_s))
            << content.Err.toStdString();
        EXPECT_TRUE(content.Out.contains(u"My Chair.iff"_s));
        for (qsizetype i = 0; i < kept.size(); ++i)
            EXPECT_EQ(FFolder.Read(kept[i]), before[i])
                << "step " << step << ' ' << kept[i].toStdString();
    }
}
