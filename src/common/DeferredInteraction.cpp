#include "common/DeferredInteraction.h"

MessageAnswer DeferredInteraction::ShowMessage(MessageKind kind, const QString& text,
                                               MessageButtons buttons, MessageAnswer) {
    if (buttons != MessageButtons::Ok) {
        FNeededUser = true;
        return MessageAnswer::Cancel;
    }
    FMessages.append({kind, text});
    return MessageAnswer::Ok;
}

// The progress window belongs to the work whose turn it is.
std::unique_ptr<ProgressHandle> DeferredInteraction::BeginProgress(const QString&) {
    return std::make_unique<UnseenProgress>();
}

FileDialogAnswer DeferredInteraction::AskForPaths(const FileDialogRequest&) {
    FNeededUser = true;
    return {};
}

FileExistsReply DeferredInteraction::AskFileExists(const FileExistsQuestion&) {
    FNeededUser = true;
    return {};
}

std::optional<QString> DeferredInteraction::AskPassword(const QString&, const QString&) {
    FNeededUser = true;
    return std::nullopt;
}

HoodChoice DeferredInteraction::ChooseNeighbourhood(const QString&, const ExpansionFlags&) {
    FNeededUser = true;
    return {.Answer = HoodChoiceAnswer::Cancel, .HoodPath = {}};
}

void DeferredInteraction::ShowMessagesTo(Interaction& user) const {
    for (const Message& message : FMessages)
        user.Ask(message.Kind, message.Text, MessageButtons::Ok);
}
