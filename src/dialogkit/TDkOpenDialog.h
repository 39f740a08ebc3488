#pragma once

#include "dialogkit/TDkFileDialog.h"

// Chooses one file to open, or several with TDkOption::AllowMultiSelect.
class DIALOGKIT_EXPORT TDkOpenDialog : public TDkFileDialog {
public:
    explicit TDkOpenDialog(QWidget* owner = nullptr)
        : TDkFileDialog(owner, QFileDialog::AcceptOpen) {}
};
