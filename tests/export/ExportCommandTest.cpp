#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class ExportCommandTest : public TempFolderTest {
protected:
    ExportCommandTest() {
        const QString shipped = QString::fromLocal8Bit(qgetenv("PACKWRIGHT_HOME"));
        FFolder.Write(u"Program/QuarnFiles.iff"_s, QByteArray());
        for (const QString& name : {u"filelist_template.html"_s, u"filelist_template.txt"_s})
            QFile::copy(shipped + u'/' + name, FFolder.Path(u"Program/"_s + name));
        FEnvironment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"Program"_s));
        FEnvironment.insert(u"PACKWRIGHT_SETTINGS"_s, FFolder.Path(u"settings.ini"_s));
    }

    ProgramRun Export(const QStringList& args) {
        return RunCli(QStringList{u"export"_s, u"--game"_s, FFolder.Path(u"Game"_s)} + args,
                      FFolder.Path(), FEnvironment);
    }

    QProcessEnvironment FEnvironment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ExportCommandTest, RendersTheGameFolderThroughTheShippedTemplate) {
    FFolder.Write(u"Game/GameData/UserObjects/Tom & Jerry.iff"_s, QByteArray(1500, 'x'));
    FFolder.Write(u"Game/GameData/Skins/f123gala.bmp"_s, "BM");
    const QString html = FFolder.Path(u"Program/filelist_template.html"_s);
    const ProgramRun run = Export({u"--template"_s, html, u"-o"_s, u"list.html"_s, u"--lists"_s,
                                   u"133,100"_s, u"--title"_s, u"Mine"_s});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QString list = QString::fromUtf8(FFolder.Read(u"list.html"_s));
    EXPECT_TRUE(list.startsWith(u"<!DOCTYPE html>\r\n"_s));
    EXPECT_TRUE(list.contains(u"<h1>Mine</h1>"_s));
    const qsizetype formal = list.indexOf(u"<summary>Formal wear <span class=\"facts\">1 file, "
                                          "2 Byte</span></summary>"_s);
    const qsizetype objects = list.indexOf(u"<summary>Objects <span class=\"facts\">1 file, "
                                           "1.46 KB</span></summary>"_s);
    EXPECT_TRUE(formal >= 0 && objects > formal) << list.toStdString();
    EXPECT_TRUE(list.contains(u"<td>Tom &amp; Jerry.iff<div class=\"path\">"_s));
    EXPECT_FALSE(list.contains(u"PKWR"_s));
    EXPECT_TRUE(list.endsWith(u"</html>\r\n"_s));
    EXPECT_TRUE(QFile::exists(FFolder.Path(u"Program/files.iff"_s)));

    // The output exists now: without --yes it stays as it is.
    const ProgramRun again = Export({u"--template"_s, html, u"-o"_s, u"list.html"_s});
    EXPECT_EQ(again.Exit, 1);
    EXPECT_EQ(QString::fromUtf8(FFolder.Read(u"list.html"_s)), list);
}

TEST_F(ExportCommandTest, TemplateErrorsAndEmptyFoldersWriteNothing) {
    const QString broken = FFolder.Write(u"broken.txt"_s, "<!--PKWR:LISTSTART-->\r\n"_ba);
    const ProgramRun failed = Export({u"--template"_s, broken, u"-o"_s, u"list.txt"_s});
    EXPECT_EQ(failed.Exit, 1);
    EXPECT_TRUE(failed.Err.contains(u"Error in Template file: \"${GENERATOR}\" missing"_s));
    const ProgramRun empty =
        Export({u"--template"_s, FFolder.Path(u"Program/filelist_template.txt"_s), u"-o"_s,
                u"list.txt"_s});
    EXPECT_EQ(empty.Exit, 0);
    EXPECT_TRUE(empty.Err.contains(u"You don't have any custom content installed."_s));
    EXPECT_FALSE(QFile::exists(FFolder.Path(u"list.txt"_s)));
    EXPECT_EQ(Export({u"--template"_s, broken, u"-o"_s, u"x.txt"_s, u"--lists"_s, u"106"_s}).Exit,
              2);
}
