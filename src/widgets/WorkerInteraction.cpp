#include "widgets/WorkerInteraction.h"

#include "widgets/WindowThreadCall.h"

#include <QMutex>

#include <atomic>

namespace {
// What the worker last said about its progress and the window has not shown yet.
struct PendingProgress {
    std::optional<QString> Message;
    std::optional<int> Percent;
    std::optional<bool> BarShown;
    std::optional<bool> CancelShown;
};

// The worker's side of a progress window that lives on the window's thread. Changes are
// merged while the window is busy, so a fast worker costs the window one update at a time.
class ForwardedProgress : public ProgressHandle {
public:
    ForwardedProgress(std::unique_ptr<ProgressHandle> window, QObject& context)
        : FWindow(std::move(window)), FContext(context) {}

    // The window closes before the worker goes on, after showing the last change.
    ~ForwardedProgress() override {
        CallOnThreadOf(FContext, [this] {
            ShowPending();
            FWindow.reset();
        });
    }

    void SetMessage(const QString& text) override {
        Change([&](PendingProgress& pending) { pending.Message = text; });
    }
    void SetPercent(int percent) override {
        Change([&](PendingProgress& pending) { pending.Percent = percent; });
    }
    void ShowBar(bool shown) override {
        Change([&](PendingProgress& pending) { pending.BarShown = shown; });
    }
    void ShowCancel(bool shown) override {
        Change([&](PendingProgress& pending) { pending.CancelShown = shown; });
    }
    bool CancelRequested() const override { return FWindow->CancelRequested(); }

private:
    template <typename Edit> void Change(Edit edit) {
        {
            const QMutexLocker lock(&FMutex);
            edit(FPending);
        }
        if (QThread::currentThread() == FContext.thread())
            ShowPending();
        else if (!FPosted.exchange(true))
            QMetaObject::invokeMethod(
                &FContext, [this] { ShowPending(); }, Qt::QueuedConnection);
    }

    void ShowPending() {
        FPosted = false;
        PendingProgress pending;
        {
            const QMutexLocker lock(&FMutex);
            std::swap(pending, FPending);
        }
        if (pending.Message)
            FWindow->SetMessage(*pending.Message);
        if (pending.Percent)
            FWindow->SetPercent(*pending.Percent);
        if (pending.BarShown)
            FWindow->ShowBar(*pending.BarShown);
        if (pending.CancelShown)
            FWindow->ShowCancel(*pending.CancelShown);
    }

    std::unique_ptr<ProgressHandle> FWindow;
    QObject& FContext;
    QMutex FMutex;
    PendingProgress FPending;
    std::atomic<bool> FPosted = false;
};
} // namespace

MessageAnswer WorkerInteraction::ShowMessage(MessageKind kind, const QString& text,
                                             MessageButtons buttons, MessageAnswer defaultAnswer) {
    return CallOnThreadOf(FContext,
                          [&] { return FWindow.ShowMessage(kind, text, buttons, defaultAnswer); });
}

std::unique_ptr<ProgressHandle> WorkerInteraction::BeginProgress(const QString& caption) {
    return std::make_unique<ForwardedProgress>(
        CallOnThreadOf(FContext, [&] { return FWindow.BeginProgress(caption); }), FContext);
}

FileDialogAnswer WorkerInteraction::AskForPaths(const FileDialogRequest& request) {
    return CallOnThreadOf(FContext, [&] { return FWindow.AskForPaths(request); });
}

FileExistsReply WorkerInteraction::AskFileExists(const FileExistsQuestion& question) {
    return CallOnThreadOf(FContext, [&] { return FWindow.AskFileExists(question); });
}

std::optional<QString> WorkerInteraction::AskPassword(const QString& archivePath,
                                                      const QString& entryName) {
    return CallOnThreadOf(FContext, [&] { return FWindow.AskPassword(archivePath, entryName); });
}

HoodChoice WorkerInteraction::ChooseNeighbourhood(const QString& gameFolder,
                                                  const ExpansionFlags& packs) {
    return CallOnThreadOf(FContext, [&] { return FWindow.ChooseNeighbourhood(gameFolder, packs); });
}
