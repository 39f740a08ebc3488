#include "app/TProgressForm.h"
#include "app/WidgetInteraction.h"
#include "install/TInstallFrame.h"
#include "InstalledGame.h"
#include "language/BuiltInEnglish.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/WorkerJobWait.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
// Answers questions from the script but shows the real progress window, and presses its
// Cancel while the file-exists question is open.
class CancellingUser : public ScriptedInteraction {
public:
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override {
        return FWindows.BeginProgress(caption);
    }

    FileExistsReply AskFileExists(const FileExistsQuestion& question) override {
        AskedOnWindowThread = QThread::currentThread() == qApp->thread();
        if (TProgressForm* form = OpenProgressForm()) {
            auto* cancel = form->findChild<QPushButton*>(u"CancelButton"_s);
            CancelCaption = cancel->text();
            cancel->click();
            CancelEnabledAfterClick = cancel->isEnabled();
        }
        return ScriptedInteraction::AskFileExists(question);
    }

    bool AskedOnWindowThread = false;
    QString CancelCaption;
    bool CancelEnabledAfterClick = true;

private:
    static TProgressForm* OpenProgressForm() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TProgressForm*>(widget); form && form->isVisible())
                return form;
        return nullptr;
    }

    WidgetInteraction FWindows{nullptr};
};

class TInstallFrameCancelTest : public TempFolderTest {
protected:
    TInstallFrameCancelTest() {
        FFrame.SetInteraction(FUser);
        FFrame.SetTempFolder(FFolder.Path(u"temp/"_s));
        QDir().mkpath(FFolder.Path(u"temp"_s));
        FFrame.Language().SetDefaultLanguage(BuiltInEnglishLines());
        FFrame.show();
    }

    CancellingUser FUser;
    TInstallFrame FFrame;
};
} // namespace

// The question about the sixth file comes from the worker and is answered on the window's
// thread; Cancel pressed meanwhile stops the install before the seventh file and takes back
// the six copied: the game folder and files.iff are as they were.
TEST_F(TInstallFrameCancelTest, CancelStopsTheInstallAndTakesBackWhatWasCopied) {
    constexpr int FileCount = 300;
    for (int i = 0; i < FileCount; ++i)
        FFolder.Write(u"dl/obj%1.iff"_s.arg(i, 3, 10, QLatin1Char('0')), "new");
    FFolder.Write(u"game/GameData/UserObjects/obj005.iff"_s, "old");
    const QString game = FFolder.Path(u"game/"_s);
    const auto unsetHome = qScopeGuard([] { qunsetenv("PACKWRIGHT_HOME"); });
    qputenv("PACKWRIGHT_HOME", QFile::encodeName(FFolder.Path(u"home"_s)));
    QDir().mkpath(FFolder.Path(u"home"_s));
    FFrame.SetVocksPath(game);
    FFrame.SelectFiles({FFolder.Path(u"dl"_s)});
    WaitForWorkerJob(FFrame);
    ASSERT_EQ(FFrame.TickedFiles().size(), FileCount);

    FUser.ExpectFileExists({.Answer = FileExistsAnswer::Overwrite, .NewName = {}});
    FFrame.findChild<QPushButton*>(u"Install"_s)->click();
    EXPECT_FALSE(FFrame.isEnabled());
    WaitForWorkerJob(FFrame);

    EXPECT_TRUE(FUser.AskedOnWindowThread);
    EXPECT_EQ(FUser.CancelCaption, u"&Cancel"_s);
    EXPECT_FALSE(FUser.CancelEnabledAfterClick);
    EXPECT_EQ(FilesBelow(FFolder, u"game/GameData/UserObjects/"_s),
              (QMap<QString, QByteArray>{{u"obj005.iff"_s, "old"}}));
    EXPECT_EQ(RecordLines(FFolder.Path(u"home/files.iff"_s), game), QStringList());
    EXPECT_EQ(FUser.MessageTexts(), QStringList());
    EXPECT_EQ(FFrame.InstallStep(), 1);
}
