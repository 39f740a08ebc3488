#include "dialogkit/TDkFolderDialog.h"

#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QFileDialog* FolderView(const QWidget& dialog) {
    return dialog.findChild<QFileDialog*>(u"FolderView"_s);
}

// Ends the next modal Dialogkit dialog through its folder view.
void AnswerNextFolderDialog(bool confirm) {
    AnswerNextModal<QDialog>([confirm](QDialog& dialog) {
        QDialog* view = FolderView(dialog);
        if (confirm)
            view->accept();
        else
            view->reject();
    });
}
} // namespace

TEST(TDkFolderDialog, ExplainsAboveATreeOfFoldersOnly) {
    QTemporaryDir folder;
    TDkFolderDialog browser;
    browser.SetDescription(u"Please specify where The Vocks is installed:"_s);
    browser.SetInitialPath(folder.path());
    browser.SetHidePlacesBar(true);
    const std::unique_ptr<QDialog> dialog = browser.CreateDialog();
    dialog->show();

    const auto* description = dialog->findChild<QLabel*>(u"Description"_s);
    EXPECT_EQ(description->text(), u"Please specify where The Vocks is installed:"_s);
    EXPECT_TRUE(description->isVisible());
    const QFileDialog* view = FolderView(*dialog);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isWindow());
    EXPECT_EQ(view->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(view->testOption(QFileDialog::ShowDirsOnly));
    EXPECT_EQ(view->directory().absolutePath(), folder.path());
    EXPECT_TRUE(view->findChild<QWidget*>(u"sidebar"_s)->isHidden());
}

TEST(TDkFolderDialog, ExecuteGivesTheConfirmedFolderAndNothingOnCancel) {
    QTemporaryDir folder;
    TDkFolderDialog browser;
    browser.SetInitialPath(folder.path());

    AnswerNextFolderDialog(true);
    ASSERT_TRUE(browser.Execute());
    EXPECT_EQ(browser.Paths(), QStringList({folder.path()}));

    AnswerNextFolderDialog(false);
    EXPECT_FALSE(browser.Execute());
    EXPECT_TRUE(browser.Paths().isEmpty());
}
