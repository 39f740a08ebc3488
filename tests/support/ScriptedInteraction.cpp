#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace {
// The next queued answer, or the cautious one with a test failure when none was queued.
template <typename Answer>
Answer NextAnswer(std::deque<Answer>& queue, Answer cautious, const QString& question) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return cautious;
    }
    // Swapped out rather than moved into a new local, where GCC's optimiser takes an
    // optional<QString> for maybe uninitialised.
    std::swap(cautious, queue.front());
    queue.pop_front();
    return cautious;
}
} // namespace

class ScriptedProgress : public ProgressHandle {
public:
    ScriptedProgress(ScriptedInteraction& owner, const QString& caption)
        : FOwner(owner), FStep{caption, QString(), 0, true} {
        ++FOwner.FOpenProgress;
        Record();
    }
    ~ScriptedProgress() override { --FOwner.FOpenProgress; }

    void SetMessage(const QString& text) override {
        FStep.Message = text;
        Record();
    }
    void SetPercent(int percent) override {
        FStep.Percent = percent;
        Record();
    }
    void ShowBar(bool shown) override {
        FStep.BarShown = shown;
        Record();
    }
    bool CancelRequested() const override {
        return FOwner.FCancelAtPercent && FStep.Percent >= *FOwner.FCancelAtPercent;
    }

private:
    void Record() { FOwner.FProgress.append(FStep); }

    ScriptedInteraction& FOwner;
    ScriptedInteraction::ProgressStep FStep;
};

ScriptedInteraction::~ScriptedInteraction() {
    EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " expected question(s) never came";
    EXPECT_TRUE(FDialogAnswers.empty())
        << FDialogAnswers.size() << " expected dialog(s) never came";
    EXPECT_TRUE(FFileExistsReplies.empty())
        << FFileExistsReplies.size() << " expected file-exists question(s) never came";
    EXPECT_TRUE(FPasswords.empty()) << FPasswords.size() << " expected password(s) never asked";
    EXPECT_TRUE(FHoodChoices.empty())
        << FHoodChoices.size() << " expected neighbourhood choice(s) never asked";
}

MessageAnswer ScriptedInteraction::ShowMessage(MessageKind kind, const QString& text,
                                               MessageButtons buttons,
                                               MessageAnswer defaultAnswer) {
    FMessages.append({kind, text, buttons, defaultAnswer});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (FAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    }
    const MessageAnswer answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
}

std::unique_ptr<ProgressHandle> ScriptedInteraction::BeginProgress(const QString& caption) {
    return std::make_unique<ScriptedProgress>(*this, caption);
}

FileDialogAnswer ScriptedInteraction::AskForPaths(const FileDialogRequest& request) {
    FDialogs.append(request);
    if (FDialogAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.Title.toStdString();
        return {};
    }
    FileDialogAnswer answer = std::move(FDialogAnswers.front());
    FDialogAnswers.pop_front();
    return answer;
}

FileExistsReply ScriptedInteraction::AskFileExists(const FileExistsQuestion& question) {
    FFileExistsQuestions.append(question);
    return NextAnswer(FFileExistsReplies, FileExistsReply{},
                      QStringLiteral("file exists: ") + question.ExistingPath);
}

std::optional<QString> ScriptedInteraction::AskPassword(const QString& archivePath,
                                                        const QString& entryName) {
    FPasswordPrompts.append(entryName);
    return NextAnswer(FPasswords, std::optional<QString>(),
                      QStringLiteral("password: ") + archivePath + QLatin1Char(' ') + entryName);
}

HoodChoice ScriptedInteraction::ChooseNeighbourhood(const QString& gameFolder,
                                                    const ExpansionFlags&) {
    FHoodQuestions.append(gameFolder);
    return NextAnswer(FHoodChoices, HoodChoice{}, QStringLiteral("neighbourhood: ") + gameFolder);
}

QStringList ScriptedInteraction::MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : FMessages)
        texts.append(message.Text);
    return texts;
}
