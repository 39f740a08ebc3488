#include "support/FarFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Runs packwright-cli far ... in the folder.
ProgramRun RunFar(const TempFolder& folder, const QStringList& args) {
    return RunCli(QStringList{u"far"_s} + args, folder.Path());
}

QByteArray Binary(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256);
    return bytes;
}
} // namespace

TEST(FarCommand, CreatedArchivesListAndExtractByteForByte) {
    TempFolder folder;
    folder.Write(u"in/lamp.iff"_s, Binary(70000));
    folder.Write(u"in/sub/chair.iff"_s, "chair");
    folder.Write(u"in/empty.iff"_s, QByteArray());

    const ProgramRun created = RunFar(folder, {u"create"_s, u"a.far"_s, u"in/lamp.iff"_s,
                                               u"in/sub/chair.iff"_s, u"in/empty.iff"_s});
    EXPECT_EQ(created.Exit, 0) << created.Err.toStdString();
    EXPECT_EQ(
        folder.Read(u"a.far"_s),
        BuildFarArchive({{"lamp.iff", Binary(70000)}, {"chair.iff", "chair"}, {"empty.iff", ""}}));
    EXPECT_EQ(RunFar(folder, {u"list"_s, u"a.far"_s}).Out,
              u"lamp.iff\t70000\t16\nchair.iff\t5\t70016\nempty.iff\t0\t70021\n"_s);

    EXPECT_EQ(RunFar(folder, {u"extract"_s, u"a.far"_s, u"-C"_s, u"out"_s}).Exit, 0);
    EXPECT_EQ(folder.Read(u"out/lamp.iff"_s), Binary(70000));
    EXPECT_EQ(folder.Read(u"out/chair.iff"_s), "chair");
    EXPECT_EQ(RunFar(folder, {u"extract"_s, u"a.far"_s, u"CHAIR.IFF"_s, u"-C"_s, u"one"_s}).Exit,
              0);
    EXPECT_EQ(QDir(folder.Path(u"one"_s)).entryList(QDir::Files), QStringList({u"chair.iff"_s}));
}

TEST(FarCommand, FailuresAndBadUsageAreToldApart) {
    TempFolder folder;
    folder.Write(u"a.far"_s, BuildFarArchive({{"lamp.iff", "lamp"}}));
    const ProgramRun help = RunFar(folder, {u"list"_s, u"--help"_s});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_TRUE(help.Out.startsWith(u"usage: packwright-cli far list"_s));
    for (const QStringList& bad : {QStringList{u"list"_s},
                                   {u"create"_s, u"a.far"_s},
                                   {u"extract"_s, u"a.far"_s},
                                   {u"unpack"_s}})
        EXPECT_EQ(RunFar(folder, bad).Exit, 2) << bad.join(u' ').toStdString();

    const ProgramRun missing = RunFar(folder, {u"list"_s, u"none.far"_s});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err, u"packwright-cli: Error reading file \"none.far\".\n"_s);
    EXPECT_FALSE(QFile::exists(folder.Path(u"none.far"_s)));
    const ProgramRun unknown = RunFar(folder, {u"remove"_s, u"a.far"_s, u"chair.iff"_s});
    EXPECT_EQ(unknown.Exit, 1);
    EXPECT_EQ(unknown.Err, u"packwright-cli: Error loading item \"chair.iff\" in \"a.far\".\n"_s);
    EXPECT_EQ(RunFar(folder, {u"add"_s, u"a.far"_s, u"gone.iff"_s}).Exit, 1);
    EXPECT_EQ(folder.Read(u"a.far"_s), BuildFarArchive({{"lamp.iff", "lamp"}}));
}

TEST(FarCommand, AHostileArchiveListsButItsUnsafeEntriesAreNotExtracted) {
    TempFolder folder;
    folder.Write(u"evil.far"_s,
                 BuildFarArchive({{"..\\..\\escaped.iff", "x"}, {"lamp.iff", "lamp"}}));
    EXPECT_EQ(RunFar(folder, {u"list"_s, u"evil.far"_s}).Out,
              u"..\\\\..\\\\escaped.iff\t1\t16\nlamp.iff\t4\t17\n"_s)
        << "a backslash in a record is written doubled";

    const ProgramRun run = RunFar(folder, {u"extract"_s, u"evil.far"_s, u"-C"_s, u"deep/out"_s});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, u"error: Item \"..\\..\\escaped.iff\" in \"evil.far\" was not extracted: "
                       u"its name leads outside the folder it is extracted to.\n"_s);
    EXPECT_EQ(folder.Contents(),
              QStringList({u"deep"_s, u"deep/out"_s, u"deep/out/lamp.iff"_s, u"evil.far"_s}));
}
