#include "widgets/THistoryForm.h"

#include "common/DateTimePatterns.h"
#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/Placeholders.h"
#include "journal/OperationsFolder.h"
#include "journal/OperationText.h"
#include "journal/Undo.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"
#include "widgets/WorkerJob.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <optional>

namespace {
constexpr QSize InitialSize(760, 440);
constexpr int FilesAreaHeight = 120;

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// A column shows the kind on its own, where the sentence's word needs a capital.
QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QTreeWidgetItem* RowOf(const CommittedOperation& operation, const TLanguage& language) {
    const QString subject = operation.Header.Comment.isEmpty()
                                ? QDir::toNativeSeparators(operation.Subject)
                                : operation.Subject;
    return new QTreeWidgetItem(
        QStringList{FormatDateTimePattern(u"ddddd' 'tt", operation.Header.Time),
                    Capitalised(OperationKindText(operation.Header.Kind, language)),
                    QLocale().toString(operation.Files.size()), subject});
}
} // namespace

struct THistoryForm::UndoOutcome {
    std::optional<UndoReport> Report;
    // Why the undo refused, having changed nothing.
    QString Refusal;
    // The refusal is over a file changed since, which an undo anyway overrides.
    bool FileChanged = false;
};

THistoryForm::THistoryForm(const QString& dataFolder, const TLanguage& language,
                           Interaction& interaction, QWidget* owner)
    : QDialog(owner), FDataFolder(dataFolder), FLanguage(language), FInteraction(interaction),
      FContent(Named(new QWidget(this), "HistoryContent")),
      FOperationList(Named(new QTreeWidget(FContent), "OperationList")),
      FOperationFiles(Named(new QPlainTextEdit(FContent), "OperationFiles")),
      FUndo(Named(new QPushButton(FContent), "Undo")),
      FRemoveHistory(Named(new QPushButton(FContent), "RemoveHistory")),
      FClose(Named(new QPushButton(FContent), "Close")) {
    setObjectName(QStringLiteral("HistoryForm"));
    FOperationList->setColumnCount(4);
    FOperationList->setRootIsDecorated(false);
    FOperationList->setUniformRowHeights(true);
    FOperationList->header()->setStretchLastSection(true);
    FOperationFiles->setReadOnly(true);
    FOperationFiles->setLineWrapMode(QPlainTextEdit::NoWrap);
    FOperationFiles->setFixedHeight(FilesAreaHeight);
    auto* filesLabel = Named(new QLabel(FContent), "OperationFilesLabel");
    filesLabel->setText(FLanguage.GetString(QStringLiteral("HistoryFilesOf")));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FUndo);
    buttons->addWidget(FRemoveHistory);
    buttons->addStretch(1);
    buttons->addWidget(FClose);
    auto* content = new QVBoxLayout(FContent);
    content->addWidget(FOperationList, 1);
    content->addWidget(filesLabel);
    content->addWidget(FOperationFiles);
    content->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FContent);
    resize(InitialSize);
    ApplyCaptions();
    connect(FOperationList, &QTreeWidget::currentItemChanged, this,
            &THistoryForm::OperationListChange);
    connect(FUndo, &QPushButton::clicked, this, &THistoryForm::UndoClick);
    connect(FRemoveHistory, &QPushButton::clicked, this, &THistoryForm::RemoveHistoryClick);
    connect(FClose, &QPushButton::clicked, this, &THistoryForm::reject);
    LoadHistory();
}

THistoryForm& THistoryForm::Open(QWidget& owner, const TLanguage& language,
                                 Interaction& interaction) {
    auto* history = new THistoryForm(DataFolder(), language, interaction, &owner);
    history->setAttribute(Qt::WA_DeleteOnClose);
    history->open();
    return *history;
}

void THistoryForm::ApplyCaptions() {
    setWindowTitle(FLanguage.GetString(QStringLiteral("HistoryTitle")));
    FOperationList->setHeaderLabels({FLanguage.GetString(QStringLiteral("HistoryTime")),
                                     FLanguage.GetString(QStringLiteral("HistoryKind")),
                                     FLanguage.GetString(QStringLiteral("HistoryFileCount")),
                                     FLanguage.GetString(QStringLiteral("HistorySubject"))});
    FUndo->setText(FLanguage.GetString(QStringLiteral("HistoryUndo")));
    FRemoveHistory->setText(FLanguage.GetString(QStringLiteral("HistoryRemove")));
    FClose->setText(FLanguage.GetString(QStringLiteral("HistoryClose")));
}

