#include "common/PathRules.h"
#include "support/FarFixtures.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct CliRun {
    int Exit = -1;
    QString Out;
    QString Err;
};

// Runs packwright-cli far ... in the folder.
CliRun RunFar(const QTemporaryDir& folder, const QStringList& args) {
    QProcess cli;
    cli.setWorkingDirectory(folder.path());
    cli.start(QStringLiteral(PACKWRIGHT_CLI), QStringList{QStringLiteral("far")} + args);
    cli.waitForFinished();
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Binary(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 256);
    return bytes;
}
} // namespace

TEST(FarCommand, CreatedArchivesListAndExtractByteForByte) {
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("in/lamp.iff")), Binary(70000));
    WriteFile(folder.filePath(QStringLiteral("in/sub/chair.iff")), "chair");
    WriteFile(folder.filePath(QStringLiteral("in/empty.iff")), QByteArray());

    const CliRun created = RunFar(
        folder, {QStringLiteral("create"), QStringLiteral("a.far"), QStringLiteral("in/lamp.iff"),
                 QStringLiteral("in/sub/chair.iff"), QStringLiteral("in/empty.iff")});
    EXPECT_EQ(created.Exit, 0) << created.Err.toStdString();
    EXPECT_EQ(
        ReadFile(folder.filePath(QStringLiteral("a.far"))),
        BuildFarArchive({{"lamp.iff", Binary(70000)}, {"chair.iff", "chair"}, {"empty.iff", ""}}));
    EXPECT_EQ(RunFar(folder, {QStringLiteral("list"), QStringLiteral("a.far")}).Out,
              QStringLiteral("lamp.iff\t70000\t16\nchair.iff\t5\t70016\nempty.iff\t0\t70021\n"));

    EXPECT_EQ(RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far"),
                              QStringLiteral("-C"), QStringLiteral("out")})
                  .Exit,
              0);
    for (const QString& name :
         {QStringLiteral("lamp.iff"), QStringLiteral("sub/chair.iff"), QStringLiteral("empty.iff")})
        EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("out/") + BareFileName(name))),
                  ReadFile(folder.filePath(QStringLiteral("in/") + name)))
            << name.toStdString();
    EXPECT_EQ(
        RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far"),
                        QStringLiteral("CHAIR.IFF"), QStringLiteral("-C"), QStringLiteral("one")})
            .Exit,
        0);
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("one"))).entryList(QDir::Files),
              QStringList({QStringLiteral("chair.iff")}));
}

TEST(FarCommand, AddAppendsNewEntriesAndRemoveRewrites) {
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.far")), BuildFarArchive({{"lamp.iff", "lamp"}}));
    WriteFile(folder.filePath(QStringLiteral("chair.iff")), "chair");

    EXPECT_EQ(RunFar(folder,
                     {QStringLiteral("add"), QStringLiteral("a.far"), QStringLiteral("chair.iff")})
                  .Exit,
              0);
    EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("a.far"))),
              BuildFarArchive({{"lamp.iff", "lamp"}, {"chair.iff", "chair"}}));
    EXPECT_EQ(RunFar(folder, {QStringLiteral("remove"), QStringLiteral("a.far"),
                              QStringLiteral("Lamp.iff")})
                  .Exit,
              0);
    EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("a.far"))),
              BuildFarArchive({{"chair.iff", "chair"}}));
}

TEST(FarCommand, FailuresAndBadUsageAreToldApart) {
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.far")), BuildFarArchive({{"lamp.iff", "lamp"}}));
    for (const QString& command :
         {QStringLiteral("list"), QStringLiteral("extract"), QStringLiteral("create"),
          QStringLiteral("add"), QStringLiteral("remove")}) {
        const CliRun help = RunFar(folder, {command, QStringLiteral("--help")});
        EXPECT_EQ(help.Exit, 0) << command.toStdString();
        EXPECT_TRUE(help.Out.startsWith(QStringLiteral("usage: packwright-cli far ") + command));
        EXPECT_EQ(RunFar(folder, {command}).Exit, 2) << command.toStdString();
    }
    EXPECT_EQ(RunFar(folder, {QStringLiteral("extract"), QStringLiteral("a.far")}).Exit, 2);
    EXPECT_EQ(RunFar(folder, {QStringLiteral("unpack")}).Exit, 2);

    const CliRun missing = RunFar(folder, {QStringLiteral("list"), QStringLiteral("none.far")});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Err, QStringLiteral("packwright-cli: Error reading file \"none.far\".\n"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("none.far"))));
    const CliRun unknown = RunFar(
        folder, {QStringLiteral("remove"), QStringLiteral("a.far"), QStringLiteral("chair.iff")});
    EXPECT_EQ(unknown.Exit, 1);
    EXPECT_EQ(unknown.Err,
              QStringLiteral("packwright-cli: Error loading item \"chair.iff\" in \"a.far\".\n"));
    EXPECT_EQ(
        RunFar(folder, {QStringLiteral("add"), QStringLiteral("a.far"), QStringLiteral("gone.iff")})
            .Exit,
        1);
    EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("a.far"))),
              BuildFarArchive({{"lamp.iff", "lamp"}}));
}

TEST(FarCommand, AHostileArchiveWritesNothing) {
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("evil.far")),
              BuildFarArchive({{"..\\..\\escaped.iff", "x"}}));
    const CliRun run = RunFar(folder, {QStringLiteral("extract"), QStringLiteral("evil.far"),
                                       QStringLiteral("-C"), QStringLiteral("deep/out")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, QStringLiteral("error: File \"evil.far\" is not a valid FAR file.\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("evil.far")}));
}
