#include "cli/ConsoleInteraction.h"

#include "platform/Terminal.h"

#include <cstdio>

namespace {
QString KindLabel(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("warning");
    case MessageKind::Error:
        return QStringLiteral("error");
    case MessageKind::Information:
        return QStringLiteral("info");
    case MessageKind::Confirmation:
        return QStringLiteral("question");
    }
    return {};
}

MessageAnswer CautiousAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
}

} // namespace

MessageAnswer ConsoleInteraction::ShowMessage(MessageKind kind, const QString& text,
                                              MessageButtons buttons, MessageAnswer) {
    FErr << KindLabel(kind) << ": "
         << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    FErr.flush();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return StandardInputIsTerminal() ? AskOnTerminal(buttons) : CautiousAnswer(buttons);
}

MessageAnswer ConsoleInteraction::AskOnTerminal(MessageButtons buttons) {
    FErr << (buttons == MessageButtons::YesNoCancel ? "[y]es/[n]o/[c]ancel? " : "[y]es/[n]o? ");
    FErr.flush();
    QTextStream in(stdin);
    const QString reply = in.readLine().trimmed().toLower();
    if (reply.startsWith(QLatin1Char('y')))
        return MessageAnswer::Yes;
    if (reply.startsWith(QLatin1Char('n')))
        return MessageAnswer::No;
    return CautiousAnswer(buttons);
}

// Progress is not drawn on a console; long commands stay quiet.
std::unique_ptr<ProgressHandle> ConsoleInteraction::BeginProgress(const QString&) {
    return std::make_unique<UnseenProgress>();
}

FileDialogAnswer ConsoleInteraction::AskForPaths(const FileDialogRequest&) {
    return {};
}

FileExistsReply ConsoleInteraction::AskFileExists(const FileExistsQuestion& question) {
    FErr << "skipped, already exists: " << question.ExistingPath << '\n';
    FErr.flush();
    return {};
}

std::optional<QString> ConsoleInteraction::AskPassword(const QString& archivePath,
                                                       const QString& entryName) {
    FErr << "no password for " << entryName << " in " << archivePath << '\n';
    FErr.flush();
    return std::nullopt;
}

HoodChoice ConsoleInteraction::ChooseNeighbourhood(const QString&, const ExpansionFlags&) {
    return {};
}
