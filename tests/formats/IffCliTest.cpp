#include "common/DayCountDate.h"
#include "support/FilesDbFixtures.h"
#include "support/IffFixtures.h"
#include "support/ProgramRun.h"
#include "support/SpriteFixtures.h"
#include "support/StringListFixtures.h"
#include "TempFolderTest.h"

#include <QImage>

namespace {
ProgramRun
RunCli(const QStringList& args,
       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return RunProgram(QStringLiteral(PACKWRIGHT_CLI), args, environment);
}

class IffCli : public TempFolderTest {
protected:
    QString WriteIff(const QList<FixtureChunk>& chunks) {
        return Write(QStringLiteral("test.iff"), BuildIffFile(chunks));
    }
};
} // namespace

TEST_F(IffCli, ListsChunksAndStrings) {
    const QByteArray strings = BuildStringList(FixtureListFormat::LanguageValueComments,
                                               {{"tab\there", "note", 3}, {"plain", "", 0}});
    const QString file = WriteIff({{"STR#", 300, 0x10, "Names", strings}, {"PALT", 1, 0, "", "p"}});
    EXPECT_EQ(RunCli({QStringLiteral("iff"), QStringLiteral("list"), file}).Out,
              QStringLiteral("64\tSTR#\t300\t16\t%1\tNames\n%2\tPALT\t1\t0\t77\t\n")
                  .arg(76 + strings.size())
                  .arg(64 + 76 + strings.size()));
    EXPECT_EQ(RunCli({QStringLiteral("iff"), QStringLiteral("strings"), file,
                      QStringLiteral("STR#"), QStringLiteral("300")})
                  .Out,
              QStringLiteral("3\ttab\\there\tnote\n0\tplain\t\n"));

    const ProgramRun missing = RunCli({QStringLiteral("iff"), QStringLiteral("strings"), file,
                                       QStringLiteral("STR#"), QStringLiteral("301")});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_FALSE(missing.Err.isEmpty());
    EXPECT_EQ(RunCli({QStringLiteral("iff"), QStringLiteral("strings"), file,
                      QStringLiteral("STR#"), QStringLiteral("x")})
                  .Exit,
              2);
    EXPECT_EQ(
        RunCli({QStringLiteral("iff"), QStringLiteral("list"), PathOf(QStringLiteral("none.iff"))})
            .Exit,
        1);
    // A file of another kind is refused, not listed as empty.
    const ProgramRun foreign = RunCli({QStringLiteral("iff"), QStringLiteral("list"),
                                       Write(QStringLiteral("archive.far"), "FAR!byAZ\1\0\0\0")});
    EXPECT_EQ(foreign.Exit, 1);
    EXPECT_TRUE(foreign.Err.contains(QStringLiteral("not an IFF file")));
}

TEST_F(IffCli, WritesSpriteFramesAsPng) {
    const QByteArray sprite = BuildSpr2Data(
        {{2, 1, 1, Spr2Commands({{1, FixtureTransparent}})}, {1, 1, 1, Spr2Commands({{1}})}}, 1);
    const QString file = WriteIff(
        {{"PALT", 1, 0, "", BuildPaltData({0, qRgb(10, 20, 30)})}, {"SPR2", 5, 0, "", sprite}});
    const QString out = PathOf(QStringLiteral("frames"));
    const ProgramRun run =
        RunCli({QStringLiteral("iff"), QStringLiteral("sprite"), file, QStringLiteral("5"), out});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QStringLiteral("2\n"));
    const QImage first(out + QStringLiteral("/frame-0.png"));
    ASSERT_EQ(first.size(), QSize(2, 1));
    EXPECT_EQ(first.pixel(0, 0) | 0xFF000000u, qRgb(10, 20, 30));
    EXPECT_EQ(first.pixel(1, 0) | 0xFF000000u, qRgb(255, 0, 255));
    EXPECT_FALSE(QImage(out + QStringLiteral("/frame-1.png")).isNull());
    EXPECT_EQ(
        RunCli({QStringLiteral("iff"), QStringLiteral("sprite"), file, QStringLiteral("6"), out})
            .Exit,
        1);
}

TEST_F(IffCli, ListsTheProgramFoldersDatabase) {
    const QString chair = Write(QStringLiteral("Chair.iff"), "c");
    Write(
        QStringLiteral("FILES.IFF"),
        BuildFilesDb({{130, {{chair, QStringLiteral("45000.5"), QStringLiteral("two\nlines")}}}}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PACKWRIGHT_HOME"), FFolder.path());
    const ProgramRun run = RunCli({QStringLiteral("db"), QStringLiteral("list")}, environment);
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QStringLiteral("130\t%1\t%2\ttwo\\nlines\n")
                           .arg(chair, FromDayCount(45000.5).toString(Qt::ISODate)));
    EXPECT_EQ(
        RunCli({QStringLiteral("db"), QStringLiteral("list"), PathOf(QStringLiteral("none.iff"))})
            .Exit,
        1);
    EXPECT_EQ(RunCli({QStringLiteral("db"), QStringLiteral("list"), QStringLiteral("--help")}).Exit,
              0);
}
