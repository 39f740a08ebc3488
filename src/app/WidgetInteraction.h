#pragma once

#include "common/Interaction.h"
#include "language/TLanguage.h"

class QWidget;

// Real message boxes and the progress window, parented to the given window. The file
// dialogs take their own messages from language, when one is given.
class WidgetInteraction : public Interaction {
public:
    explicit WidgetInteraction(QWidget* parent, const TLanguage* language = nullptr)
        : FParent(parent), FLanguage(language) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

private:
    // The dialogs' texts: the given language, else the built-in English table.
    const TLanguage& Texts();

    QWidget* FParent;
    const TLanguage* FLanguage;
    std::unique_ptr<TLanguage> FEnglish;
};
