#include "makerendpoints.h"
#include "makerserver.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>

namespace {

const QString SiteDir = QStringLiteral(KESTREL_MAKER_SITE_DIR);

struct Reply {
    int status = 0;
    QByteArray contentType;
    QByteArray allow;
    qint64 contentLength = -1;
    QByteArray body;
};

using CatalogueRow = QHash<QString, QString>;

// The catalogue the site is generated from: a header line, then one tab-separated row per app.
QList<CatalogueRow> readCatalogue()
{
    QFile file(QStringLiteral(KESTREL_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return {};
    const QStringList columns = lines.first().split(u'\t');
    QList<CatalogueRow> rows;
    for (const QString &line : lines.mid(1)) {
        const QStringList cells = line.split(u'\t');
        CatalogueRow row;
        for (qsizetype i = 0; i < columns.size() && i < cells.size(); ++i)
            row.insert(columns.at(i), cells.at(i));
        row.insert(QStringLiteral("#cells"), QString::number(cells.size()));
        rows.append(row);
    }
    return rows;
}

QByteArray siteFile(const QString &path)
{
    QFile file(SiteDir + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Path part of one of the shell's maker or icon addresses.
QString pathOf(const QString &address)
{
    const QLatin1String base(MakerEndpoints::MakerBase);
    return address.startsWith(base) ? address.mid(base.size()) : QString();
}

// A property list as nested QVariantMap / QVariantList / QString; invalid on a malformed document.
QVariant plistValue(QXmlStreamReader &xml);

QVariant plistDict(QXmlStreamReader &xml)
{
    QVariantMap map;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"key")
            return {};
        const QString key = xml.readElementText();
        if (!xml.readNextStartElement())
            return {};
        const QVariant value = plistValue(xml);
        if (!value.isValid())
            return {};
        map.insert(key, value);
    }
    return map;
}

QVariant plistValue(QXmlStreamReader &xml)
{
    if (xml.name() == u"dict")
        return plistDict(xml);
    if (xml.name() == u"array") {
        QVariantList list;
        while (xml.readNextStartElement()) {
            const QVariant value = plistValue(xml);
            if (!value.isValid())
                return {};
            list.append(value);
        }
        return list;
    }
    if (xml.name() == u"string")
        return xml.readElementText();
    if (xml.name() == u"integer")
        return xml.readElementText().toLongLong();
    if (xml.name() == u"true" || xml.name() == u"false") {
        const bool value = xml.name() == u"true";
        xml.skipCurrentElement();
        return value;
    }
    return {};
}

QVariant parsePlist(const QByteArray &data, QString *doctype)
{
    QXmlStreamReader xml(data);
    QVariant root;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.tokenType() == QXmlStreamReader::DTD)
            *doctype = xml.dtdName().toString();
        if (xml.isStartElement() && xml.name() == u"plist" && xml.readNextStartElement())
            root = plistValue(xml);
    }
    return xml.hasError() ? QVariant() : root;
}

} // namespace

class TestMakerServer : public QObject
{
    Q_OBJECT

private:
    QString m_log;
    QTextStream m_logStream{&m_log};
    MakerServer *m_server = nullptr;
    quint16 m_port = 0;
    QNetworkAccessManager m_network;

    Reply fetch(const QByteArray &verb, const QString &path, quint16 port = 0)
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port ? port : m_port).arg(path)));
        QNetworkReply *reply = verb == "GET"    ? m_network.get(request)
                               : verb == "HEAD" ? m_network.head(request)
                                                : m_network.sendCustomRequest(request, verb);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(10000);
        Reply result;
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.contentType = reply->rawHeader("Content-Type");
        result.allow = reply->rawHeader("Allow");
        if (reply->hasRawHeader("Content-Length"))
            result.contentLength = reply->rawHeader("Content-Length").toLongLong();
        result.body = reply->readAll();
        reply->deleteLater();
        return result;
    }

    // Sends the request target byte for byte: a client library would tidy "..", "//" and
    // encodings away before they ever reached the server.
    static Reply rawGet(quint16 port, const QByteArray &target)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(5000))
            return {};
        QByteArray data;
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&] { data += socket.readAll(); });
        socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");

        Reply reply;
        const auto complete = [&] {
            const qsizetype end = data.indexOf("\r\n\r\n");
            if (end < 0)
                return false;
            const QList<QByteArray> lines = data.left(end).split('\n');
            reply.status = lines.first().split(' ').value(1).toInt();
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("content-length:"))
                    reply.contentLength = line.mid(15).trimmed().toLongLong();
            }
            reply.body = data.mid(end + 4);
            return reply.contentLength >= 0 && reply.body.size() >= reply.contentLength;
        };
        QDeadlineTimer deadline(5000);
        while (!complete() && socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired())
            QTest::qWait(5);
        complete();
        return reply;
    }

