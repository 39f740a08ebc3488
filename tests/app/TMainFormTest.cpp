#include "app/TMainForm.h"

#include "app/about/TAboutBox.h"
#include "app/TPageControl.h"
#include "farpack/TFARFrame.h"
#include "install/TDropImage.h"
#include "install/TInstallFrame.h"
#include "ShellSandbox.h"
#include "support/FileFixtures.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkerJobWait.h"
#include "support/ZipFixtures.h"
#include "widgets/TAutoScroll.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
enum PageIndex { InstallPage, ExportPage, FarPage, DeletePage, OptionsPage, ReadmePage };

class TMainFormTest : public ::testing::Test {
protected:
    // A started window with the given changes to valid stored settings.
    TMainForm& Start(const QHash<QString, QString>& settings = {}) {
        Sandbox.WriteSettings(settings);
        return StartAsStored();
    }
    // A started window from the settings as they are stored; none on a first run.
    TMainForm& StartAsStored() {
        Form = std::make_unique<TMainForm>(User);
        EXPECT_TRUE(Form->FormCreate());
        return *Form;
    }
    QStringList TabCaptions() const {
        QStringList captions;
        for (int i = 0; i < Form->Pages()->count(); ++i)
            captions.append(Form->Pages()->tabText(i));
        return captions;
    }
    int ActivePage() const { return Form->Pages()->currentIndex(); }
    // As the user clicks a tab.
    void ClickTab(int page) const { Form->Pages()->setCurrentIndex(page); }
    template <typename Control> Control* Find(const char* name) const {
        return Form->findChild<Control*>(QLatin1String(name));
    }
    QString Text(const char* key) const { return Form->Language().GetString(QLatin1String(key)); }

    ShellSandbox Sandbox;
    ScriptedInteraction User;
    std::unique_ptr<TMainForm> Form;
};
} // namespace

// The install tab starts afresh after every install: the size the user gave the window stays.
TEST_F(TMainFormTest, StartsQuietlyFittedKeepsTheUsersSizeAndRemovesItsTemporaryFolderOnClose) {
    Start();
    EXPECT_TRUE(User.Messages().isEmpty());
    EXPECT_EQ(ActivePage(), InstallPage);
    // The window fits the 384-pixel drop picture and the options, not the layout's 770 × 746.
    EXPECT_LT(Form->height(), 700);
    EXPECT_GE(Form->height(), 384);
    EXPECT_FALSE(Find<QLineEdit>("PathEdit")->text().isEmpty());
    const QSize chosen = Form->size() + QSize(200, 150);
    Form->resize(chosen);
    Form->InstallFrame()->ResetToStep1();
    EXPECT_EQ(Form->size(), chosen);

    const QString folder = Form->TempFolder();
    EXPECT_EQ(folder, Sandbox.TempRoot() + u"/PKWR0/"_s);
    Sandbox.WriteFile(u"tmp/PKWR0/extracted/readme.txt"_s, "from a zip");
    Form->close();
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(Form->AboutBox(), nullptr);
}

TEST_F(TMainFormTest, AFirstRunWithoutTheGameShowsTheDefaultPicture) {
    User.ExpectQuestion(MessageAnswer::No);
    StartAsStored();
    EXPECT_EQ(Find<QLineEdit>("BMPFileLoc")->text(), Sandbox.ProgramFolder() + u"dropimg.jpg"_s);
    EXPECT_EQ(Find<TDropImage>("DropImg")->Picture().size(), QSize(384, 384));
}

// Closing would empty the temporary folder under an intake still extracting into it.
TEST_F(TMainFormTest, StaysOpenWhileATabsJobRunsOnAWorker) {
    Start();
    Sandbox.WriteFile(u"dl/set.zip"_s, BuildZipArchive({{.Name = "chair.iff", .Data = "chair"}}));
    Form->InstallFrame()->SelectFiles({Sandbox.Path(u"dl/set.zip"_s)});
    EXPECT_FALSE(Form->close());
    WaitForWorkerJob(*Form->InstallFrame());
    EXPECT_EQ(Form->InstallFrame()->TickedFiles().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(Form->TempFolder()));
    EXPECT_TRUE(Form->close());
    EXPECT_FALSE(QFileInfo::exists(Form->TempFolder()));
}

