#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QProcess;
class QTcpSocket;

// Starts the bundled maker server when nothing answers on the maker's configured address, so an
// installed shell works on its own, and stops the server it started when it goes. A server that
// was already answering (another shell's, `make run`'s) is left alone.
class MakerLauncher : public QObject
{
    Q_OBJECT

public:
    MakerLauncher(const QUrl &makerUrl, const QString &program, QObject *parent = nullptr);
    ~MakerLauncher() override;

    // Asks the address once; starts the program if the answer is no. Only loopback addresses
    // are served this way: a server elsewhere is not ours to start.
    void start();
    // The server this launcher started, or null.
    QProcess *server() const { return m_server; }

signals:
    // Nothing answered and the program was started (it may still fail to listen).
    void serverStarted();
    // Something already answered: nothing was started.
    void serverFound();

private:
    void launch();
    void stop();

    QUrl m_url;
    QString m_program;
    QTcpSocket *m_probe = nullptr;
    QProcess *m_server = nullptr;
};
