#include "widgets/WorkerJob.h"

#include "widgets/WorkerInteraction.h"

#include <QEventLoop>
#include <QThread>
#include <QWidget>

#include <exception>
#include <memory>

namespace {
// The outermost widget of owner's window that is not the window itself: disabling it
// leaves the window's own dialogs (the progress window, questions) usable.
QWidget& ControlsOf(QWidget& owner) {
    QWidget* controls = &owner;
    while (!controls->isWindow() && !controls->parentWidget()->isWindow())
        controls = controls->parentWidget();
    return *controls;
}

struct JobState {
    JobState(Interaction& window, QObject& context) : Worker(window, context) {}
    WorkerInteraction Worker;
    std::exception_ptr Error;
};
} // namespace

void RunWorkerJob(QWidget& owner, Interaction& window, std::function<void(Interaction&)> job,
                  std::function<void(bool completed)> done) {
    QWidget& controls = ControlsOf(owner);
    controls.setEnabled(false);
    auto state = std::make_shared<JobState>(window, owner);
    QThread* thread = QThread::create([state, job = std::move(job)] {
        try {
            job(state->Worker);
        } catch (...) {
            state->Error = std::current_exception();
        }
    });
    QObject::connect(thread, &QThread::finished, &owner,
                     [thread, state, &controls, done = std::move(done)] {
                         thread->deleteLater();
                         controls.setEnabled(true);
                         done(!state->Error);
                         if (state->Error)
                             std::rethrow_exception(state->Error);
                     });
    thread->start();
}

void RunWorkerJobAndWait(QWidget& owner, Interaction& window,
                         std::function<void(Interaction&)> job) {
    QEventLoop waiting;
    RunWorkerJob(owner, window, std::move(job), [&waiting](bool) { waiting.quit(); });
    waiting.exec();
}