void THistoryForm::LoadHistory() {
    FOperations = CommittedOperations(FDataFolder);
    std::ranges::reverse(FOperations);
    FOperationList->clear();
    for (const CommittedOperation& operation : FOperations)
        FOperationList->addTopLevelItem(RowOf(operation, FLanguage));
    for (int column = 0; column + 1 < FOperationList->columnCount(); ++column)
        FOperationList->resizeColumnToContents(column);
    FRemoveHistory->setEnabled(!FOperations.isEmpty());
    FOperationList->setCurrentItem(FOperationList->topLevelItem(0));
    OperationListChange();
}

const CommittedOperation* THistoryForm::SelectedOperation() const {
    const int row = FOperationList->indexOfTopLevelItem(FOperationList->currentItem());
    return row < 0 ? nullptr : &FOperations[row];
}

void THistoryForm::OperationListChange() {
    const CommittedOperation* operation = SelectedOperation();
    FUndo->setEnabled(operation);
    FOperationFiles->setPlainText(operation ? NativePathLines(operation->Files)
                                            : FLanguage.GetString(QStringLiteral("HistoryEmpty")));
}

void THistoryForm::UndoClick() {
    const CommittedOperation* operation = SelectedOperation();
    if (!operation ||
        FInteraction.Ask(MessageKind::Confirmation,
                         DescribeOperation(FLanguage.GetString(QStringLiteral("UndoQuestion")),
                                           operation->Header, FLanguage),
                         MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
        return;
    RunUndo(*operation, false);
}

void THistoryForm::RunUndo(const CommittedOperation& operation, bool force) {
    auto outcome = std::make_shared<UndoOutcome>();
    RunWorkerJob(
        *FContent, FInteraction,
        [this, outcome, id = operation.Id, force](Interaction& worker) {
            const std::unique_ptr<ProgressHandle> progress =
                ShowWorkThatCannotStop(worker, QStringLiteral("HistoryUndoing"));
            try {
                outcome->Report =
                    UndoCommittedOperation(FDataFolder, id, force, FLanguage, OperationsLockWaitMs);
            } catch (const EUndoFileChanged& error) {
                outcome->Refusal = error.Text();
                outcome->FileChanged = true;
            } catch (const EPackwrightError& error) {
                outcome->Refusal = error.Text();
            }
        },
        [this, outcome, operation](bool completed) {
            if (completed)
                TakeUndoOutcome(operation, *outcome);
        });
}

// Undoing and removing history run to their end once begun: no bar to fill, no Cancel.
std::unique_ptr<ProgressHandle>
THistoryForm::ShowWorkThatCannotStop(Interaction& worker, const QString& messageKey) const {
    std::unique_ptr<ProgressHandle> progress =
        worker.BeginProgress(FLanguage.GetString(QStringLiteral("Progress")));
    progress->ShowBar(false);
    progress->ShowCancel(false);
    progress->SetMessage(FLanguage.GetString(messageKey));
    return progress;
}

void THistoryForm::TakeUndoOutcome(const CommittedOperation& operation,
                                   const UndoOutcome& outcome) {
    if (outcome.Report) {
        LoadHistory();
        Q_EMIT OnOperationUndone();
        if (outcome.Report->Complete)
            FInteraction.Inform(outcome.Report->Message);
        else
            FInteraction.Warn(outcome.Report->Message);
        return;
    }
    if (!outcome.FileChanged) {
        FInteraction.Fail(outcome.Refusal);
        return;
    }
    const QString question = outcome.Refusal + QStringLiteral("\n\n") +
                             FLanguage.GetString(QStringLiteral("HistoryUndoAnyway"));
    if (FInteraction.Ask(MessageKind::Warning, question, MessageButtons::YesNo,
                         MessageAnswer::No) == MessageAnswer::Yes)
        RunUndo(operation, true);
}

void THistoryForm::RemoveHistoryClick() {
    qint64 kept = 0;
    for (const CommittedOperation& operation : FOperations)
        kept += operation.KeptBytes;
    const QString question =
        ReplacePlaceholder(FLanguage.GetString(QStringLiteral("HistoryRemoveQuestion")), u"Size",
                           QLocale().formattedDataSize(kept));
    if (FInteraction.Ask(MessageKind::Confirmation, question, MessageButtons::YesNo,
                         MessageAnswer::No) != MessageAnswer::Yes)
        return;
    RunWorkerJob(
        *FContent, FInteraction,
        [this](Interaction& worker) {
            const std::unique_ptr<ProgressHandle> progress =
                ShowWorkThatCannotStop(worker, QStringLiteral("HistoryRemoving"));
            try {
                PurgeCommittedOperations(FDataFolder, FLanguage, OperationsLockWaitMs);
            } catch (const EPackwrightError& error) {
                worker.Fail(error.Text());
            }
        },
        [this](bool) { LoadHistory(); });
}

// A job on the worker holds what the window shows and talks to: the window stays until it
// ends.
void THistoryForm::reject() {
    if (FContent->isEnabled())
        QDialog::reject();
}