// What a file manager's "Open with" passes, relative to where the program was started.
TEST_F(TMainFormTest, FilesNamedAtStartAreTakenAsADropAndAMissingOneIsRefused) {
    Sandbox.WriteFile(u"dl/set.zip"_s, BuildZipArchive({{.Name = "chair.iff", .Data = "chair"}}));
    const QString started = QDir::currentPath();
    QDir::setCurrent(Sandbox.Path(u"dl"_s));
    Start();
    Form->OpenDownloads({u"set.zip"_s});
    QDir::setCurrent(started);
    WaitForWorkerJob(*Form->InstallFrame());
    EXPECT_EQ(ActivePage(), InstallPage);
    EXPECT_EQ(Form->InstallFrame()->InstallStep(), 2);
    EXPECT_EQ(Form->InstallFrame()->TickedFiles().size(), 1);

    Form->InstallFrame()->ResetToStep1();
    Form->OpenDownloads({Sandbox.Path(u"dl/gone.zip"_s)});
    WaitForWorkerJob(*Form->InstallFrame());
    EXPECT_EQ(Form->InstallFrame()->InstallStep(), 1);
    EXPECT_EQ(User.MessageTexts(),
              (QStringList{u"The zip archive \""_s + Sandbox.Path(u"dl/gone.zip"_s) +
                               u"\" cannot be read: there is no such file."_s,
                           u"You didn't select any files which you can install to The Vocks!"_s}));
}

TEST_F(TMainFormTest, AnInstallACrashCutShortIsUndoneAtStartAndTheUserIsTold) {
    const QString chair = Sandbox.WriteFile(u"game/GameData/UserObjects/chair.iff"_s, "new");
    Sandbox.WriteFile(u"program/operations/20261207-173000-000-1/keep/2"_s, "old");
    Sandbox.WriteFile(u"program/operations/20261207-173000-000-1/journal.txt"_s,
                      "packwright-journal\t1\tinstall\t2026-12-07T17:30:00\t\n"
                      "replace\t2\t" +
                          chair.toUtf8() + "\n");
    Start();
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Kind, MessageKind::Information);
    EXPECT_EQ(
        User.Messages()[0].Text,
        u"An interrupted installation ("_s +
            QLocale().toString(QDateTime(QDate(2026, 12, 7), QTime(17, 30)), QLocale::ShortFormat) +
            u") has been undone: the game folder and the installed files database are "
            "as they were before it."_s);
    EXPECT_EQ(ReadFixtureFile(chair), "old");
    EXPECT_FALSE(QFileInfo::exists(Sandbox.Path(u"program/operations/20261207-173000-000-1"_s)));
}

TEST_F(TMainFormTest, AZipLibraryThatFailsEndsTheProgramWithAnErrorBox) {
    Sandbox.WriteSettings();
    Form = std::make_unique<TMainForm>(User);
    EXPECT_FALSE(Form->FormCreate([] { return ArchiveEngineFault{14, u"Malloc failure"_s}; }));
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Kind, MessageKind::Error);
    EXPECT_EQ(User.Messages()[0].Text, u"Error 14: Malloc failure"_s);
}

TEST_F(TMainFormTest, InvalidStoredSettingsWarnAndShowTheOptionsAtEveryTabChange) {
    Start({{u"VocksPath"_s, Sandbox.GameFolder() + u"Vocks.exe"_s},
           {u"InstallBMP"_s, Sandbox.WriteFile(u"x.jpg"_s, "no image")}});
    EXPECT_EQ(User.MessageTexts(),
              (QStringList{Text("PicFileNotFound"), Text("VocksPathNotFound")}));
    EXPECT_EQ(ActivePage(), OptionsPage);
    // The install tab draws a picture of its own that says what is wrong.
    EXPECT_EQ(Find<TDropImage>("DropImg")->Picture().size(), QSize(512, 384));
    // Leaving is refused while the stored settings are invalid.
    ClickTab(ReadmePage);
    EXPECT_EQ(ActivePage(), OptionsPage);
    EXPECT_EQ(User.Messages().size(), 4);
}

