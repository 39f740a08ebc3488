#pragma once

#include "common/Interaction.h"

class QWidget;

// Real message boxes and the progress window, parented to the given window.
class WidgetInteraction : public Interaction {
public:
    explicit WidgetInteraction(QWidget* parent) : FParent(parent) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;

private:
    QWidget* FParent;
};
