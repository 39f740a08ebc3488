#pragma once

#include "dialogkit/TDkFileDialog.h"

// Chooses the name of a file to write.
class DIALOGKIT_EXPORT TDkSaveDialog : public TDkFileDialog {
public:
    explicit TDkSaveDialog(QWidget* owner = nullptr)
        : TDkFileDialog(owner, QFileDialog::AcceptSave) {}
};
