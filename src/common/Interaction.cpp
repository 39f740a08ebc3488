#include "common/Interaction.h"

MessageAnswer FirstAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

void Interaction::Warn(const QString& text) {
    Ask(MessageKind::Warning, text, MessageButtons::Ok);
}

void Interaction::Fail(const QString& text) {
    Ask(MessageKind::Error, text, MessageButtons::Ok);
}

void Interaction::Inform(const QString& text) {
    Ask(MessageKind::Information, text, MessageButtons::Ok);
}

MessageAnswer Interaction::Ask(MessageKind kind, const QString& text, MessageButtons buttons) {
    return ShowMessage(kind, text, buttons, FirstAnswer(buttons));
}

MessageAnswer Interaction::Ask(MessageKind kind, const QString& text, MessageButtons buttons,
                               MessageAnswer defaultAnswer) {
    return ShowMessage(kind, text, buttons, defaultAnswer);
}
