#include "ownerinbox.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

void OwnerInbox::post(std::function<void()> task, bool hold)
{
    std::unique_lock lock(m_mutex);
    const auto now = std::chrono::steady_clock::now();
    if (m_tasks.empty())
        m_oldest = now;
    m_tasks.push_back(std::move(task));
    if (!hold || now - m_oldest >= std::chrono::milliseconds(MaxHoldMs))
        wakeLocked(lock);
}

void OwnerInbox::release()
{
    std::unique_lock lock(m_mutex);
    if (!m_tasks.empty())
        wakeLocked(lock);
}

void OwnerInbox::wakeLocked(std::unique_lock<std::mutex> &lock)
{
    if (std::exchange(m_wakePosted, true))
        return;
    lock.unlock();
    // The wake-up carries no data; it is dropped with the owner if the owner goes first.
    QMetaObject::invokeMethod(m_owner, [this] { runReady(); }, Qt::QueuedConnection);
}

void OwnerInbox::runReady()
{
    std::deque<std::function<void()>> tasks;
    {
        std::lock_guard lock(m_mutex);
        tasks.swap(m_tasks);
        m_wakePosted = false;
    }
    for (auto &task : tasks)
        task();
}
