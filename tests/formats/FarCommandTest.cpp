#include "common/PathRules.h"
#include "FarTestFolder.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
// Runs packwright-cli far ... in the folder.
ProgramRun RunFar(const FarTestFolder& folder, const QStringList& args) {
    return RunProgram(QStringLiteral(PACKWRIGHT_CLI), QStringList{QStringLiteral("far")} + args,
                      QProcessEnvironment::systemEnvironment(), folder.Path(QString()));
}

QByteArray Binary(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256);
    return bytes;
}
} // namespace

TEST(FarCommand, CreatedArchivesListAndExtractByteForByte) {
    FarTestFolder folder;
    folder.Write(QStringLiteral("in/lamp.iff"), Binary(70000));
    folder.Write(QStringLiteral("in/sub/chair.iff"), "chair");
    folder.Write(QStringLiteral("in/empty.iff"), QByteArray());

    const ProgramRun created = RunFar(
        folder, {QStringLiteral("create"), QStringLiteral("a.far"), QStringLiteral("in/lamp.iff"),
                 QStringLiteral("in/sub/chair.iff"), QStringLiteral("in/empty.iff")});
    EXPECT_EQ(created.Exit, 0) << created.Err.toStdString();
    EXPECT_EQ(
        folder.Read(QStringLiteral("a.far")),
        BuildFarArchive({{"lamp.iff", Binary(70000)}, {"chair.iff", "chair"}, {"empty.iff", ""}}));
    EXPECT_EQ(RunFar(folder, {QStringLiteral("list"), QStringLiteral("a.far")}).Out,
              QStringLiteral("lamp.iff\t70000\t16\nchair.iff\t5\t70016\nempty.iff\t0\t70021\n"));

    EXPECT_EQ(RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far"),
                              QStringLiteral("-C"), QStringLiteral("out")})
                  .Exit,
              0);
    for (const QString& name :
         {QStringLiteral("lamp.iff"), QStringLiteral("sub/chair.iff"), QStringLiteral("empty.iff")})
        EXPECT_EQ(folder.Read(QStringLiteral("out/") + BareFileName(name)),
                  folder.Read(QStringLiteral("in/") + name))
            << name.toStdString();
    EXPECT_EQ(
        RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far"),
                        QStringLiteral("CHAIR.IFF"), QStringLiteral("-C"), QStringLiteral("one")})
            .Exit,
        0);
    EXPECT_EQ(QDir(folder.Path(QStringLiteral("one"))).entryList(QDir::Files),
              QStringList({QStringLiteral("chair.iff")}));
}

TEST(FarCommand, AddAppendsNewEntriesAndRemoveRewrites) {
    FarTestFolder folder;
    folder.Write(QStringLiteral("a.far"), BuildFarArchive({{"lamp.iff", "lamp"}}));
    folder.Write(QStringLiteral("chair.iff"), "chair");

    EXPECT_EQ(RunFar(folder,
                     {QStringLiteral("add"), QStringLiteral("a.far"), QStringLiteral("chair.iff")})
                  .Exit,
              0);
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive({{"lamp.iff", "lamp"}, {"chair.iff", "chair"}}));
    EXPECT_EQ(RunFar(folder, {QStringLiteral("remove"), QStringLiteral("a.far"),
                              QStringLiteral("Lamp.iff")})
                  .Exit,
              0);
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), BuildFarArchive({{"chair.iff", "chair"}}));
}

TEST(FarCommand, FailuresAndBadUsageAreToldApart) {
    FarTestFolder folder;
    folder.Write(QStringLiteral("a.far"), BuildFarArchive({{"lamp.iff", "lamp"}}));
    for (const QString& command :
         {QStringLiteral("list"), QStringLiteral("extract"), QStringLiteral("create"),
          QStringLiteral("add"), QStringLiteral("remove")}) {
        const ProgramRun help = RunFar(folder, {command, QStringLiteral("--help")});
        EXPECT_EQ(help.Exit, 0) << command.toStdString();
        EXPECT_TRUE(help.Out.startsWith(QStringLiteral("usage: packwright-cli far ") + command));
        EXPECT_EQ(RunFar(folder, {command}).Exit, 2) << command.toStdString();
    }
    EXPECT_EQ(RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far")}).Exit, 2);
    EXPECT_EQ(RunFar(folder, {QStringLiteral("unpack")}).Exit, 2);

    const ProgramRun missing = RunFar(folder, {QStringLiteral("list"), QStringLiteral("none.far")});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err, QStringLiteral("packwright-cli: Error reading file \"none.far\".\n"));
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("none.far"))));
    const ProgramRun unknown = RunFar(
        folder, {QStringLiteral("remove"), QStringLiteral("a.far"), QStringLiteral("chair.iff")});
    EXPECT_EQ(unknown.Exit, 1);
    EXPECT_EQ(unknown.Err,
              QStringLiteral("packwright-cli: Error loading item \"chair.iff\" in \"a.far\".\n"));
    EXPECT_EQ(
        RunFar(folder, {QStringLiteral("add"), QStringLiteral("a.far"), QStringLiteral("gone.iff")})
            .Exit,
        1);
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), BuildFarArchive({{"lamp.iff", "lamp"}}));
}

TEST(FarCommand, AHostileArchiveWritesNothing) {
    FarTestFolder folder;
    folder.Write(QStringLiteral("evil.far"), BuildFarArchive({{"..\\..\\escaped.iff", "x"}}));
    const ProgramRun run = RunFar(folder, {QStringLiteral("extract"), QStringLiteral("evil.far"),
                                           QStringLiteral("-C"), QStringLiteral("deep/out")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, QStringLiteral("error: File \"evil.far\" is not a valid FAR file.\n"));
    EXPECT_EQ(folder.Contents(), QStringList({QStringLiteral("evil.far")}));
}
