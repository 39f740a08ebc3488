#pragma once

#include "common/Interaction.h"
#include "language/TLanguage.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The question what to do with a file about to be written over an existing one: both
// files side by side, a new name to copy to instead, and five answers. It closes only
// through one of them.
class TOverwrite : public QDialog {
    Q_OBJECT

public:
    TOverwrite(QWidget* owner, const TLanguage& language, const FileExistsQuestion& question);

    // Ask until a button is pressed.
    FileExistsAnswer Answer() const { return FAnswer; }
    // The typed name, without folder; meaningful for Rename.
    QString NewName() const;

    // Shows the dialog modally, centred on owner, and returns the answer.
    static FileExistsReply Ask(QWidget* owner, const TLanguage& language,
                               const FileExistsQuestion& question);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct FileBox {
        QGroupBox* Box;
        QLabel* Icon;
        QLabel* Name;
        QLabel* DateCaption;
        QLabel* Date;
        QLabel* SizeCaption;
        QLabel* Size;
    };
    FileBox MakeFileBox(const char* name);
    void ShowFile(const FileBox& box, const QString& path);
    QPushButton* MakeButton(const char* name, FileExistsAnswer answer);
    void OverwriteLanguageLanguageLoaded();
    void NewNameChange();

    TLanguage FLanguage;
    FileExistsQuestion FQuestion;
    FileExistsAnswer FAnswer = FileExistsAnswer::Ask;
    QLabel* FQuestionLabel;
    FileBox FSource;
    FileBox FDestination;
    QLabel* FRenameTo;
    QLineEdit* FNewName;
    QPushButton* FRename;
    QPushButton* FSkip;
    QPushButton* FSkipAll;
    QPushButton* FOverwrite;
    QPushButton* FOverwriteAll;
};
