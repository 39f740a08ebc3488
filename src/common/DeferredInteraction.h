#pragma once

#include "common/Interaction.h"

#include <QList>

// Stands in for the user on a thread that works ahead of its turn. Messages wait, in the
// order they came, to be shown when the work's turn comes; anything that needs an answer
// is refused and remembered, so that the work can be thrown away and done again in its
// turn, with the user.
class DeferredInteraction final : public Interaction {
public:
    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

    // True when the work asked something only the user can answer.
    bool NeededUser() const { return FNeededUser; }
    // Shows the waiting messages through user.
    void ShowMessagesTo(Interaction& user) const;

private:
    struct Message {
        MessageKind Kind;
        QString Text;
    };

    QList<Message> FMessages;
    bool FNeededUser = false;
};
