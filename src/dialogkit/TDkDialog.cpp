#include "dialogkit/TDkDialog.h"

#include <QDialog>

TDkDialog::~TDkDialog() = default;

bool TDkDialog::Execute() {
    FPaths.clear();
    const std::unique_ptr<QDialog> dialog = CreateDialog();
    if (dialog->exec() != QDialog::Accepted)
        return false;
    FPaths = ChosenPaths(*dialog);
    return !FPaths.isEmpty();
}
