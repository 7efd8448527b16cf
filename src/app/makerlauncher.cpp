#include "makerlauncher.h"

#include <QHostAddress>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {
// A loopback port answers or refuses at once; a silent one this long is taken as nobody there.
constexpr int ProbeTimeoutMs = 1500;
constexpr int StopTimeoutMs = 3000;
} // namespace

MakerLauncher::MakerLauncher(const QUrl &makerUrl, const QString &program, QObject *parent)
    : QObject(parent), m_url(makerUrl), m_program(program)
{
}

MakerLauncher::~MakerLauncher() { stop(); }

void MakerLauncher::start()
{
    const QString host = m_url.host();
    const bool loopback = host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
    if (!loopback || m_url.port() <= 0 || m_probe || m_server)
        return;

    m_probe = new QTcpSocket(this);
    auto *timeout = new QTimer(m_probe);
    timeout->setSingleShot(true);
    const auto answer = [this](bool someoneThere) {
        if (!m_probe) // the other outcome came first
            return;
        m_probe->abort();
        m_probe->deleteLater();
        m_probe = nullptr;
        if (someoneThere)
            emit serverFound();
        else
            launch();
    };
    connect(m_probe, &QTcpSocket::connected, this, [answer] { answer(true); });
    connect(m_probe, &QTcpSocket::errorOccurred, this, [answer] { answer(false); });
    connect(timeout, &QTimer::timeout, m_probe, [answer] { answer(false); });
    timeout->start(ProbeTimeoutMs);
    m_probe->connectToHost(host, quint16(m_url.port()));
}

void MakerLauncher::launch()
{
    m_server = new QProcess(this);
    m_server->setProgram(m_program);
    const QString bind = m_url.host() == QLatin1String("localhost") ? QStringLiteral("127.0.0.1") : m_url.host();
    m_server->setArguments({QStringLiteral("--port"), QString::number(m_url.port()), QStringLiteral("--bind"), bind});
    // Its request log is not the shell's to print.
    m_server->setStandardOutputFile(QProcess::nullDevice());
    m_server->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // A shell that is killed cannot stop the server itself: the kernel does it then.
    m_server->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_server->start();
    emit serverStarted();
}

void MakerLauncher::stop()
{
    if (!m_server || m_server->state() == QProcess::NotRunning)
        return;
    m_server->terminate(); // the server quits cleanly on SIGTERM
    if (!m_server->waitForFinished(StopTimeoutMs)) {
        m_server->kill();
        m_server->waitForFinished(StopTimeoutMs);
    }
}
