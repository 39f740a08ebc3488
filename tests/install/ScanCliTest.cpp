#include "support/ArchiveFixtures.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>

using namespace Qt::StringLiterals;

TEST(ScanCli, PrintsTheTreeAndReadmesThenRemovesItsTemporaryFolder) {
    TempFolder folder;
    const QString download = folder.Write(
        u"dl/pack.zip"_s, BuildZipArchive({{.Name = "house25.iff", .Data = "downtown lot"},
                                           {.Name = "a\tb.wll", .Data = "wall"},
                                           {.Name = "read.txt", .Data = "readme"}}));
    folder.Write(u"dl/chair.iff"_s, "chair");
    // Any other format goes the same way (every format is read in the intake's own tests).
    const QString txz = folder.Write(
        u"dl/more.txz"_s,
        BuildArchive(ArchiveFormat::TarXz, {{.Name = "objects/lamp.iff", .Data = "lamp"}}));
    QDir().mkpath(folder.Path(u"temp"_s));
    const QString temp = folder.Path(u"temp"_s);
    const QString entries = QDir::toNativeSeparators(download) + QDir::separator();

    const ProgramRun run =
        RunCli({u"scan"_s, u"--packs"_s, u"tevarin"_s, u"--temp"_s, temp, folder.Path(u"dl"_s)});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << run.Out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(u"111\t"_s + entries + u"house25.iff\t"_s));
    EXPECT_EQ(lines[1],
              u"100\t%1\t%1"_s.arg(QDir::toNativeSeparators(folder.Path(u"dl/chair.iff"_s))));
    EXPECT_TRUE(lines[2].startsWith(u"100\t"_s + QDir::toNativeSeparators(txz) + QDir::separator() +
                                    u"lamp.iff\t"_s));
    EXPECT_TRUE(lines[3].startsWith(u"101\t"_s + entries + u"a\\tb.wll\t"_s));
    EXPECT_TRUE(lines[4].startsWith(u"readme\t"_s + entries + u"read.txt\t"_s));
    EXPECT_EQ(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // Without the pack the downtown lot is listed nowhere; nothing installable fails.
    const ProgramRun bare = RunCli({u"scan"_s, u"--packs"_s, u""_s, download});
    EXPECT_EQ(bare.Out.count(u'\n'), 2);
    EXPECT_EQ(RunCli({u"scan"_s, u"--packs"_s, u""_s, folder.Path(u"dl/chair.iff"_s)}).Exit, 0);
    EXPECT_EQ(RunCli({u"scan"_s, folder.Write(u"x.doc"_s, "doc")}).Exit, 1);
    EXPECT_EQ(RunCli({u"scan"_s, folder.Path(u"missing.iff"_s)}).Exit, 1);
    EXPECT_EQ(RunCli({u"scan"_s, u"--packs"_s, u"moon"_s, download}).Exit, 2);
    EXPECT_EQ(RunCli({u"scan"_s}).Exit, 2);
}
