#include "export/TListExportFrame.h"

#include "language/BuiltInEnglish.h"
#include "support/OwnProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkerJobWait.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

const QStringList AllTitles{u"Objects"_s,
                            u"Walls"_s,
                            u"Floors"_s,
                            u"Roofs"_s,
                            u"Animations"_s,
                            u"FAR Files"_s,
                            u"Regular Skins"_s,
                            u"Heads"_s,
                            u"Formal wear"_s,
                            u"Pyjamas"_s,
                            u"Swimsuits"_s,
                            u"Winterwear"_s,
                            u"High Fashion"_s,
                            u"Skin Accessories"_s,
                            u"Houses (Regular Neighborhood)"_s,
                            u"Downtown Areas"_s,
                            u"Ossery Island Areas"_s,
                            u"Houses/Old Town Areas (Extended Neighborhood)"_s,
                            u"Studio Town Areas"_s,
                            u"Magic Town Areas"_s,
                            u"Exported Families"_s,
                            u"Exported Downtown Areas"_s,
                            u"Exported Ossery Island Areas"_s,
                            u"Exported Community Areas"_s,
                            u"Exported Studio Town Areas"_s,
                            u"Exported Magic Town Areas"_s};
} // namespace

class TListExportFrameTest : public OwnProgramFolderTest {
protected:
    // The frame as the main window makes it: language copied in after construction.
    TListExportFrame& Frame() {
        if (!FFrame) {
            FFrame = std::make_unique<TListExportFrame>(FUser);
            FFrame->SetVocksPath(FFolder.Path(u"Game/"_s));
            FFrame->SetTempFolder(FFolder.Path(u"Temp"_s));
            FFrame->SetProdVersion(u"0.4.0b"_s);
            FFrame->Language().SetDefaultLanguage(BuiltInEnglishLines());
            FFrame->resize(700, 480);
        }
        return *FFrame;
    }
    template <typename Control> Control* Find(const char* name) {
        auto* control = Frame().findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    void SelectRows(const char* listName, std::initializer_list<int> rows) {
        QListWidget* list = Find<QListWidget>(listName);
        list->clearSelection();
        for (const int row : rows)
            list->item(row)->setSelected(true);
    }

    ScriptedInteraction FUser;
    std::unique_ptr<TListExportFrame> FFrame;
};

TEST_F(TListExportFrameTest, StartsFromTheStoredChoicesOrTheDefaults) {
    EXPECT_EQ(Texts(Find<QListWidget>("ExportList")), AllTitles);
    EXPECT_TRUE(Texts(Find<QListWidget>("AvailableList")).isEmpty());
    EXPECT_EQ(Find<QLineEdit>("ListName")->text(), u"The Vocks Installed Downloads List"_s);
    EXPECT_TRUE(Find<QCheckBox>("MakeLinks")->isChecked());
    // The default template is not there: nothing to export with.
    EXPECT_FALSE(Find<QPushButton>("ListExport")->isEnabled());

    FFrame.reset();
    FFolder.Write(u"settings.ini"_s, "[General]\nListSel=\"105;100\"\nListFile=out.txt\n"_ba);
    EXPECT_EQ(Texts(Find<QListWidget>("ExportList")), (QStringList{u"FAR Files"_s, u"Objects"_s}));
    EXPECT_EQ(Texts(Find<QListWidget>("AvailableList")).mid(0, 2),
              (QStringList{u"Walls"_s, u"Floors"_s}));
    EXPECT_FALSE(Find<QCheckBox>("MakeLinks")->isEnabled());
}

TEST_F(TListExportFrameTest, MovesListsBetweenBoxesAndWithinTheExportOrder) {
    FFolder.Write(u"home/filelist_template.html"_s, "x"_ba);
    Frame();
    SelectRows("ExportList", {1, 2, 5});
    Click("ListOrderUp");
    EXPECT_EQ(Texts(Find<QListWidget>("ExportList")).mid(0, 6),
              (QStringList{u"Walls"_s, u"Floors"_s, u"Objects"_s, u"Roofs"_s, u"FAR Files"_s,
                           u"Animations"_s}));
    Click("ListDeselect");
    EXPECT_EQ(Texts(Find<QListWidget>("AvailableList")),
              (QStringList{u"Walls"_s, u"Floors"_s, u"FAR Files"_s}));
    SelectRows("AvailableList", {1});
    Click("ListSelect");
    EXPECT_EQ(Texts(Find<QListWidget>("ExportList")).last(), u"Floors"_s);
    EXPECT_TRUE(Find<QPushButton>("ListExport")->isEnabled());
    Click("DeselAll");
    EXPECT_EQ(Find<QListWidget>("AvailableList")->count(), AllTitles.size());
    EXPECT_FALSE(Find<QPushButton>("ListExport")->isEnabled());
    Click("SelAll");
    EXPECT_EQ(Find<QListWidget>("ExportList")->count(), AllTitles.size());
}

TEST_F(TListExportFrameTest, BrowsesWithTheListFilterAndTakesTheChosenFile) {
    FUser.ExpectFileDialog({.Confirmed = true, .Paths = {u"/lists/mine.txt"_s}});
    Click("FileBrowse");
    FUser.ExpectFileDialog({.Confirmed = false, .Paths = {}});
    Click("TemplBrowse");
    ASSERT_EQ(FUser.FileDialogs().size(), 2);
    EXPECT_EQ(FUser.FileDialogs()[0].Title, u"Save File List:"_s);
    EXPECT_EQ(FUser.FileDialogs()[0].Filter,
              u"All Supported Lists (*.html, *.htm, *.xml, *.txt)|*.html;*.htm;*.xml;*.txt|"
              "HTML Files (*.html, *.htm)|*.html;*.htm|XML Files (*.xml)|*.xml|"
              "Plain Text Files (*.txt)|*.txt|All Files (*.*)|*.*"_s);
    EXPECT_EQ(FUser.FileDialogs()[1].Title, u"Select a template to use:"_s);
    EXPECT_FALSE(FUser.FileDialogs()[1].Filter.contains(u"XML Files"_s));
    EXPECT_EQ(Find<QLineEdit>("FileName")->text(), QDir::toNativeSeparators(u"/lists/mine.txt"_s));
    EXPECT_FALSE(Find<QCheckBox>("MakeLinks")->isEnabled());
}

TEST_F(TListExportFrameTest, ExportWritesTheListAndStoresTheChoices) {
    QFile::copy(ShippedFolder() + u"/filelist_template.html"_s,
                FFolder.Path(u"home/filelist_template.html"_s));
    FFolder.Write(u"home/QuarnFiles.iff"_s, QByteArray());
    FFolder.Write(u"Game/Downloads/Tom & Jerry.iff"_s, "iff");
    Find<QLineEdit>("ListName")->setText(u"Mine"_s);
    // The default file names, both in the program folder.
    Click("ListExport");
    WaitForWorkerJob(Frame());
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList{u"The list has been written to \""_s +
                          QDir::toNativeSeparators(FFolder.Path(u"home/files.html"_s)) + u"\"."_s});
    const QByteArray written = FFolder.Read(u"home/files.html"_s);
    EXPECT_TRUE(written.contains("<h1>Mine</h1>"));
    EXPECT_TRUE(written.contains("<td>Tom &amp; Jerry.iff<div"));
    EXPECT_EQ(StoredSetting(u"ListTitle"_s), u"Mine"_s);
    EXPECT_EQ(StoredSetting(u"ListSel"_s),
              u"100;101;102;103;104;105;130;131;133;134;135;136;137;132;110;111;112;113;114;115;"
              u"120;121;122;123;124;125;"_s);

    // The command line writes the same bytes for the same choices.
    const ProgramRun run =
        RunCli({u"export"_s, u"--game"_s, FFolder.Path(u"Game"_s), u"--template"_s,
                Find<QLineEdit>("Template")->text(), u"-o"_s, FFolder.Path(u"cli.html"_s)});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(FFolder.Read(u"cli.html"_s), written);
}
