#include "ui/base/background_jobs.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Job {
    std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
    std::thread thread;
};

struct Jobs {
    std::mutex mutex;
    std::list<Job> running;
    // A program that ends without waiting (a test) still lets each thread end.
    ~Jobs()
    {
        for (Job& job : running)
            job.thread.join();
    }
};

Jobs& TheJobs()
{
    static Jobs jobs;
    return jobs;
}

} // namespace

void RunInBackground(QObject* receiver, std::function<std::function<void()>()> work)
{
    QPointer<QObject> target(receiver);
    const std::lock_guard<std::mutex> lock(TheJobs().mutex);
    // Threads that ended are let go here, so that a long session keeps none.
    for (auto job = TheJobs().running.begin(); job != TheJobs().running.end();) {
        if (*job->done) {
            job->thread.join();
            job = TheJobs().running.erase(job);
        } else {
            ++job;
        }
    }
    Job& job = TheJobs().running.emplace_back();
    job.thread = std::thread([target, work = std::move(work), done = job.done] {
        std::function<void()> then = work();
        // Looked at on the main thread: the receiver may go meanwhile.
        if (then)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [target, then = std::move(then)] {
                    if (target)
                        then();
                },
                Qt::QueuedConnection);
        *done = true;
    });
}

void WaitForBackgroundJobs()
{
    std::list<Job> running;
    {
        const std::lock_guard<std::mutex> lock(TheJobs().mutex);
        running.swap(TheJobs().running);
    }
    for (Job& job : running)
        job.thread.join();
}
