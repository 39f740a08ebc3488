#pragma once

#include "common/Interaction.h"

#include <QTextStream>

// Messages go to standard error; questions are asked on the terminal when there is one,
// and otherwise get the cautious answer (No, or Cancel where offered). File dialogs are
// never confirmed: commands take their paths as arguments.
class ConsoleInteraction : public Interaction {
public:
    explicit ConsoleInteraction(QTextStream& err) : FErr(err) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;

private:
    MessageAnswer AskOnTerminal(MessageButtons buttons);

    QTextStream& FErr;
};
