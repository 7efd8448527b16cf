#pragma once

#include <chrono>
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

    // With `hold`, the owner is not woken for this task alone: a worker that knows more results
    // follow lets them gather, so a screenful of cache hits wakes the owner once rather than
    // once each. Held tasks go with the next post without hold, with release(), or once the
    // oldest has waited MaxHoldMs.
    void post(std::function<void()> task, bool hold = false);
    void release();

    static constexpr int MaxHoldMs = 8; // half a frame

private:
    void wakeLocked(std::unique_lock<std::mutex> &lock);
    void runReady();

    QObject *m_owner;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
    std::chrono::steady_clock::time_point m_oldest; // of the tasks waiting, while no wake is posted
    bool m_wakePosted = false;
};
