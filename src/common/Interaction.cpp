#include "common/Interaction.h"

void Interaction::Warn(const QString& text) {
    ShowMessage(MessageKind::Warning, text, MessageButtons::Ok);
}

void Interaction::Fail(const QString& text) {
    ShowMessage(MessageKind::Error, text, MessageButtons::Ok);
}

void Interaction::Inform(const QString& text) {
    ShowMessage(MessageKind::Information, text, MessageButtons::Ok);
}

MessageAnswer Interaction::Ask(MessageKind kind, const QString& text, MessageButtons buttons) {
    return ShowMessage(kind, text, buttons);
}
