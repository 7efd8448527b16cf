// The pages the browser's screen tests visit, served on loopback inside the test program,
// and the two install addresses as the shell knows them.
#include "loopbackserver.h"
#include "makerendpoints.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QQmlEngine>

namespace {

LoopbackServer::Response page(const QByteArray &title, const QByteArray &body)
{
    LoopbackServer::Response response;
    response.headers = {{"Content-Type", "text/html; charset=utf-8"}};
    response.body = "<!DOCTYPE html><html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
    return response;
}

class TestPages : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString storeAddress READ storeAddress CONSTANT)
    Q_PROPERTY(QString packageManagerAddress READ packageManagerAddress CONSTANT)

public:
    TestPages()
    {
        m_server.route("/first", page("First page", "<a href='/second' style='position:fixed;inset:0'>next</a>"));
        m_server.route("/second", page("Second page", "<p>second</p>"));
        m_server.route("/alert", page("Before", "<script>alert('Hello from the page'); document.title = 'After'</script>"));
        LoopbackServer::Response file;
        file.headers = {{"Content-Type", "application/octet-stream"}, {"Content-Disposition", "attachment; filename=a.bin"}};
        file.body = QByteArray(4096, 'x');
        m_server.route("/file", file);
        m_server.start();
    }

    QString storeAddress() const { return MakerEndpoints::addToKestrel(); }
    QString packageManagerAddress() const { return QLatin1String(MakerEndpoints::PackageManagerHome); }

    Q_INVOKABLE QString url(const QString &path) const { return m_server.url(path).toString(); }
    Q_INVOKABLE static bool exists(const QString &path) { return QFileInfo::exists(path); }

private:
    LoopbackServer m_server;
};

void registerTestPages()
{
    qmlRegisterSingletonType<TestPages>("Kestrel.BrowserTesting", 1, 0, "TestPages",
                                        [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestPages; });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerTestPages)

#include "testpages.moc"
