#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

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

private:
    void Record() { FOwner.FProgress.append(FStep); }

    ScriptedInteraction& FOwner;
    ScriptedInteraction::ProgressStep FStep;
};

ScriptedInteraction::~ScriptedInteraction() {
    EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " expected question(s) never came";
    EXPECT_TRUE(FDialogAnswers.empty())
        << FDialogAnswers.size() << " expected dialog(s) never came";
}

MessageAnswer ScriptedInteraction::ShowMessage(MessageKind kind, const QString& text,
                                               MessageButtons buttons) {
    FMessages.append({kind, text, buttons});
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

QStringList ScriptedInteraction::MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : FMessages)
        texts.append(message.Text);
    return texts;
}
