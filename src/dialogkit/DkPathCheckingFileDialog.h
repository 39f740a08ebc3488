#pragma once

#include <QFileDialog>

// A file dialog that can refuse a typed name whose folder does not exist. Qt checks this
// only for existing files, not for names a save dialog is about to create.
class DkPathCheckingFileDialog : public QFileDialog {
public:
    DkPathCheckingFileDialog(QWidget* owner, bool pathMustExist)
        : QFileDialog(owner), FPathMustExist(pathMustExist) {}

    void accept() override;

private:
    bool FPathMustExist;
};
