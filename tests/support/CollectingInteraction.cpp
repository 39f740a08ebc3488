#include "support/CollectingInteraction.h"

MessageAnswer CollectingInteraction::ShowMessage(MessageKind, const QString& text,
                                                 MessageButtons buttons, MessageAnswer) {
    FTexts.append(text);
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

std::unique_ptr<ProgressHandle> CollectingInteraction::BeginProgress(const QString&) {
    return std::make_unique<UnseenProgress>();
}

FileDialogAnswer CollectingInteraction::AskForPaths(const FileDialogRequest&) {
    return {};
}

FileExistsReply CollectingInteraction::AskFileExists(const FileExistsQuestion&) {
    return {};
}

std::optional<QString> CollectingInteraction::AskPassword(const QString&, const QString&) {
    return std::nullopt;
}

HoodChoice CollectingInteraction::ChooseNeighbourhood(const QString&, const ExpansionFlags&) {
    return {};
}