private slots:
    void initTestCase()
    {
        m_network.setProxy(QNetworkProxy::NoProxy);
        m_server = new MakerServer(SiteDir, &m_logStream, this);
        QVERIFY2(!m_server->root().isEmpty(), qPrintable("site directory missing: " + SiteDir));
        m_port = m_server->listen(QHostAddress::LocalHost, 0);
        QVERIFY(m_port != 0);
    }

    void everyEndpointAnswersWithItsContentType_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("contentType");
        const QByteArray json("application/json"), xml("application/xml"), png("image/png");
        QTest::newRow("update document") << pathOf(MakerEndpoints::updateDocument()) << json;
        QTest::newRow("shell manifest") << pathOf(MakerEndpoints::shellManifest()) << xml;
        QTest::newRow("default source") << pathOf(MakerEndpoints::defaultSource()) << json;
        QTest::newRow("AddToKestrel") << pathOf(MakerEndpoints::addToKestrel()) << QByteArray("text/html; charset=utf-8");
        QTest::newRow("default source icon") << pathOf(MakerEndpoints::defaultSourceIcon()) << png;

        const QList<CatalogueRow> rows = readCatalogue();
        for (const CatalogueRow &row : rows) {
            const QByteArray name = row.value("name").toUtf8();
            QTest::newRow("manifest " + name) << pathOf(MakerEndpoints::manifest(row.value("plist"))) << xml;
            QTest::newRow("icon " + name) << pathOf(MakerEndpoints::icon(row.value("icon"))) << png;
            if (!row.value("screenshots").isEmpty()) {
                for (int number : {1, 2})
                    QTest::addRow("screenshot %d of %s", number, name.constData())
                        << pathOf(MakerEndpoints::screenshot(row.value("screenshots"), number)) << png;
            }
        }
        const QJsonArray packages = QJsonDocument::fromJson(siteFile("/Cydia.json")).array();
        for (const QJsonValue &package : packages) {
            if (package["AppIcon"].isString())
                QTest::newRow("package icon " + package["PackageName"].toString().toUtf8())
                    << pathOf(package["AppIcon"].toString()) << png;
        }
    }

    void everyEndpointAnswersWithItsContentType()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, contentType);
        QVERIFY2(!path.isEmpty(), "address not on the maker's server");
        const Reply reply = fetch("GET", path);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.contentType, contentType);
        QCOMPARE(reply.body, siteFile(path));
        if (contentType == "image/png") {
            const QImage picture = QImage::fromData(reply.body, "PNG");
            QVERIFY2(!picture.isNull(), "the picture does not decode");
            if (path.startsWith(u"/icons/"))
                QCOMPARE(picture.size(), QSize(120, 120));
        }
    }

    void headAnswersHeadersWithoutBody()
    {
        const Reply reply = fetch("HEAD", QStringLiteral("/Cydia.json"));
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.contentType, QByteArray("application/json"));
        QCOMPARE(reply.contentLength, siteFile("/Cydia.json").size());
        QVERIFY(reply.body.isEmpty());
    }

    void unknownPathsAreNotFound_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << QStringLiteral("/Nothing.json");
        QTest::newRow("missing manifest") << QStringLiteral("/plist/Nothing.plist");
        QTest::newRow("directory") << QStringLiteral("/plist");
        QTest::newRow("directory with slash") << QStringLiteral("/icons/");
        QTest::newRow("site root") << QStringLiteral("/");
        QTest::newRow("wrong case") << QStringLiteral("/cydia.json");
    }

    void unknownPathsAreNotFound()
    {
        QFETCH(QString, path);
        QCOMPARE(fetch("GET", path).status, 404);
    }

    void otherMethodsAreNotAllowed_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::newRow("POST") << QByteArray("POST");
        QTest::newRow("PUT") << QByteArray("PUT");
        QTest::newRow("DELETE") << QByteArray("DELETE");
    }

    void otherMethodsAreNotAllowed()
    {
        QFETCH(QByteArray, verb);
        const Reply reply = fetch(verb, QStringLiteral("/Cydia.json"));
        QCOMPARE(reply.status, 405);
        QCOMPARE(reply.allow, QByteArray("GET, HEAD"));
        QVERIFY(!reply.body.contains("PackageName"));
    }

    void eachRequestIsLoggedOnOneLine()
    {
        m_log.clear();
        fetch("GET", QStringLiteral("/Kestrelapp/KestrelUpdate.json"));
        fetch("GET", QStringLiteral("/missing"));
        m_logStream.flush();
        QCOMPARE(m_log, QStringLiteral("GET /Kestrelapp/KestrelUpdate.json 200 %1\nGET /missing 404 10\n")
                            .arg(siteFile("/Kestrelapp/KestrelUpdate.json").size()));
    }

    // Paths as they reach resolve(): the HTTP layer may or may not have tidied them.
    void pathsThatCouldLeaveTheRootAreRefused_data()
    {
        QTest::addColumn<QByteArray>("encodedPath");
        QTest::newRow("parent") << QByteArray("/../CMakeLists.txt");
        QTest::newRow("parent inside") << QByteArray("/plist/../../maker/main.cpp");
        QTest::newRow("encoded parent") << QByteArray("/%2e%2e/CMakeLists.txt");
        QTest::newRow("encoded parent, upper case") << QByteArray("/%2E%2E/CMakeLists.txt");
        QTest::newRow("half-encoded parent") << QByteArray("/.%2E/CMakeLists.txt");
        QTest::newRow("encoded slash") << QByteArray("/%2E%2E%2FCMakeLists.txt");
        QTest::newRow("encoded slash, lower case") << QByteArray("/plist%2f..%2f..%2fCMakeLists.txt");
        QTest::newRow("encoded backslash") << QByteArray("/..%5CCMakeLists.txt");
        QTest::newRow("backslash") << QByteArray("/..\\CMakeLists.txt");
        QTest::newRow("encoded NUL") << QByteArray("/Cydia.json%00.png");
        QTest::newRow("double slash") << QByteArray("//etc/passwd");
        QTest::newRow("not absolute") << QByteArray("CMakeLists.txt");
        QTest::newRow("invalid UTF-8") << QByteArray("/%ff%fe.json");
    }

    void pathsThatCouldLeaveTheRootAreRefused()
    {
        QFETCH(QByteArray, encodedPath);
        const MakerServer::Resolution found = m_server->resolve(encodedPath);
        QVERIFY2(found.status == 400 || found.status == 404, qPrintable(QString::number(found.status)));
        QVERIFY(found.filePath.isEmpty());
    }

    void requestsNeverReadOutsideTheRoot_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("parent") << QByteArray("/../secret.txt");
        QTest::newRow("parent of the repository file") << QByteArray("/../CMakeLists.txt");
        QTest::newRow("encoded parent") << QByteArray("/%2e%2e/secret.txt");
        QTest::newRow("encoded parent and slash") << QByteArray("/%2E%2E%2Fsecret.txt");
        QTest::newRow("parents inside a folder") << QByteArray("/plist/../../secret.txt");
        QTest::newRow("encoded parents inside a folder") << QByteArray("/plist/%2e%2e/%2e%2e/secret.txt");
        QTest::newRow("double slash") << QByteArray("//etc/passwd");
        QTest::newRow("absolute system path") << QByteArray("/etc/passwd");
        QTest::newRow("symlink to a file outside") << QByteArray("/escape.txt");
        QTest::newRow("symlink to a folder outside") << QByteArray("/outdir/secret.txt");
        QTest::newRow("encoded symlink folder") << QByteArray("/outdir%2Fsecret.txt");
    }

    void requestsNeverReadOutsideTheRoot()
    {
        QFETCH(QByteArray, target);
        // root/site is served; root/secret.txt and outside/secret.txt must stay unreachable.
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QDir dir(temp.path());
        QVERIFY(dir.mkpath("root/site/plist") && dir.mkpath("outside"));
        for (const QString &name : {QStringLiteral("root/secret.txt"), QStringLiteral("outside/secret.txt"),
                                    QStringLiteral("root/CMakeLists.txt")}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("TOP-SECRET") > 0);
        }
        QFile inner(dir.filePath("root/site/inner.json"));
        QVERIFY(inner.open(QIODevice::WriteOnly) && inner.write("[]") == 2);
        inner.close();
        QVERIFY(QFile::link(dir.filePath("outside/secret.txt"), dir.filePath("root/site/escape.txt")));
        QVERIFY(QFile::link(dir.filePath("outside"), dir.filePath("root/site/outdir")));
        QVERIFY(QFile::link(dir.filePath("root/site/inner.json"), dir.filePath("root/site/alias.json")));

        MakerServer server(dir.filePath("root/site"));
        const quint16 port = server.listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        // The raw client itself works, and a symlink that stays inside the root is served.
        QCOMPARE(rawGet(port, "/inner.json").body, QByteArray("[]"));
        QCOMPARE(rawGet(port, "/alias.json").body, QByteArray("[]"));

        const Reply reply = rawGet(port, target);
        QVERIFY2(reply.status != 200, qPrintable(QString::number(reply.status)));
        QVERIFY(!reply.body.contains("TOP-SECRET"));
        QVERIFY(!reply.body.contains("root:"));
    }

    void theSiteRootGuardsTheRepositoryToo_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("parent") << QByteArray("/../CMakeLists.txt");
        QTest::newRow("encoded parent") << QByteArray("/%2e%2e/x");
        QTest::newRow("encoded parent and slash") << QByteArray("/%2E%2E%2Fx");
        QTest::newRow("double slash") << QByteArray("//etc/passwd");
        QTest::newRow("parents inside a folder") << QByteArray("/plist/../../maker/main.cpp");
        QTest::newRow("parents to the catalogue") << QByteArray("/plist/../../catalogue.tsv");
    }

    void theSiteRootGuardsTheRepositoryToo()
    {
        QFETCH(QByteArray, target);
        const Reply reply = rawGet(m_port, target);
        QVERIFY2(reply.status == 400 || reply.status == 404, qPrintable(QString::number(reply.status)));
        for (const char *outside : {"cmake_minimum_required", "#include", "root:", "Emulators"})
            QVERIFY2(!reply.body.contains(outside), outside);
    }

    void updateDocumentHoldsTheShellsVersion()
    {
        const Reply reply = fetch("GET", pathOf(MakerEndpoints::updateDocument()));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(reply.body, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QVERIFY(document.isArray());
        int current = 0;
        for (const QJsonValue &entry : document.array()) {
            QVERIFY(entry.isObject());
            QVERIFY(entry["version"].isString());
            QVERIFY(entry["log"].isString());
            current += entry["version"].toString() == QLatin1String(KESTREL_VERSION);
        }
        QCOMPARE(current, 1);
    }

    void defaultSourceIsARepositoryDocument()
    {
        const Reply reply = fetch("GET", pathOf(MakerEndpoints::defaultSource()));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(reply.body, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QVERIFY(document.isArray());
        const QJsonArray packages = document.array();
        QVERIFY(packages.size() >= 6);

        QList<qint64> tweakOpacities;
        int tweaksWithout = 0;
        QSet<QString> categories;
        const QStringList optionalStrings{"AppIcon", "AuthorEmail", "ContactEmail", "Website", "Description"};
        for (const QJsonValue &value : packages) {
            QVERIFY(value.isObject());
            const QJsonObject package = value.toObject();
            const QByteArray name = package["PackageName"].toString().toUtf8();
            for (const char *required : {"PackageName", "PackageID", "Category", "PackageVersion"})
                QVERIFY2(package[QLatin1String(required)].isString(), name + " lacks " + required);
            for (const QString &key : optionalStrings) {
                const QJsonValue member = package[key];
                QVERIFY2(member.isUndefined() || member.isNull() || member.isString(), name + " " + key.toUtf8());
            }
            if (package["AppIcon"].isString())
                QVERIFY2(package["AppIcon"].toString().startsWith(QLatin1String(MakerEndpoints::IconBase)), name);
            const QJsonValue opacity = package["DockOpacity"];
            // An integer member reads back as a whole qint64; 1.5 or "1" would not.
            const bool integer = opacity.toVariant().typeId() == QMetaType::LongLong;
            QVERIFY2(opacity.isUndefined() || opacity.isNull() || integer, name + " DockOpacity");
            categories.insert(package["Category"].toString());
            if (package["Category"].toString() == u"Tweaks") {
                if (integer)
                    tweakOpacities.append(opacity.toInteger());
                else
                    ++tweaksWithout;
            }
        }
        for (qint64 wanted : {0, 1, 5})
            QVERIFY2(tweakOpacities.contains(wanted), qPrintable(QString::number(wanted)));
        QVERIFY(tweaksWithout >= 1);
        QVERIFY(categories.size() >= 3);
    }

    void manifestsHaveTheInstallStructure_data()
    {
        QTest::addColumn<QString>("manifestName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::newRow("Kestrel") << QStringLiteral("Kestrel") << QStringLiteral("Kestrel")
                                 << QStringLiteral(KESTREL_VERSION);
        const QList<CatalogueRow> rows = readCatalogue();
        for (const CatalogueRow &row : rows)
            QTest::newRow(row.value("plist").toUtf8()) << row.value("plist") << row.value("name") << QString();
    }

    void manifestsHaveTheInstallStructure()
    {
        QFETCH(QString, manifestName);
        QFETCH(QString, title);
        QFETCH(QString, version);
        const Reply reply = fetch("GET", pathOf(MakerEndpoints::manifest(manifestName)));
        QCOMPARE(reply.status, 200);
        QString doctype;
        const QVariantMap root = parsePlist(reply.body, &doctype).toMap();
        QCOMPARE(doctype, QStringLiteral("plist"));
        const QVariantList items = root.value("items").toList();
        QCOMPARE(items.size(), 1);
        const QVariantMap item = items.first().toMap();

        QStringList kinds;
        for (const QVariant &entry : item.value("assets").toList()) {
            const QVariantMap asset = entry.toMap();
            kinds.append(asset.value("kind").toString());
            const QString url = asset.value("url").toString();
            QVERIFY2(url.startsWith(QLatin1String(MakerEndpoints::MakerBase) + u'/'), qPrintable(url));
            if (asset.value("kind").toString() != u"software-package")
                QCOMPARE(fetch("GET", pathOf(url)).status, 200);
        }
        kinds.sort();
        QCOMPARE(kinds, QStringList({"display-image", "full-size-image", "software-package"}));

        const QVariantMap metadata = item.value("metadata").toMap();
        QVERIFY(!metadata.value("bundle-identifier").toString().isEmpty());
        QVERIFY(!metadata.value("bundle-version").toString().isEmpty());
        if (!version.isEmpty())
            QCOMPARE(metadata.value("bundle-version").toString(), version);
        QCOMPARE(metadata.value("kind").toString(), QStringLiteral("software"));
        QCOMPARE(metadata.value("title").toString(), title);
    }

    void catalogueHasItsTwentyEightRows()
    {
        // The manifest and icon checks above walk this file; a short read would hollow them out.
        const QList<CatalogueRow> rows = readCatalogue();
        QCOMPARE(rows.size(), 28);
        for (const CatalogueRow &row : rows)
            QCOMPARE(row.value("#cells"), QStringLiteral("10"));
        QVERIFY(rows.at(6).value("description").contains(QChar(0x200B)));
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
        QVERIFY(maker.waitForStarted());
        QByteArray banner;
        const QRegularExpression address(QStringLiteral("at http://127\\.0\\.0\\.1:(\\d+)\\n"));
        QRegularExpressionMatch match;
        QDeadlineTimer deadline(10000);
        while (!(match = address.match(QString::fromUtf8(banner))).hasMatch() && !deadline.hasExpired()) {
            maker.waitForReadyRead(200);
            banner += maker.readAllStandardOutput();
        }
        QVERIFY2(match.hasMatch(), banner + maker.readAllStandardError());
        const quint16 port = match.captured(1).toUShort();

        const Reply reply = fetch("GET", QStringLiteral("/Kestrelapp/KestrelUpdate.json"), port);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.body, siteFile("/Kestrelapp/KestrelUpdate.json"));

        ::kill(pid_t(maker.processId()), signalNumber);
        QVERIFY(maker.waitForFinished(10000));
        QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maker.exitCode(), 0);
        QVERIFY(maker.readAllStandardOutput().contains("GET /Kestrelapp/KestrelUpdate.json 200"));
    }

    void badOptionsExitWithStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--colour"};
        QTest::newRow("port not a number") << QStringList{"--port", "web"};
        QTest::newRow("port too large") << QStringList{"--port", "65536"};
        QTest::newRow("negative port") << QStringList{"--port", "-1"};
        QTest::newRow("bind not an address") << QStringList{"--bind", "localhost:80"};
        QTest::newRow("root missing") << QStringList{"--root", "/nonexistent/kestrel-site"};
        QTest::newRow("root a file") << QStringList{"--root", QStringLiteral(KESTREL_CATALOGUE)};
        QTest::newRow("stray argument") << QStringList{"serve"};
        QTest::newRow("option without value") << QStringList{"--port"};
    }

    void badOptionsExitWithStatusTwo()
    {
        QFETCH(QStringList, arguments);
        QProcess maker;
        maker.start(QStringLiteral(KESTREL_MAKER_BINARY), arguments);
        QVERIFY(maker.waitForFinished(10000));
        QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maker.exitCode(), 2);
        QVERIFY(!maker.readAllStandardError().isEmpty());
        QVERIFY(maker.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMakerServer)
#include "tst_makerserver.moc"
