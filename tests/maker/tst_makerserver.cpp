#include "makerendpoints.h"
#include "makerserver.h"

#include <QHostAddress>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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

// The catalogue the site is generated from: a header line naming the columns, then one row per app.
QList<QHash<QString, QString>> readCatalogue()
{
    QFile file(QStringLiteral(KESTREL_CATALOGUE));
    const QStringList lines = QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray())
                                      .split(u'\n', Qt::SkipEmptyParts);
    QList<QHash<QString, QString>> rows;
    for (const QString &line : lines.mid(1)) {
        QHash<QString, QString> &row = rows.emplace_back();
        for (qsizetype i = 0; i <= line.count(u'\t'); ++i)
            row.insert(lines.first().section(u'\t', i, i), line.section(u'\t', i, i));
    }
    return rows;
}

// The <key>/<string> pairs of a property list, in document order; empty when malformed.
QList<std::pair<QString, QString>> plistStrings(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    QList<std::pair<QString, QString>> pairs;
    QString key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"key")
            key = xml.readElementText();
        else if (xml.name() == u"string")
            pairs.append({key, xml.readElementText()});
    }
    return xml.hasError() ? QList<std::pair<QString, QString>>() : pairs;
}

struct Reply {
    int status = 0;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

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
        if (end < 0)
            return false;
        const QList<QByteArray> lines = data.left(end).split('\n');
        reply.status = lines.first().split(' ').value(1).toInt();
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            reply.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
        }
        reply.body = data.mid(end + 4);
        const qint64 length = reply.headers.value("content-length", "-1").toLongLong();
        return verb == "HEAD" || (length >= 0 && reply.body.size() >= length);
    };
    for (QDeadlineTimer deadline(10000); !complete() && socket.state() != QAbstractSocket::UnconnectedState
         && !deadline.hasExpired();)
        QTest::qWait(5);
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
        auto *site = new MakerServer(SiteDir, nullptr, this);
        QVERIFY2(!site->root().isEmpty(), qPrintable("site directory missing: " + SiteDir));
        m_port = site->listen(QHostAddress::LocalHost, 0);

        const QDir dir(m_temp.path());
        QVERIFY(m_temp.isValid() && dir.mkpath("root/site/plist") && dir.mkpath("outside"));
        for (const auto &[name, data] : {std::pair("root/secret.txt", "TOP-SECRET"), {"outside/secret.txt", "TOP-SECRET"},
                                         {"root/site/inner.json", "[]"}}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) > 0);
        }
        QVERIFY(QFile::link(dir.filePath("outside/secret.txt"), dir.filePath("root/site/escape.txt")));
        QVERIFY(QFile::link(dir.filePath("outside"), dir.filePath("root/site/outdir")));
        QVERIFY(QFile::link(dir.filePath("root/site/inner.json"), dir.filePath("root/site/alias.json")));
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
        const auto rows = readCatalogue();
        QVERIFY2(rows.size() == 28, "the catalogue was not read whole"); // the rows below walk it
        for (const auto &row : rows) {
            const QByteArray name = row.value("name").toUtf8();
            get("manifest " + name, MakerEndpoints::manifest(row.value("plist")), xml);
            get("icon " + name, MakerEndpoints::icon(row.value("icon")), png);
            const QString screenshots = row.value("screenshots");
            for (int n = 1; n <= 2 && !screenshots.isEmpty(); ++n)
                get("screenshot " + QByteArray::number(n) + " of " + name, MakerEndpoints::screenshot(screenshots, n), png);
        }
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
        QVERIFY2(!path.isEmpty(), "address not on the maker's server");
        const Reply reply = request(m_port, verb, path.toUtf8());
        QCOMPARE(reply.status, status);
        if (!contentType.isEmpty())
            QCOMPARE(reply.headers.value("content-type"), contentType);
        QCOMPARE(reply.headers.value("allow"), status == 405 ? QByteArray("GET, HEAD") : QByteArray());
        if (status != 200) {
            QVERIFY(!reply.body.contains("PackageName"));
            return;
        }
        // HEAD carries the headers of the GET, without the body.
        QCOMPARE(reply.headers.value("content-length").toLongLong(), siteFile(path).size());
        QCOMPARE(reply.body, verb == "HEAD" ? QByteArray() : siteFile(path));
        if (contentType == "image/png") {
            const QImage picture = QImage::fromData(reply.body, "PNG");
            QVERIFY2(!picture.isNull(), "the picture does not decode");
            QVERIFY(!path.startsWith(u"/icons/") || picture.size() == QSize(120, 120));
        }
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
    }

    void symlinksInsideTheRootAreServed()
    {
        QCOMPARE(request(m_guardedPort, "GET", "/alias.json").body, QByteArray("[]"));
    }

    void updateDocumentHoldsTheShellsVersion()
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(siteFile(MakerEndpoints::UpdateDocumentPath), &error);
        QVERIFY2(document.isArray(), qPrintable(error.errorString()));
        int current = 0;
        for (const QJsonValue &entry : document.array()) {
            QVERIFY(entry["version"].isString() && entry["log"].isString());
            current += entry["version"].toString() == QLatin1String(KESTREL_VERSION);
        }
        QCOMPARE(current, 1);
    }

    // One bad package drops the whole source in the shell; the tweaks cover each dock opacity a
    // user can apply (0, 1, 5 and none).
    void defaultSourceIsARepositoryDocument()
    {
        QJsonParseError error;
        const QJsonArray packages = QJsonDocument::fromJson(siteFile(MakerEndpoints::DefaultSourcePath), &error).array();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QSet<QString> tweakOpacities;
        for (const QJsonValue &package : packages) {
            const QByteArray name = package["PackageName"].toString().toUtf8();
            const auto absent = [&](const char *key) {
                return package[QLatin1String(key)].isUndefined() || package[QLatin1String(key)].isNull();
            };
            for (const char *required : {"PackageName", "PackageID", "Category", "PackageVersion"})
                QVERIFY2(package[QLatin1String(required)].isString(), name + " lacks " + required);
            for (const char *optional : {"AuthorEmail", "ContactEmail", "Website", "Description"})
                QVERIFY2(absent(optional) || package[QLatin1String(optional)].isString(), name + " " + optional);
            const QLatin1String iconBase(MakerEndpoints::IconBase);
            QVERIFY2(absent("AppIcon") || package["AppIcon"].toString().startsWith(iconBase), name + " AppIcon");
            // An integer member reads back as a whole qint64; 1.5 or "1" would not.
            const bool integer = package["DockOpacity"].toVariant().typeId() == QMetaType::LongLong;
            QVERIFY2(absent("DockOpacity") || integer, name + " DockOpacity");
            if (package["Category"].toString() == u"Tweaks")
                tweakOpacities.insert(integer ? QString::number(package["DockOpacity"].toInteger()) : u"none"_qs);
        }
        const QSet<QString> wanted{"0", "1", "5", "none"};
        QVERIFY2(tweakOpacities.contains(wanted), qPrintable(tweakOpacities.values().join(u' ')));
    }

    void manifestsHaveTheInstallStructure_data()
    {
        QTest::addColumn<QString>("manifestName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version"); // empty: any
        QTest::newRow("Kestrel") << u"Kestrel"_qs << u"Kestrel"_qs << QStringLiteral(KESTREL_VERSION);
        for (const auto &row : readCatalogue())
            QTest::newRow(row.value("plist").toUtf8()) << row.value("plist") << row.value("name") << QString();
    }

    void manifestsHaveTheInstallStructure()
    {
        QFETCH(QString, manifestName);
        QFETCH(QString, version);
        const QByteArray data = siteFile(pathOf(MakerEndpoints::manifest(manifestName)));
        QVERIFY(data.contains("<!DOCTYPE plist"));
        QStringList kinds;
        QHash<QString, QString> metadata;
        for (const auto &[key, value] : plistStrings(data)) {
            if (key == u"url") {
                QVERIFY2(value.startsWith(QLatin1String(MakerEndpoints::MakerBase) + u'/'), qPrintable(value));
                QVERIFY2(kinds.last() == u"software-package" || QFile::exists(SiteDir + pathOf(value)), qPrintable(value));
            } else if (key == u"kind" && value != u"software") {
                kinds.append(value);
            } else {
                metadata.insert(key, value);
            }
        }
        kinds.sort();
        QCOMPARE(kinds, QStringList({"display-image", "full-size-image", "software-package"}));
        QVERIFY(!metadata.value("bundle-identifier").isEmpty());
        QVERIFY(!metadata.value("bundle-version").isEmpty());
        QVERIFY(version.isEmpty() || metadata.value("bundle-version") == version);
        QTEST(metadata.value("title"), "title");
    }

    void theProgramStopsCleanlyOnSignals_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void theProgramStopsCleanlyOnSignals()
    {
        QFETCH(int, signalNumber);
        QProcess maker;
        // No --root: the program finds the site it was built with.
        maker.start(QStringLiteral(KESTREL_MAKER_BINARY), {"--port", "0", "--bind", "127.0.0.1"});
        const QRegularExpression banner(QStringLiteral("at http://127\\.0\\.0\\.1:(\\d+)\\n"));
        QByteArray out;
        QRegularExpressionMatch match;
        const QDeadlineTimer deadline(10000);
        while (!(match = banner.match(QString::fromUtf8(out))).hasMatch() && maker.waitForReadyRead(int(deadline.remainingTime())))
            out += maker.readAllStandardOutput();
        QVERIFY2(match.hasMatch(), out + maker.readAllStandardError());
        const QByteArray path = pathOf(MakerEndpoints::updateDocument()).toUtf8();
        QCOMPARE(request(match.captured(1).toUShort(), "GET", path).body, siteFile(path));

        ::kill(pid_t(maker.processId()), signalNumber);
        QVERIFY(maker.waitForFinished(10000));
        QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maker.exitCode(), 0);
        QVERIFY2((out + maker.readAllStandardOutput()).contains("GET " + path), "the request was not logged");
    }

    void badOptionsExitWithStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--colour"};
        QTest::newRow("option without value") << QStringList{"--port"};
        QTest::newRow("stray argument") << QStringList{"serve"};
        QTest::newRow("port not a number") << QStringList{"--port", "web"};
        QTest::newRow("port too large") << QStringList{"--port", "65536"};
        QTest::newRow("bind not an address") << QStringList{"--bind", "localhost:80"};
        QTest::newRow("root missing") << QStringList{"--root", "/nonexistent/kestrel-site"};
        QTest::newRow("root a file") << QStringList{"--root", QStringLiteral(KESTREL_CATALOGUE)};
    }

    void badOptionsExitWithStatusTwo()
    {
        QFETCH(QStringList, arguments);
        QProcess maker;
        maker.start(QStringLiteral(KESTREL_MAKER_BINARY), arguments);
        QVERIFY(maker.waitForFinished(10000));
        QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maker.exitCode(), 2);
        QVERIFY(!maker.readAllStandardError().isEmpty() && maker.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMakerServer)
#include "tst_makerserver.moc"
