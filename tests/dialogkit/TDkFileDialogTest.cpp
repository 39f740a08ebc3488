#include "dialogkit/TDkOpenDialog.h"
#include "dialogkit/TDkSaveDialog.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
bool PlacesBarShown(const QFileDialog& dialog) {
    return !dialog.findChild<QWidget*>(u"sidebar"_s)->isHidden();
}
} // namespace

TEST(TDkFileDialog, AnOpenDialogTakesExtensionFolderAndOptions) {
    QTemporaryDir folder;
    TDkOpenDialog open;
    open.SetDefaultExt(u".bmp"_s);
    open.SetInitialPath(folder.path());
    open.SetOptions(TDkOption::HidePlacesBar | TDkOption::FileMustExist | TDkOption::PathMustExist);
    const std::unique_ptr<QFileDialog> dialog = open.CreateFileDialog();

    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->defaultSuffix(), u"bmp"_s);
    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());
    EXPECT_FALSE(PlacesBarShown(*dialog));

    open.SetOptions(TDkOption::AllowMultiSelect);
    EXPECT_EQ(open.CreateFileDialog()->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_TRUE(PlacesBarShown(*open.CreateFileDialog()));
    open.SetOptions({});
    EXPECT_EQ(open.CreateFileDialog()->fileMode(), QFileDialog::AnyFile);
}

TEST(TDkFileDialog, ASaveDialogOpensAtTheFileAndPromptsOnlyWhenAsked) {
    QTemporaryDir folder;
    TDkSaveDialog save;
    save.SetInitialPath(folder.filePath(u"objects.far"_s));
    const std::unique_ptr<QFileDialog> dialog = save.CreateFileDialog();

    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());
    EXPECT_EQ(dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->text(), u"objects.far"_s);

    save.SetOptions(TDkOption::OverwritePrompt);
    EXPECT_FALSE(save.CreateFileDialog()->testOption(QFileDialog::DontConfirmOverwrite));

    save.SetInitialPath(folder.filePath(u"gone/away/objects.far"_s));
    EXPECT_EQ(save.CreateFileDialog()->directory().absolutePath(), folder.path());
}

TEST(TDkFileDialog, PathMustExistRefusesANameInAMissingFolderInTheGivenWords) {
    QTemporaryDir folder;
    TDkSaveDialog save;
    save.SetInitialPath(folder.path());
    save.SetPathNotFoundText(u"Ordner nicht gefunden."_s);
    const QString typed = folder.filePath(u"missing/objects.far"_s);
    for (const bool pathMustExist : {true, false}) {
        save.SetOptions(pathMustExist ? TDkOptions(TDkOption::PathMustExist) : TDkOptions());
        const std::unique_ptr<QFileDialog> dialog = save.CreateFileDialog();
        dialog->show();
        dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(typed);
        QString message;
        if (pathMustExist) {
            AnswerNextModal<QMessageBox>([&](QMessageBox& box) {
                message = box.text();
                box.accept();
            });
        }
        static_cast<QDialog&>(*dialog).accept(); // QFileDialog hides it
        EXPECT_EQ(dialog->result() == QDialog::Accepted, !pathMustExist);
        EXPECT_EQ(dialog->isVisible(), pathMustExist);
        if (pathMustExist) {
            EXPECT_EQ(message, folder.filePath(u"missing"_s) + u"\nOrdner nicht gefunden."_s);
        }
    }
}
