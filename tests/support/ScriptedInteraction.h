#pragma once

#include "common/Interaction.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <optional>

// Answers questions from a queue filled by the test, records every message and every
// progress step, and fails the test when a question arrives that nobody expected.
class ScriptedInteraction : public Interaction {
public:
    struct ShownMessage {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
        // The answer Return would choose.
        MessageAnswer Default;
    };
    struct ProgressStep {
        QString Caption;
        QString Message;
        int Percent = 0;
        bool BarShown = true;
    };

    ~ScriptedInteraction() override;

    // The answer to the next question (a box with [Yes] [No] or [Yes] [No] [Cancel]).
    void ExpectQuestion(MessageAnswer answer) { FAnswers.push_back(answer); }

    // The answer to the next file or folder dialog.
    void ExpectFileDialog(FileDialogAnswer answer) { FDialogAnswers.push_back(std::move(answer)); }

    // The answers to the next file-exists question, password prompt and neighbourhood choice.
    void ExpectFileExists(FileExistsReply reply) { FFileExistsReplies.push_back(std::move(reply)); }
    void ExpectPassword(std::optional<QString> password) {
        FPasswords.push_back(std::move(password));
    }
    void ExpectHoodChoice(HoodChoice choice) { FHoodChoices.push_back(std::move(choice)); }
    // The user presses Cancel once a progress window has shown percent or more.
    void CancelAtPercent(int percent) { FCancelAtPercent = percent; }

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

    const QList<ShownMessage>& Messages() const { return FMessages; }
    QStringList MessageTexts() const;
    const QList<FileDialogRequest>& FileDialogs() const { return FDialogs; }
    const QList<FileExistsQuestion>& FileExistsQuestions() const { return FFileExistsQuestions; }
    // The entry names whose password was asked for.
    const QStringList& PasswordPrompts() const { return FPasswordPrompts; }
    // The game folders for which a neighbourhood was asked.
    const QStringList& HoodQuestions() const { return FHoodQuestions; }
    // Every state the progress window passed through, in order.
    const QList<ProgressStep>& Progress() const { return FProgress; }
    bool ProgressOpen() const { return FOpenProgress > 0; }

private:
    friend class ScriptedProgress;

    std::deque<MessageAnswer> FAnswers;
    std::deque<FileDialogAnswer> FDialogAnswers;
    std::deque<FileExistsReply> FFileExistsReplies;
    std::deque<std::optional<QString>> FPasswords;
    std::deque<HoodChoice> FHoodChoices;
    QList<FileExistsQuestion> FFileExistsQuestions;
    QStringList FPasswordPrompts;
    QStringList FHoodQuestions;
    QList<FileDialogRequest> FDialogs;
    QList<ShownMessage> FMessages;
    QList<ProgressStep> FProgress;
    int FOpenProgress = 0;
    std::optional<int> FCancelAtPercent;
};
