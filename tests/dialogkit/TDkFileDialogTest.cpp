#include "dialogkit/TDkOpenDialog.h"
#include "dialogkit/TDkSaveDialog.h"
#include "support/ModalDialogAnswer.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
bool PlacesBarShown(const QFileDialog& dialog) {
    return !dialog.findChild<QWidget*>(QStringLiteral("sidebar"))->isHidden();
}
} // namespace

TEST(TDkFileDialog, AnOpenDialogTakesExtensionFolderAndOptions) {
    QTemporaryDir folder;
    TDkOpenDialog open;
    open.SetDefaultExt(QStringLiteral(".bmp"));
    open.SetInitialPath(folder.path());
    open.SetOptions(TDkOption::HidePlacesBar | TDkOption::FileMustExist | TDkOption::PathMustExist);
    const std::unique_ptr<QFileDialog> dialog = open.CreateFileDialog();

    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bmp"));
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
    save.SetInitialPath(folder.filePath(QStringLiteral("objects.far")));
    const std::unique_ptr<QFileDialog> dialog = save.CreateFileDialog();

    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
              QStringLiteral("objects.far"));

    save.SetOptions(TDkOption::OverwritePrompt);
    EXPECT_FALSE(save.CreateFileDialog()->testOption(QFileDialog::DontConfirmOverwrite));

    save.SetInitialPath(folder.filePath(QStringLiteral("gone/away/objects.far")));
    EXPECT_EQ(save.CreateFileDialog()->directory().absolutePath(), folder.path());
}

TEST(TDkFileDialog, PathMustExistRefusesANameInAMissingFolderInTheGivenWords) {
    QTemporaryDir folder;
    TDkSaveDialog save;
    save.SetInitialPath(folder.path());
    save.SetPathNotFoundText(QStringLiteral("Ordner nicht gefunden."));
    const QString typed = folder.filePath(QStringLiteral("missing/objects.far"));
    for (const bool pathMustExist : {true, false}) {
        save.SetOptions(pathMustExist ? TDkOptions(TDkOption::PathMustExist) : TDkOptions());
        const std::unique_ptr<QFileDialog> dialog = save.CreateFileDialog();
        dialog->show();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
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
            EXPECT_EQ(message, folder.filePath(QStringLiteral("missing")) +
                                   QStringLiteral("\nOrdner nicht gefunden."));
        }
    }
}
