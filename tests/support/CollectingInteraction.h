#pragma once

#include "common/Interaction.h"

#include <QStringList>

// For programs outside the test runner (helpers, benchmarks): keeps the text of every
// message, answers questions with No, Cancel, Skip or no password, shows no progress and confirms
// no dialog.
class CollectingInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

    const QStringList& MessageTexts() const { return FTexts; }

private:
    QStringList FTexts;
};
