#include "makerendpoints.h"
#include "makerserver.h"
#include "packages.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString SiteDir = QStringLiteral(KESTREL_MAKER_SITE_DIR);

QByteArray siteFile(const QString &path)
{
    QFile file(SiteDir + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Path part of one of the shell's maker or icon addresses; empty for any other address.
QString pathOf(const QString &address)
{
    const QLatin1String base(MakerEndpoints::MakerBase);
    return address.startsWith(base) ? address.mid(base.size()) : QString();
}

// The <key>/<string> pairs of a property list.
QMultiHash<QString, QString> plistStrings(const QByteArray &data)
{
    static const QRegularExpression pair(R"(<key>([^<]+)</key>\s*<string>([^<]*)</string>)");
    QMultiHash<QString, QString> pairs;
    for (const QRegularExpressionMatch &match : pair.globalMatch(QString::fromUtf8(data)))
        pairs.insert(match.captured(1), match.captured(2));
    return pairs;
}

struct Reply { int status = 0; QHash<QByteArray, QByteArray> headers; QByteArray body; }; // header names in lower case

// Sends the request target byte for byte (a client library would tidy "..", "//" and encodings
// away) and reads the answer while spinning this thread's event loop, which the servers run on.
Reply request(quint16 port, const QByteArray &verb, const QByteArray &target)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(verb + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray data;
    Reply reply;
    const auto complete = [&] {
        data += socket.readAll();
        const qsizetype end = data.indexOf("\r\n\r\n");
        const QList<QByteArray> lines = data.left(end).split('\n');
        reply.status = lines.first().split(' ').value(1).toInt();
        for (const QByteArray &line : lines.mid(1))
            reply.headers.insert(line.left(line.indexOf(':')).trimmed().toLower(), line.mid(line.indexOf(':') + 1).trimmed());
        reply.body = data.mid(end + 4);
        const QByteArray length = reply.headers.value("content-length");
        return end >= 0 && (verb == "HEAD" || (!length.isEmpty() && reply.body.size() >= length.toLongLong()));
    };
    if (!QTest::qWaitFor([&] { return complete() || socket.state() == QAbstractSocket::UnconnectedState; }, 10000))
        qWarning("no whole answer");
    return reply;
}

} // namespace

class TestMakerServer : public QObject
{
    Q_OBJECT

    quint16 m_port = 0; // serves maker/site
    // root/site is served, with a file and symlinks; root/secret.txt and outside/secret.txt are not.
    QTemporaryDir m_temp;
    MakerServer *m_guarded = nullptr;
    quint16 m_guardedPort = 0;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(SiteDir).isDir(), qPrintable("site directory missing: " + SiteDir));
        m_port = (new MakerServer(SiteDir, nullptr, this))->listen(QHostAddress::LocalHost, 0);

        const QDir dir(m_temp.path());
        QVERIFY(m_temp.isValid() && dir.mkpath("root/site/plist") && dir.mkpath("outside"));
        for (const auto &[name, data] : {std::pair("root/secret.txt", "TOP-SECRET"), {"outside/secret.txt", "TOP-SECRET"},
                                         {"root/site/inner.json", "[]"}}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) > 0);
        }
        for (const auto &[target, link] : {std::pair("outside/secret.txt", "escape.txt"), {"outside", "outdir"}, {"root/site/inner.json", "alias.json"}})
            QVERIFY(QFile::link(dir.filePath(target), dir.filePath("root/site/") + link));
        m_guarded = new MakerServer(dir.filePath("root/site"), nullptr, this);
        m_guardedPort = m_guarded->listen(QHostAddress::LocalHost, 0);
        QVERIFY(m_port != 0 && m_guardedPort != 0);
    }

    // Every address the shell builds or hands on, then the refusals around them.
    void requestsAnswerWithStatusAndType_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType"); // not checked when empty
        const QByteArray json("application/json"), xml("application/xml"), png("image/png");
        const auto get = [](const QByteArray &name, const QString &address, const QByteArray &type) {
            QTest::newRow(name) << QByteArray("GET") << pathOf(address) << 200 << type;
        };
        get("update document", MakerEndpoints::updateDocument(), json);
        get("shell manifest", MakerEndpoints::shellManifest(), xml);
        get("default source", MakerEndpoints::defaultSource(), json);
        get("AddToKestrel", MakerEndpoints::addToKestrel(), "text/html; charset=utf-8");
        get("default source icon", MakerEndpoints::defaultSourceIcon(), png);
        get("a screenshot", MakerEndpoints::screenshot("Glyphwright", 2), png); // each row's addresses: the store's test
        for (const QJsonValue &package : QJsonDocument::fromJson(siteFile(MakerEndpoints::DefaultSourcePath)).array()) {
            if (package["AppIcon"].isString())
                get("package icon " + package["PackageName"].toString().toUtf8(), package["AppIcon"].toString(), png);
        }
        QTest::newRow("HEAD") << QByteArray("HEAD") << QStringLiteral("/Cydia.json") << 200 << json;
        for (const char *path : {"/Nothing.json", "/plist/Nothing.plist", "/plist", "/icons/", "/", "/cydia.json"})
            QTest::addRow("GET %s", path) << QByteArray("GET") << QString::fromLatin1(path) << 404 << QByteArray();
        for (const char *verb : {"POST", "PUT", "DELETE"})
            QTest::newRow(verb) << QByteArray(verb) << QStringLiteral("/Cydia.json") << 405 << QByteArray();
    }

    void requestsAnswerWithStatusAndType()
    {
        QFETCH(QByteArray, verb);
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        const Reply reply = request(m_port, verb, path.toUtf8());
        QCOMPARE(reply.status, status);
        if (!contentType.isEmpty())
            QCOMPARE(reply.headers.value("content-type"), contentType);
        QCOMPARE(reply.headers.value("allow"), status == 405 ? QByteArray("GET, HEAD") : QByteArray());
        if (status != 200)
            return;
        // HEAD carries the headers of the GET, without the body.
        QCOMPARE(reply.headers.value("content-length").toLongLong(), siteFile(path).size());
        QCOMPARE(reply.body, verb == "HEAD" ? QByteArray() : siteFile(path));
        const QImage picture = QImage::fromData(reply.body, "PNG");
        QVERIFY2(contentType != "image/png" || !picture.isNull(), "the picture does not decode");
        QVERIFY(!path.startsWith(u"/icons/") || picture.size() == QSize(120, 120));
    }

    void requestsNeverReachOutsideTheRoot_data()
    {
        QTest::addColumn<QByteArray>("target");
        // Parents plain, encoded, half-encoded and inside a folder; encoded separators and NUL;
        // system paths; symlinks to a file and a folder outside.
        for (const char *target : {"/../secret.txt", "/plist/../../secret.txt", "/%2e%2e/secret.txt", "/.%2E/secret.txt",
                                   "/plist/%2e%2e/%2e%2e/secret.txt", "/%2E%2E%2Fsecret.txt", "/plist%2f..%2f..%2fsecret.txt",
                                   "/..%5Csecret.txt", "/..\\secret.txt", "/inner.json%00.png", "//etc/passwd", "/etc/passwd",
                                   "secret.txt", "/%ff%fe.json", "/escape.txt", "/outdir/secret.txt", "/outdir%2Fsecret.txt"})
            QTest::newRow(target) << QByteArray(target);
    }

    void requestsNeverReachOutsideTheRoot()
    {
        QFETCH(QByteArray, target);
        // resolve() sees the path as sent; the HTTP layer in front of it may or may not tidy it.
        const MakerServer::Resolution found = m_guarded->resolve(target);
        QVERIFY2(found.status == 400 || found.status == 404, qPrintable(QString::number(found.status)));
        QVERIFY(found.filePath.isEmpty());
        const Reply reply = request(m_guardedPort, "GET", target);
        QVERIFY2(reply.status != 200, qPrintable(QString::number(reply.status)));
        QVERIFY(!reply.body.contains("TOP-SECRET") && !reply.body.contains("root:"));
        QCOMPARE(request(m_guardedPort, "GET", "/alias.json").body, QByteArray("[]")); // a symlink inside is served
    }

    // The update document and the shell's manifest name the shell's version once; every manifest
    // is complete and its pictures are on the site. One bad package drops the whole default source
    // in the shell.
    void siteAgreesWithTheShell()
    {
        int current = 0;
        for (const QJsonValue &entry : QJsonDocument::fromJson(siteFile(MakerEndpoints::UpdateDocumentPath)).array()) {
            QVERIFY(entry["version"].isString() && entry["log"].isString());
            current += entry["version"].toString() == QLatin1String(KESTREL_VERSION);
        }
        QCOMPARE(current, 1);
        QCOMPARE(plistStrings(siteFile(pathOf(MakerEndpoints::shellManifest()))).value("bundle-version"), KESTREL_VERSION);
        const QStringList manifests = QDir(SiteDir + "/plist").entryList({"*.plist"});
        QCOMPARE(manifests.size(), 29); // the shell's and one per catalogue row
        for (const QString &name : manifests) {
            const QMultiHash<QString, QString> plist = plistStrings(siteFile("/plist/" + name));
            QVERIFY2(plist.values("kind").size() == 4 && !plist.value("bundle-identifier").isEmpty()
                         && !plist.value("title").isEmpty(), qPrintable(name));
            for (const QString &url : plist.values("url")) {
                QVERIFY2(url.startsWith(QLatin1String(MakerEndpoints::MakerBase) + u'/')
                             && (url.endsWith(u".ipa") || QFile::exists(SiteDir + pathOf(url))), qPrintable(url));
            }
        }
        const auto packages = decodePackages(siteFile(MakerEndpoints::DefaultSourcePath));
        QVERIFY(packages && !packages->isEmpty());
    }

    // Bad options end the program with status 2 before it serves; otherwise it says where it
    // serves (an IPv6 address in brackets), serves and logs, and stops cleanly on a signal.
    void theProgramServesUntilASignalAndRefusesBadOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("signalNumber"); // 0: the options are refused
        QTest::newRow("SIGTERM") << QStringList{"--bind", "127.0.0.1"} << int(SIGTERM);
        QTest::newRow("SIGINT, IPv6") << QStringList{"--bind", "::1"} << int(SIGINT);
        QTest::newRow("unknown option") << QStringList{"--colour"} << 0;
        QTest::newRow("stray argument") << QStringList{"serve"} << 0;
        QTest::newRow("port not a number") << QStringList{"--port", "web"} << 0;
        QTest::newRow("port too large") << QStringList{"--port", "65536"} << 0;
        QTest::newRow("bind not an address") << QStringList{"--bind", "localhost:80"} << 0;
        QTest::newRow("root missing") << QStringList{"--root", "/nonexistent/kestrel-site"} << 0;
    }

    void theProgramServesUntilASignalAndRefusesBadOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, signalNumber);
        QProcess maker;
        // No --root: the program finds the site it was built with.
        maker.start(QStringLiteral(KESTREL_MAKER_BINARY), signalNumber ? arguments + QStringList{"--port", "0"} : arguments);
        if (!signalNumber) {
            QVERIFY(maker.waitForFinished(10000));
            QCOMPARE(maker.exitCode(), 2);
            QVERIFY(!maker.readAllStandardError().isEmpty() && maker.readAllStandardOutput().isEmpty());
            return;
        }
        const bool v4 = !arguments[1].contains(u':');
        const QString host = v4 ? arguments[1] : '[' + arguments[1] + ']';
        const QRegularExpression banner("at http://" + QRegularExpression::escape(host) + ":(\\d+)\\n");
        QByteArray out;
        QRegularExpressionMatch match;
        for (QDeadlineTimer deadline(10000); !(match = banner.match(QString::fromUtf8(out))).hasMatch()
             && maker.waitForReadyRead(int(deadline.remainingTime()));)
            out += maker.readAllStandardOutput();
        QVERIFY2(match.hasMatch(), out + maker.readAllStandardError());
        const QByteArray path = pathOf(MakerEndpoints::updateDocument()).toUtf8();
        QVERIFY(!v4 || request(match.captured(1).toUShort(), "GET", path).body == siteFile(path));

        ::kill(pid_t(maker.processId()), signalNumber);
        QVERIFY(maker.waitForFinished(10000));
        QVERIFY(maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0);
        QVERIFY2(!v4 || (out + maker.readAllStandardOutput()).contains("GET " + path), "the request was not logged");
    }
};

QTEST_GUILESS_MAIN(TestMakerServer)
#include "tst_makerserver.moc"
