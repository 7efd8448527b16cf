#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal on the main thread. The signal handler only writes
// one byte to a non-blocking socket pair (the one thing it may safely do, and it never waits);
// the event loop reads it.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

signals:
    void shutdownRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
