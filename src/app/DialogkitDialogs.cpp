#include "app/DialogkitDialogs.h"

#include "dialogkit/TDkFolderDialog.h"
#include "dialogkit/TDkOpenDialog.h"
#include "dialogkit/TDkSaveDialog.h"

namespace {
TDkOptions DkOptionsOf(const FileDialogRequest& request) {
    // Dialogkit never shows a read-only box, so HideReadOnly needs nothing.
    TDkOptions options;
    options.setFlag(TDkOption::HidePlacesBar,
                    request.Options.testFlag(FileDialogOption::HidePlacesBar));
    options.setFlag(TDkOption::FileMustExist,
                    request.Options.testFlag(FileDialogOption::FileMustExist));
    options.setFlag(TDkOption::PathMustExist,
                    request.Options.testFlag(FileDialogOption::PathMustExist));
    options.setFlag(TDkOption::OverwritePrompt,
                    request.Options.testFlag(FileDialogOption::OverwritePrompt));
    options.setFlag(TDkOption::AllowMultiSelect, request.Kind == FileDialogKind::OpenMultiple);
    return options;
}

std::unique_ptr<TDkDialog> FileDialogFor(const FileDialogRequest& request, QWidget* owner,
                                         const QString& pathNotFoundText) {
    std::unique_ptr<TDkFileDialog> dialog;
    if (request.Kind == FileDialogKind::Save)
        dialog = std::make_unique<TDkSaveDialog>(owner);
    else
        dialog = std::make_unique<TDkOpenDialog>(owner);
    dialog->SetFilter(request.Filter);
    dialog->SetDefaultExt(request.DefaultExtension);
    dialog->SetOptions(DkOptionsOf(request));
    if (!pathNotFoundText.isEmpty())
        dialog->SetPathNotFoundText(pathNotFoundText);
    return dialog;
}

std::unique_ptr<TDkDialog> FolderDialogFor(const FileDialogRequest& request, QWidget* owner) {
    auto dialog = std::make_unique<TDkFolderDialog>(owner);
    dialog->SetDescription(request.Description);
    dialog->SetHidePlacesBar(request.Options.testFlag(FileDialogOption::HidePlacesBar));
    return dialog;
}
} // namespace

std::unique_ptr<TDkDialog> DialogkitDialogFor(const FileDialogRequest& request, QWidget* owner,
                                              const QString& pathNotFoundText) {
    std::unique_ptr<TDkDialog> dialog = request.Kind == FileDialogKind::Folder
                                            ? FolderDialogFor(request, owner)
                                            : FileDialogFor(request, owner, pathNotFoundText);
    dialog->SetTitle(request.Title);
    dialog->SetInitialPath(request.InitialPath);
    return dialog;
}
