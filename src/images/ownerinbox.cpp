#include "ownerinbox.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

void OwnerInbox::post(std::function<void()> task)
{
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
        if (std::exchange(m_wakePosted, true))
            return;
    }
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
