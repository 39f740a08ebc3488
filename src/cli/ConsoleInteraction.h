#pragma once

#include "common/Interaction.h"

#include <QTextStream>

// Messages go to standard error; questions are asked on the terminal when there is one,
// and otherwise get the cautious answer (No, or Cancel where offered). File dialogs are
// never confirmed: commands take their paths as arguments. A file that exists is skipped,
// no password is known and houses are left out unless a command's options decide first.
class ConsoleInteraction : public Interaction {
public:
    explicit ConsoleInteraction(QTextStream& err) : FErr(err) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

private:
    MessageAnswer AskOnTerminal(MessageButtons buttons);

    QTextStream& FErr;
};
