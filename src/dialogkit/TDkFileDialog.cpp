#include "dialogkit/TDkFileDialog.h"

#include "dialogkit/DkFileDialogSetup.h"
#include "dialogkit/DkFilter.h"
#include "dialogkit/DkPathCheckingFileDialog.h"

std::unique_ptr<QDialog> TDkFileDialog::CreateDialog() const {
    return CreateFileDialog();
}

std::unique_ptr<QFileDialog> TDkFileDialog::CreateFileDialog() const {
    auto dialog = std::make_unique<DkPathCheckingFileDialog>(
        Owner(), FOptions.testFlag(TDkOption::PathMustExist), FPathNotFoundText);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowTitle(Title());
    dialog->setAcceptMode(FMode);
    dialog->setFileMode(FileModeOf());
    // The captions already name their masks; the masks Qt needs stay out of sight.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setOption(QFileDialog::DontConfirmOverwrite,
                      !FOptions.testFlag(TDkOption::OverwritePrompt));
    const QStringList nameFilters = DkNameFilters(FFilter);
    if (!nameFilters.isEmpty())
        dialog->setNameFilters(nameFilters);
    dialog->setDefaultSuffix(FDefaultExt.startsWith(QLatin1Char('.')) ? FDefaultExt.mid(1)
                                                                      : FDefaultExt);
    OpenAt(*dialog, InitialPath());
    if (FOptions.testFlag(TDkOption::HidePlacesBar))
        RemovePlacesBar(*dialog);
    return dialog;
}

QStringList TDkFileDialog::ChosenPaths(QDialog& dialog) const {
    return static_cast<QFileDialog&>(dialog).selectedFiles();
}

QFileDialog::FileMode TDkFileDialog::FileModeOf() const {
    if (FMode == QFileDialog::AcceptSave)
        return QFileDialog::AnyFile;
    if (FOptions.testFlag(TDkOption::AllowMultiSelect))
        return QFileDialog::ExistingFiles;
    return FOptions.testFlag(TDkOption::FileMustExist) ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile;
}
