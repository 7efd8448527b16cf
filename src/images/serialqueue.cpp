#include "serialqueue.h"

#include <QSemaphore>
#include <QThread>

SerialQueue::SerialQueue(const QString &name) : m_thread(QThread::create([this] { run(); }))
{
    m_thread->setObjectName(name); // the thread's name as tools show it
    m_thread->start();
}

SerialQueue::~SerialQueue()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
    }
    m_posted.wakeOne();
    m_thread->wait();
}

void SerialQueue::post(std::function<void()> task)
{
    {
        QMutexLocker lock(&m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_posted.wakeOne();
}

void SerialQueue::waitForIdle()
{
    QSemaphore done;
    post([&done] { done.release(); });
    done.acquire();
}

void SerialQueue::run()
{
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (m_tasks.empty() && !m_stopping)
            m_posted.wait(&m_mutex);
        if (m_tasks.empty())
            return; // stopping, and everything has run
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        lock.unlock();
        task();
        task = nullptr; // release what it captured before taking the lock again
        lock.relock();
    }
}
