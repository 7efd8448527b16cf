#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The simulated phone's hardware that a desktop lacks: what the hardware menu drives and the
// small indicators it shows. Its own state lives in <data root>/simulator.ini.
class Simulator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")

public:
    explicit Simulator(const QString &dataRoot, QObject *parent = nullptr);

    QString stateFile() const;

    // Where "Save Screen" writes its next picture (the user's pictures folder).
    Q_INVOKABLE QString nextScreenshotPath() const;

    // A short message for the simulator's banner ("Saved …", "Opened …").
    Q_INVOKABLE void notify(const QString &message) { emit notice(message); }

    // "Simulate Memory Warning": what the system tells apps when memory runs short. Caches
    // that can be refilled drop what they hold.
    static constexpr const char *MemoryWarningName = "Simulate Memory Warning";
    Q_INVOKABLE void simulateMemoryWarning()
    {
        emit memoryWarning();
        notify(QString::fromLatin1(MemoryWarningName));
    }

signals:
    void notice(const QString &message);
    void memoryWarning();

private:
    QString m_dataRoot;
};
