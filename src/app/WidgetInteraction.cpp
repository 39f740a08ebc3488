#include "app/WidgetInteraction.h"

#include "app/DialogkitDialogs.h"
#include "app/PasswordPrompt.h"
#include "app/TProgressForm.h"
#include "dialogkit/TDkDialog.h"
#include "hood/THoodForm.h"
#include "install/TOverwrite.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonOf(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

MessageAnswer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

class ProgressWindow : public ProgressHandle {
public:
    ProgressWindow(QWidget* parent, const QString& caption, const QString& cancelCaption)
        : FForm(parent) {
        FForm.setWindowTitle(caption);
        FForm.SetCancelCaption(cancelCaption);
        FForm.show();
        FForm.SetMessage(QString());
    }
    void SetMessage(const QString& text) override { FForm.SetMessage(text); }
    void SetPercent(int percent) override { FForm.SetPercent(percent); }
    void ShowBar(bool shown) override { FForm.ShowBar(shown); }
    void ShowCancel(bool shown) override { FForm.ShowCancel(shown); }
    bool CancelRequested() const override { return FForm.CancelRequested(); }

private:
    TProgressForm FForm;
};
} // namespace

MessageAnswer WidgetInteraction::ShowMessage(MessageKind kind, const QString& text,
                                             MessageButtons buttons, MessageAnswer defaultAnswer) {
    QMessageBox box(IconOf(kind), QApplication::applicationDisplayName(), text, ButtonsOf(buttons),
                    FParent);
    box.setDefaultButton(ButtonOf(defaultAnswer));
    return AnswerOf(box.exec());
}

std::unique_ptr<ProgressHandle> WidgetInteraction::BeginProgress(const QString& caption) {
    return std::make_unique<ProgressWindow>(FParent, caption,
                                            Texts().GetString(QStringLiteral("Cancel")));
}

FileDialogAnswer WidgetInteraction::AskForPaths(const FileDialogRequest& request) {
    const std::unique_ptr<TDkDialog> dialog = DialogkitDialogFor(
        request, FParent,
        FLanguage ? FLanguage->GetString(QStringLiteral("DirNotFound")) : QString());
    FileDialogAnswer answer;
    answer.Confirmed = dialog->Execute();
    answer.Paths = dialog->Paths();
    return answer;
}

const TLanguage& WidgetInteraction::Texts() {
    if (FLanguage)
        return *FLanguage;
    if (!FEnglish) {
        FEnglish = std::make_unique<TLanguage>();
        FEnglish->SetDefaultLanguage(BuiltInEnglishLines());
    }
    return *FEnglish;
}

FileExistsReply WidgetInteraction::AskFileExists(const FileExistsQuestion& question) {
    return TOverwrite::Ask(FParent, Texts(), question);
}

std::optional<QString> WidgetInteraction::AskPassword(const QString& archivePath,
                                                      const QString& entryName) {
    return AskPasswordInDialog(FParent, Texts(), archivePath, entryName);
}

HoodChoice WidgetInteraction::ChooseNeighbourhood(const QString& gameFolder,
                                                  const ExpansionFlags& packs) {
    return THoodForm::Choose(FParent, Texts(), gameFolder, packs);
}
