// Work the GUI hands to threads of their own so that its window never waits on
// a network: each job runs on a new thread and reports back on the main thread
// through a Qt object it names, which may be gone by then (the report is then
// dropped). The program waits for the jobs still running when it ends.
#pragma once

#include <functional>

class QObject;

// Runs `work` on a thread of its own. `work` returns what to do on the main
// thread afterwards, which happens only while `receiver` lives.
void RunInBackground(QObject* receiver, std::function<std::function<void()>()> work);

// Waits for every job still running (each is bounded by its own time limits).
void WaitForBackgroundJobs();
