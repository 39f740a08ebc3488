#include "app/WidgetInteraction.h"

#include "app/DialogkitDialogs.h"
#include "app/PasswordPrompt.h"
#include "app/TProgressForm.h"
#include "dialogkit/TDkDialog.h"
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
    ProgressWindow(QWidget* parent, const QString& caption) : FForm(parent) {
        FForm.setWindowTitle(caption);
        FForm.show();
        FForm.SetMessage(QString());
    }
    void SetMessage(const QString& text) override { FForm.SetMessage(text); }
    void SetPercent(int percent) override { FForm.SetPercent(percent); }
    void ShowBar(bool shown) override { FForm.ShowBar(shown); }

private:
    TProgressForm FForm;
};
} // namespace

MessageAnswer WidgetInteraction::ShowMessage(MessageKind kind, const QString& text,
                                             MessageButtons buttons) {
    QMessageBox box(IconOf(kind), QApplication::applicationDisplayName(), text, ButtonsOf(buttons),
                    FParent);
    return AnswerOf(box.exec());
}

std::unique_ptr<ProgressHandle> WidgetInteraction::BeginProgress(const QString& caption) {
    return std::make_unique<ProgressWindow>(FParent, caption);
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

// The cautious answers until the file-exists dialog, the password prompt and the
// neighbourhood chooser take these questions over.
FileExistsReply WidgetInteraction::AskFileExists(const FileExistsQuestion&) {
    return {};
}

std::optional<QString> WidgetInteraction::AskPassword(const QString& archivePath,
                                                      const QString& entryName) {
    if (FLanguage)
        return AskPasswordInDialog(FParent, *FLanguage, archivePath, entryName);
    TLanguage english;
    english.SetDefaultLanguage(BuiltInEnglishLines());
    return AskPasswordInDialog(FParent, english, archivePath, entryName);
}

HoodChoice WidgetInteraction::ChooseNeighbourhood(const QString&, const ExpansionFlags&) {
    return {};
}
