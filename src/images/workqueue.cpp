#include "workqueue.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

WorkQueue::WorkQueue(const QString &name, int threads, int niceness)
{
    // The name as tools show it; the system keeps at most 15 bytes of it.
    const QByteArray threadName = name.toUtf8().left(15);
    for (int i = 0; i < std::max(1, threads); ++i) {
        m_threads.emplace_back([this, niceness] { run(niceness); });
        pthread_setname_np(m_threads.back().native_handle(), threadName.constData());
    }
}

WorkQueue::~WorkQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_posted.notify_all();
    for (auto &thread : m_threads)
        thread.join();
}

void WorkQueue::post(std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_posted.notify_one();
}

void WorkQueue::discardPending()
{
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped.swap(m_tasks);
    }
    m_idle.notify_all();
}

void WorkQueue::waitForIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_tasks.empty() && m_busy == 0; });
}

void WorkQueue::run(int niceness)
{
    if (niceness > 0) // on Linux the priority of this thread alone; failing leaves it as it is
        setpriority(PRIO_PROCESS, id_t(gettid()), niceness);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_posted.wait(lock, [this] { return !m_tasks.empty() || m_stopping; });
        if (m_tasks.empty())
            return; // stopping, and everything has run
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        ++m_busy;
        lock.unlock();
        task();
        task = nullptr; // release what it captured outside the lock
        lock.lock();
        if (--m_busy == 0 && m_tasks.empty())
            m_idle.notify_all();
    }
}
