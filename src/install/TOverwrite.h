#pragma once

#include "common/Interaction.h"
#include "language/TLanguage.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The question what to do with a file about to be written over an existing one: both
// files side by side, a new name to copy to instead, and five answers. Escape and the
// window menu skip the file.
class TOverwrite : public QDialog {
    Q_OBJECT

public:
    TOverwrite(QWidget* owner, const TLanguage& language, const FileExistsQuestion& question);

    // Ask until a button is pressed or the dialog is dismissed (Skip).
    FileExistsAnswer Answer() const { return FAnswer; }
    // The typed name, without folder; meaningful for Rename.
    QString NewName() const;

    // Shows the dialog modally, centred on owner, and returns the answer.
    static FileExistsReply Ask(QWidget* owner, const TLanguage& language,
                               const FileExistsQuestion& question);

    void reject() override;

private:
    struct FileBox {
        QGroupBox* Box;
        QLabel* Icon;
        QLabel* Name;
        QLabel* FolderCaption;
        QLabel* Folder;
        QLabel* DateCaption;
        QLabel* Date;
        QLabel* SizeCaption;
        QLabel* Size;
    };
    FileBox MakeFileBox(const char* name);
    // The file at path, shown as shownPath: the download an extracted entry came from.
    void ShowFile(const FileBox& box, const QString& path, const QString& shownPath);
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
