#pragma once

#include <QMutex>
#include <QString>
#include <QWaitCondition>
#include <deque>
#include <functional>
#include <memory>

class QThread;

// A serial queue: one thread of its own runs the posted tasks one at a time, in order. Lighter
// than posting events to a thread's event loop, which matters when a screenful of pictures
// asks the disk at once.
class SerialQueue
{
public:
    explicit SerialQueue(const QString &name);
    // Runs what is still queued, then stops the thread.
    ~SerialQueue();
    SerialQueue(const SerialQueue &) = delete;
    SerialQueue &operator=(const SerialQueue &) = delete;

    void post(std::function<void()> task);
    // Blocks until every task posted before this call has run.
    void waitForIdle();

private:
    void run();

    QMutex m_mutex;
    QWaitCondition m_posted;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::unique_ptr<QThread> m_thread;
};
