#pragma once

#include <deque>
#include <functional>
#include <mutex>

class QObject;

// Results from worker threads for the thread that owns `owner`: posted from anywhere, run there
// in order, as many as are ready per wake-up of that thread. Tasks still waiting when the
// inbox goes are dropped. The owner must outlive the inbox.
class OwnerInbox
{
public:
    explicit OwnerInbox(QObject *owner) : m_owner(owner) {}
    OwnerInbox(const OwnerInbox &) = delete;
    OwnerInbox &operator=(const OwnerInbox &) = delete;

    void post(std::function<void()> task);

private:
    void runReady();

    QObject *m_owner;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
    bool m_wakePosted = false;
};
