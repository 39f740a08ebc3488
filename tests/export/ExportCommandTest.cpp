#include "support/FarFixtures.h"
#include "support/OwnProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The renderer, the escaping and the questions are the engine's; these check what the
// command's options and exit codes add.
class ExportCommandTest : public OwnProgramFolderTest {
protected:
    ExportCommandTest() {
        FFolder.Write(u"home/QuarnFiles.iff"_s, QByteArray());
        for (const QString& name : {u"filelist_template.html"_s, u"filelist_template.txt"_s})
            QFile::copy(ShippedFolder() + u'/' + name, Home(name));
    }
    QString Home(const QString& name) const { return FFolder.Path(u"home/"_s + name); }
    ProgramRun Export(const QStringList& args) const {
        return RunCli(QStringList{u"export"_s, u"--game"_s, FFolder.Path(u"Game"_s)} + args,
                      FFolder.Path());
    }
};

TEST_F(ExportCommandTest, RendersTheChosenListsInOrderAndLeavesAnExistingOutput) {
    FFolder.Write(u"Game/GameData/UserObjects/chair.iff"_s, QByteArray(1500, 'x'));
    FFolder.Write(u"Game/GameData/Skins/f123gala.bmp"_s, "BM");
    const QStringList html = {u"--template"_s, Home(u"filelist_template.html"_s), u"-o"_s,
                              u"list.html"_s};
    const ProgramRun run =
        Export(html + QStringList{u"--lists"_s, u"133,100"_s, u"--title"_s, u"Mine"_s});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QString list = QString::fromUtf8(FFolder.Read(u"list.html"_s));
    EXPECT_TRUE(list.contains(u"<h1>Mine</h1>"_s));
    const qsizetype formal = list.indexOf(u"<summary>Formal wear <span class=\"facts\">1 file, "
                                          "2 Byte</span></summary>"_s);
    const qsizetype objects = list.indexOf(u"<summary>Objects <span class=\"facts\">1 file, "
                                           "1.46 KB</span></summary>"_s);
    EXPECT_TRUE(formal >= 0 && objects > formal) << list.toStdString();
    EXPECT_FALSE(list.contains(u"PKWR"_s));
    EXPECT_TRUE(QFile::exists(Home(u"files.iff"_s)));

    // Without --yes an existing output stays as it is.
    EXPECT_EQ(Export(html).Exit, 1);
    EXPECT_EQ(QString::fromUtf8(FFolder.Read(u"list.html"_s)), list);
}

// An archive that cannot be read is listed as a file and named, and the list is written.
TEST_F(ExportCommandTest, AnUnreadableArchiveIsNamedAndTheListStillWritten) {
    const QString broken = FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    FFolder.Write(u"Game/Downloads/set.far"_s,
                  BuildFarArchive({{.Name = "inside.iff", .Data = "1"}}));
    const ProgramRun run = Export({u"--template"_s, Home(u"filelist_template.txt"_s), u"-o"_s,
                                   u"list.txt"_s, u"--lists"_s, u"105"_s});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_TRUE(run.Err.startsWith(u"warning: These FAR files could not be read and are listed "
                                   "without the files inside them:\n"_s +
                                   QDir::toNativeSeparators(broken) +
                                   u"\ninfo: The list has been written to \""_s))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.endsWith(u"list.txt\".\n"_s)) << run.Err.toStdString();
    const QString list = QString::fromUtf8(FFolder.Read(u"list.txt"_s));
    EXPECT_TRUE(list.contains(u"broken.far"_s)) << list.toStdString();
    EXPECT_TRUE(list.contains(u"inside.iff"_s)) << list.toStdString();
}

TEST_F(ExportCommandTest, TemplateErrorsAndEmptyFoldersWriteNothing) {
    const QString broken = FFolder.Write(u"broken.txt"_s, "<!--PKWR:LISTSTART-->\r\n"_ba);
    const ProgramRun failed = Export({u"--template"_s, broken, u"-o"_s, u"list.txt"_s});
    EXPECT_EQ(failed.Exit, 1);
    EXPECT_TRUE(failed.Err.contains(u"Error in Template file: \"${GENERATOR}\" missing"_s));
    const ProgramRun empty =
        Export({u"--template"_s, Home(u"filelist_template.txt"_s), u"-o"_s, u"list.txt"_s});
    EXPECT_EQ(empty.Exit, 0);
    EXPECT_TRUE(empty.Err.contains(u"You don't have any custom content installed."_s));
    EXPECT_FALSE(QFile::exists(FFolder.Path(u"list.txt"_s)));
    EXPECT_EQ(Export({u"--template"_s, broken, u"-o"_s, u"x.txt"_s, u"--lists"_s, u"106"_s}).Exit,
              2);
}
