#pragma once

#include "journal/History.h"

#include <QDialog>

#include <memory>

class Interaction;
class ProgressHandle;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TLanguage;

// The history of changes: the committed installs, deletions and FAR packings of the data
// folder, newest first, with the files of the selected one. Undo takes the selected one
// back and Remove history forgets them all, each after a confirmation and on a worker. It
// cannot be closed while such a job runs.
class THistoryForm : public QDialog {
    Q_OBJECT

public:
    THistoryForm(const QString& dataFolder, const TLanguage& language, Interaction& interaction,
                 QWidget* owner = nullptr);

    // The history of the program's data folder, open over owner's window, which it keeps
    // from input until it is closed; it deletes itself then.
    static THistoryForm& Open(QWidget& owner, const TLanguage& language, Interaction& interaction);

    // Reads the history anew and selects the newest change.
    void LoadHistory();
    void UndoClick();
    void RemoveHistoryClick();

Q_SIGNALS:
    // An undo changed the game folder and files.iff: what a tab shows of them is out of date.
    void OnOperationUndone();

protected:
    void reject() override;

private:
    struct UndoOutcome;

    void ApplyCaptions();
    void OperationListChange();
    const CommittedOperation* SelectedOperation() const;
    void RunUndo(const CommittedOperation& operation, bool force);
    std::unique_ptr<ProgressHandle> ShowWorkThatCannotStop(Interaction& worker,
                                                           const QString& messageKey) const;
    void TakeUndoOutcome(const CommittedOperation& operation, const UndoOutcome& outcome);

    QString FDataFolder;
    const TLanguage& FLanguage;
    Interaction& FInteraction;
    // One for each row of the list, newest first.
    QList<CommittedOperation> FOperations;
    // Everything but the window itself: a job on the worker disables it.
    QWidget* FContent;
    QTreeWidget* FOperationList;
    QPlainTextEdit* FOperationFiles;
    QPushButton* FUndo;
    QPushButton* FRemoveHistory;
    QPushButton* FClose;
};
