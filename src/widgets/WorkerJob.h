#pragma once

#include <functional>

class Interaction;
class QWidget;

// Runs one long job on a thread of its own so the window keeps painting and moving. The
// job talks to the user through an interaction that forwards to window, on the window's
// thread. While it runs, the part of owner's window that holds owner is disabled, so no
// second job starts. Afterwards done runs on the window's thread, told whether the job
// completed; an error the job threw is thrown again there, after done.
void RunWorkerJob(QWidget& owner, Interaction& window, std::function<void(Interaction&)> job,
                  std::function<void(bool completed)> done);

// The same for a caller that needs the job's result before it goes on: returns once the
// job has ended, handling the window's events meanwhile.
void RunWorkerJobAndWait(QWidget& owner, Interaction& window,
                         std::function<void(Interaction&)> job);