TEST_F(TMainFormTest, UnsavedOptionsAskBeforeTheTabChanges) {
    Start();
    ClickTab(OptionsPage);
    auto* pathEdit = Find<QLineEdit>("PathEdit");
    QTest::keyClicks(pathEdit, u"typo"_s);
    const QString edited = pathEdit->text();

    User.ExpectQuestion(MessageAnswer::Cancel);
    ClickTab(ExportPage);
    EXPECT_EQ(ActivePage(), OptionsPage);
    EXPECT_EQ(pathEdit->text(), edited);
    EXPECT_EQ(User.Messages().last().Text, Text("SaveWarning"));
    EXPECT_EQ(User.Messages().last().Buttons, MessageButtons::YesNoCancel);

    // Yes, but the edit is no game folder: the save is refused and the edit stays.
    User.ExpectQuestion(MessageAnswer::Yes);
    ClickTab(ExportPage);
    EXPECT_EQ(ActivePage(), OptionsPage);
    EXPECT_EQ(User.Messages().last().Text, Text("VocksPathNotFound"));
    EXPECT_EQ(pathEdit->text(), edited + QDir::separator());

    // No: the stored settings are valid, so the tab changes and the edit is dropped.
    User.ExpectQuestion(MessageAnswer::No);
    ClickTab(ExportPage);
    EXPECT_EQ(ActivePage(), ExportPage);
    EXPECT_EQ(pathEdit->text(), Sandbox.GameFolder());
    EXPECT_EQ(Sandbox.StoredValue(u"VocksPath"_s), Sandbox.GameFolder());
}

TEST_F(TMainFormTest, LeavingChosenFilesAsksWithStayingAsTheDefault) {
    Start();
    Form->InstallFrame()->SelectFiles({Sandbox.WriteFile(u"dl/chair.iff"_s, "c")});
    WaitForWorkerJob(*Form->InstallFrame());
    ASSERT_EQ(Form->InstallFrame()->InstallStep(), 2);

    User.ExpectQuestion(MessageAnswer::No);
    ClickTab(ExportPage);
    EXPECT_EQ(ActivePage(), InstallPage);
    ASSERT_EQ(User.Messages().size(), 1);
    EXPECT_EQ(User.Messages()[0].Text, Text("LeaveTab"));
    EXPECT_EQ(User.Messages()[0].Buttons, MessageButtons::YesNo);
    EXPECT_EQ(User.Messages()[0].Default, MessageAnswer::No);
}

TEST_F(TMainFormTest, SavingADifferentLanguageRelabelsEveryWindowAtOnce) {
    Start();
    const QString german = Sandbox.WriteFile(
        u"program/Deutsch.lng"_s,
        "[Deutsch]\nInstall=Installieren\nFarSelectFiles=Dateien fuer die FAR-Datei:\n"
        "Copy=Alle Rechte vorbehalten\nTevarinInstalled=Ich habe Tevarin.\n");
    ClickTab(OptionsPage);
    User.ExpectFileDialog({.Confirmed = true, .Paths = {german}});
    QTest::mouseClick(Find<QPushButton>("LangFileBrowse"), Qt::LeftButton);
    EXPECT_EQ(TabCaptions().first(), u"Install Files"_s);
    QTest::mouseClick(Find<QPushButton>("SaveOptsBut"), Qt::LeftButton);

    EXPECT_EQ(TabCaptions().first(), u"Installieren"_s);
    EXPECT_EQ(Find<QLabel>("FARLabel")->text(), u"Dateien fuer die FAR-Datei:"_s);
    EXPECT_EQ(Find<QCheckBox>("TevarinInstalled")->text(), u"Ich habe Tevarin."_s);
    EXPECT_EQ(Find<QCheckBox>("OsseryInstalled")->text(), u"I have &Ossery installed."_s);
    EXPECT_EQ(Form->AboutBox()->AboutLanguage().LanguageName(), u"Deutsch"_s);
    // The translated copyright lost its marks: the strip keeps the English one.
    EXPECT_TRUE(Find<TAutoScroll>("MainScreenScroll")->Lines()[8].startsWith(u"Copyright"_s));
    EXPECT_EQ(Sandbox.StoredValue(u"Language"_s), german);
}

