#pragma once

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Threads of its own that run posted tasks in order; with one thread it is a serial queue.
// Lighter than posting events to a thread's event loop (which matters when a screenful of
// pictures asks at once), and built on standard primitives so thread checkers see every
// hand-over.
class WorkQueue
{
public:
    // Threads with a positive `niceness` yield the processor to the rest of the program (the
    // GUI thread, the network path) whenever both want it.
    explicit WorkQueue(const QString &name, int threads = 1, int niceness = 0);
    // Runs what is still queued, then stops the threads.
    ~WorkQueue();
    WorkQueue(const WorkQueue &) = delete;
    WorkQueue &operator=(const WorkQueue &) = delete;

    void post(std::function<void()> task);
    // Drops the tasks that have not started.
    void discardPending();
    // Blocks until every task posted before this call has finished.
    void waitForIdle();

private:
    void run(int niceness);

    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_tasks;
    int m_busy = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
