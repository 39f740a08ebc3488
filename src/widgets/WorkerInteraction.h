#pragma once

#include "common/Interaction.h"

class QObject;

// Lets an engine running on a worker thread talk to the user through the window's own
// interaction: every question and message is asked on the window's thread while the worker
// waits for the answer, and progress reaches the window without the worker waiting. The
// window's thread must keep its event loop running (never wait on the worker) while a job
// uses this.
class WorkerInteraction : public Interaction {
public:
    // window: the interaction to use on the window's thread; context: an object living
    // there, which outlives every call.
    WorkerInteraction(Interaction& window, QObject& context) : FWindow(window), FContext(context) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override;
    FileDialogAnswer AskForPaths(const FileDialogRequest& request) override;
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override;
    std::optional<QString> AskPassword(const QString& archivePath,
                                       const QString& entryName) override;
    HoodChoice ChooseNeighbourhood(const QString& gameFolder, const ExpansionFlags& packs) override;

private:
    Interaction& FWindow;
    QObject& FContext;
};
