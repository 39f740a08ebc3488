#pragma once

#include <QFileDialog>

// A file dialog that can refuse a typed name whose folder does not exist. Qt checks this
// only for existing files, not for names a save dialog is about to create. The refusal
// names the folder, with notFoundText below it.
class DkPathCheckingFileDialog : public QFileDialog {
public:
    DkPathCheckingFileDialog(QWidget* owner, bool pathMustExist, QString notFoundText)
        : QFileDialog(owner), FPathMustExist(pathMustExist),
          FNotFoundText(std::move(notFoundText)) {}

    void accept() override;

private:
    bool FPathMustExist;
    QString FNotFoundText;
};