TEST_F(TMainFormTest, TheReadmeTabShowsTheReadmeOrSaysItIsMissing) {
    Start();
    ClickTab(ReadmePage);
    auto* readme = Find<QPlainTextEdit>("Readme");
    EXPECT_EQ(readme->toPlainText(), u"Welcome to the sandbox.\nSecond line."_s);

    QFile::remove(Sandbox.ProgramFolder() + u"Readme.txt"_s);
    ClickTab(InstallPage);
    ClickTab(ReadmePage);
    EXPECT_TRUE(readme->toPlainText().contains(u"Readme.txt"_s));
    EXPECT_FALSE(readme->toPlainText().contains(u"{{"_s));

    Sandbox.WriteFile(u"program/README.TXT"_s, "Any case will do.");
    ClickTab(InstallPage);
    ClickTab(ReadmePage);
    EXPECT_EQ(readme->toPlainText(), u"Any case will do."_s);
}

TEST_F(TMainFormTest, StoredWindowAndStripSettingsAreApplied) {
    Start({{u"OnTop"_s, u"1"_s}, {u"ScrollingText"_s, u"0"_s}});
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* strip = Find<TAutoScroll>("MainScreenScroll");
    EXPECT_EQ(strip->Interval(), 3500);
    // One step is one message: a line of text and an empty one.
    const int lineHeight = (strip->ScrollLength() - strip->contentsRect().height()) / 13;
    EXPECT_EQ(strip->Speed(), 2 * lineHeight);
}

TEST_F(TMainFormTest, TheFittedWindowShowsEveryOptionWithoutAScrollBar) {
    Start();
    Form->show();
    ClickTab(OptionsPage);
    QCoreApplication::processEvents();
    EXPECT_GE(Form->width(), Form->minimumSizeHint().width());
    EXPECT_GE(Form->height(), Form->minimumSizeHint().height());
    // Every option, down to the last pack box, is in view without scrolling.
    EXPECT_FALSE(Find<QScrollArea>("OptionsScrollBox")->verticalScrollBar()->isVisible());
}

// The strip opens the about box centred on the window, lowered by half the picture panel's
// top, with the box's size as it is shown; the readme wraps its long lines.
TEST_F(TMainFormTest, TheStripShowsTheAboutBoxWhereTheWindowPutsItAndTheReadmeWraps) {
    Start();
    Form->show();
    QRect shown;
    AnswerNextModal<TAboutBox>([&shown](TAboutBox& box) {
        shown = box.frameGeometry();
        box.accept();
    });
    QTest::mouseClick(Find<TAutoScroll>("MainScreenScroll"), Qt::LeftButton);
    const QRect window = Form->frameGeometry();
    EXPECT_EQ(shown.left(), window.left() + (window.width() - shown.width()) / 2);
    EXPECT_EQ(shown.top(), window.top() + (window.height() - shown.height()) / 2 +
                               Form->InstallFrame()->ImgPanel()->y() / 2);

    Sandbox.WriteFile(u"program/Readme.txt"_s, QByteArray("A long paragraph. ").repeated(40));
    ClickTab(ReadmePage);
    QCoreApplication::processEvents();
    EXPECT_EQ(Find<QPlainTextEdit>("Readme")->horizontalScrollBar()->maximum(), 0);
}
