#include "app/DialogkitDialogs.h"

#include "dialogkit/TDkFileDialog.h"
#include "dialogkit/TDkFolderDialog.h"
#include "support/QtPrinters.h"

#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

// The program's requests reach Dialogkit with every option they name.
TEST(DialogkitDialogs, EachRequestBecomesTheDialogItAsksFor) {
    FileDialogRequest request;
    request.Kind = FileDialogKind::OpenMultiple;
    request.Title = QStringLiteral("Select files to install to The Vocks:");
    request.Filter = QStringLiteral("Skins (*.bmp)|*.bmp|");
    request.DefaultExtension = QStringLiteral("bmp");
    request.Options = FileDialogOption::HidePlacesBar | FileDialogOption::HideReadOnly |
                      FileDialogOption::FileMustExist | FileDialogOption::PathMustExist;
    const auto open = DialogkitDialogFor(request, nullptr);
    const std::unique_ptr<QFileDialog> openDialog =
        dynamic_cast<TDkFileDialog&>(*open).CreateFileDialog();
    EXPECT_EQ(openDialog->windowTitle(), request.Title);
    EXPECT_EQ(openDialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(openDialog->defaultSuffix(), QStringLiteral("bmp"));
    EXPECT_EQ(openDialog->nameFilters(),
              QStringList({QStringLiteral("Skins (*.bmp) (*.[bB][mM][pP])")}));
    EXPECT_TRUE(openDialog->findChild<QWidget*>(QStringLiteral("sidebar"))->isHidden());

    request.Kind = FileDialogKind::Save;
    request.Options = FileDialogOption::OverwritePrompt;
    const auto save = DialogkitDialogFor(request, nullptr);
    const std::unique_ptr<QFileDialog> saveDialog =
        dynamic_cast<TDkFileDialog&>(*save).CreateFileDialog();
    EXPECT_EQ(saveDialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(saveDialog->testOption(QFileDialog::DontConfirmOverwrite));

    request.Kind = FileDialogKind::Folder;
    request.Description = QStringLiteral("Please specify where The Vocks is installed:");
    const std::unique_ptr<QDialog> folder = DialogkitDialogFor(request, nullptr)->CreateDialog();
    EXPECT_EQ(folder->windowTitle(), request.Title);
    EXPECT_EQ(folder->findChild<QLabel*>(QStringLiteral("Description"))->text(),
              request.Description);
}
