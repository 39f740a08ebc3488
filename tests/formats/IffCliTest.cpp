#include "common/DayCountDate.h"
#include "support/FilesDbFixtures.h"
#include "support/IffFixtures.h"
#include "support/ProgramRun.h"
#include "support/SpriteFixtures.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QImage>

using namespace Qt::StringLiterals;

namespace {
class IffCli : public TempFolderTest {
protected:
    QString WriteIff(const QList<FixtureChunk>& chunks) {
        return FFolder.Write(u"test.iff"_s, BuildIffFile(chunks));
    }
};
} // namespace

TEST_F(IffCli, ListsChunksAndStrings) {
    const QByteArray strings = BuildStringList(FixtureListFormat::LanguageValueComments,
                                               {{"tab\there", "note", 3}, {"plain", "", 0}});
    const QString file = WriteIff({{"STR#", 300, 0x10, "Names", strings}, {"PALT", 1, 0, "", "p"}});
    EXPECT_EQ(RunCli({u"iff"_s, u"list"_s, file}).Out,
              u"64\tSTR#\t300\t16\t%1\tNames\n%2\tPALT\t1\t0\t77\t\n"_s.arg(76 + strings.size())
                  .arg(64 + 76 + strings.size()));
    EXPECT_EQ(RunCli({u"iff"_s, u"strings"_s, file, u"STR#"_s, u"300"_s}).Out,
              u"3\ttab\\there\tnote\n0\tplain\t\n"_s);

    const ProgramRun missing = RunCli({u"iff"_s, u"strings"_s, file, u"STR#"_s, u"301"_s});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_FALSE(missing.Err.isEmpty());
    EXPECT_EQ(RunCli({u"iff"_s, u"strings"_s, file, u"STR#"_s, u"x"_s}).Exit, 2);
    EXPECT_EQ(RunCli({u"iff"_s, u"list"_s, FFolder.Path(u"none.iff"_s)}).Exit, 1);
    // A file of another kind is refused, not listed as empty.
    const ProgramRun foreign =
        RunCli({u"iff"_s, u"list"_s, FFolder.Write(u"archive.far"_s, "FAR!byAZ\1\0\0\0")});
    EXPECT_EQ(foreign.Exit, 1);
    EXPECT_TRUE(foreign.Err.contains(u"not an IFF file"_s));
}

TEST_F(IffCli, WritesSpriteFramesAsPng) {
    const QByteArray sprite = BuildSpr2Data(
        {{2, 1, 1, Spr2Commands({{1, FixtureTransparent}})}, {1, 1, 1, Spr2Commands({{1}})}}, 1);
    // A one-pixel wall sprite of palette 1.
    const QByteArray wall = FixtureLe32(505) + FixtureLe32(1) + FixtureLe32(1) + FixtureLe32(16) +
                            FixtureLe32(0) + FixtureLe16(1) + FixtureLe16(1) +
                            QByteArray("\x04\x06\x03\x01\x01\x00\x05\x00", 8);
    const QString file = WriteIff({{"PALT", 1, 0, "", BuildPaltData({0, qRgb(10, 20, 30)})},
                                   {"SPR2", 5, 0, "", sprite},
                                   {"SPR#", 1793, 0, "", wall}});
    const QString out = FFolder.Path(u"frames"_s);
    const ProgramRun run = RunCli({u"iff"_s, u"sprite"_s, file, u"5"_s, out});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, u"2\n"_s);
    const QImage first(out + u"/frame-0.png"_s);
    ASSERT_EQ(first.size(), QSize(2, 1));
    EXPECT_EQ(first.pixel(0, 0) | 0xFF000000u, qRgb(10, 20, 30));
    EXPECT_EQ(first.pixel(1, 0) | 0xFF000000u, qRgb(255, 0, 255));
    EXPECT_FALSE(QImage(out + u"/frame-1.png"_s).isNull());
    EXPECT_EQ(RunCli({u"iff"_s, u"sprite"_s, file, u"6"_s, out}).Exit, 1);

    // Wall sprites only when their type is named.
    const QString walls = FFolder.Path(u"walls"_s);
    EXPECT_EQ(RunCli({u"iff"_s, u"sprite"_s, file, u"1793"_s, walls}).Exit, 1);
    EXPECT_EQ(RunCli({u"iff"_s, u"sprite"_s, u"--type"_s, u"SPR#"_s, file, u"1793"_s, walls}).Out,
              u"1\n"_s);
    EXPECT_EQ(QImage(walls + u"/frame-0.png"_s).pixel(0, 0), qRgb(10, 20, 30));
}

TEST_F(IffCli, ListsTheProgramFoldersDatabase) {
    const QString chair = FFolder.Write(u"Chair.iff"_s, "c");
    FFolder.Write(u"FILES.IFF"_s, BuildFilesDb({{130, {{chair, u"45000.5"_s, u"two\nlines"_s}}}}));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path());
    const ProgramRun run = RunCli({u"db"_s, u"list"_s}, QString(), environment);
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, u"130\t%1\t%2\ttwo\\nlines\n"_s.arg(
                           chair, FromDayCount(45000.5).toString(Qt::ISODate)));
    EXPECT_EQ(RunCli({u"db"_s, u"list"_s, FFolder.Path(u"none.iff"_s)}).Exit, 1);
}
