// Every screen that fetches, through every fault the maker can serve: the screen keeps what it
// showed, memory stays under a cap, and the next good answer shows. The longest gap between
// event-loop turns is measured and reported, never asserted.
#include "apicall.h"
#include "appcontext.h"
#include "makerserver.h"
#include "staticplugins.h"
#include "tempdataroot.h"
#include "tesselloadermodel.h"

#include <QNetworkAccessManager>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <unistd.h>

namespace {

// Generous (six pictures downloading at once may each buffer 32 MiB), yet far below a decoded
// 20,000 x 20,000 picture (1.6 GB).
constexpr qint64 MemoryCapBytes = 512 * 1024 * 1024;
constexpr int ExposureMs = 1500; // how long each fault is watched once served
constexpr int HangGuardMs = 20000;

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Runs the real event loop (qWait sleeps between turns) until done() or the guard.
bool spin(int guardMs, const std::function<bool()> &done = [] { return false; })
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] { if (done()) loop.quit(); });
    check.start(5);
    QTimer::singleShot(guardMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// A 16 ms tick: the longest time between two ticks is how long the GUI thread was kept away.
struct LoopWatch {
    QTimer tick;
    QElapsedTimer clock;
    qint64 last = 0, longestGap = 0, peakResident = 0;
    LoopWatch()
    {
        QObject::connect(&tick, &QTimer::timeout, [this] {
            longestGap = std::max(longestGap, clock.elapsed() - std::exchange(last, clock.elapsed()));
            peakResident = std::max(peakResident, residentBytes());
        });
        clock.start();
        tick.start(16);
    }
};

QList<QQuickItem *> named(QQuickItem *root, const QString &prefix)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName().startsWith(prefix) && child->isVisible())
            found << child;
        found << named(child, prefix);
    }
    return found;
}
// The maker on a thread of its own, so its work (an endless body, the huge picture) never shows
// as a gap in the screens' event loop.
struct MakerThread : QThread {
    QSemaphore ready;
    QString log;
    MakerServer *server = nullptr;
    quint16 port = 0;
    void run() override
    {
        QTextStream stream(&log);
        MakerServer maker(QStringLiteral(KESTREL_MAKER_SITE_DIR), &stream);
        server = &maker;
        port = maker.listen(QHostAddress::LocalHost, 0);
        Faults::hugePng(); // made once, before any fault is watched
        ready.release();
        exec();
    }
    void setFaults(const QHash<QString, Fault> &faults)
    {
        QMetaObject::invokeMethod(server, [this, faults] { server->setFaults(faults); }, Qt::BlockingQueuedConnection);
    }
    int faultsServed()
    {
        qsizetype count = 0;
        QMetaObject::invokeMethod(server, [this] { return log.count(QStringLiteral(" fault ")); }, Qt::BlockingQueuedConnection, &count);
        return int(count);
    }
    ~MakerThread() override { quit(); wait(); }
};

// One row per screen: its QML, the paths it fetches, the texts that show what it shows, and
// (icon screens) the icons whose pictures come from the maker.
struct Screen {
    const char *tag, *qml, *path; // path "/icons/": every icon the maker serves
    QStringList texts;
    QString icon;
};
const Screen Screens[] = {
    {"update", "import QtQuick; import Kestrel.Apps.Settings\n"
               "Item { property QtObject general: g.model; General { id: g; visible: false }\n"
               "       SoftwareUpdate { anchors.fill: parent; general: g.model } }",
     "/Kestrelapp/KestrelUpdate.json", {QStringLiteral("updateTitle"), QStringLiteral("updateLog")}, {}},
    {"store-icons", "import Kestrel.Store\nTessel { }", "/icons/", {QStringLiteral("storeRowName")}, QStringLiteral("storeRowIcon")},
    {"sources", "import Kestrel.Packages\nCydiaSources { }", "/icons/", {QStringLiteral("sourceTitle"), QStringLiteral("sourceUrl")},
     QStringLiteral("remoteIcon")},
    {"sections-tweaks", "import QtQuick; import QtQuick.Controls; import Kestrel.Packages\n"
                        "StackView { id: stack; property string repoUrl; property QtObject repository: currentItem.repository\n"
                        "  initialItem: RepoDetailView { currentRepoUrl: stack.repoUrl }\n"
                        "  function showTweaks() { push(tweaks, { repository: currentItem.repository }) } \n"
                        "  Component { id: tweaks; TweaksPage { } } }",
     "/Cydia.json", {QStringLiteral("tweakName")}, {}},
};

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(const Screen *)

class TestScreenFaults : public QObject
{
    Q_OBJECT

    QString url(const QString &path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }
    // Icons come from a new address each time (a user name that changes), so neither the cache
    // nor the rule that a URL which failed with a 4xx or bad data is not asked again for the rest
    // of the run hides the server's answer.
    QString icons() const { return QStringLiteral("http://phase%1@127.0.0.1:%2/icons/").arg(m_phase).arg(m_port); }

    QHash<QString, Fault> faultOn(const Screen &screen, Fault fault) const
    {
        QHash<QString, Fault> faults{{QLatin1String(screen.path), fault}};
        for (const QString &file : screen.icon.isEmpty() ? QStringList() : QDir(QStringLiteral(KESTREL_MAKER_SITE_DIR "/icons")).entryList(QDir::Files))
            faults.insert(QStringLiteral("/icons/") + file, fault);
        return faults;
    }

    void open(const Screen &screen)
    {
        m_page.reset();
        if (!screen.icon.isEmpty()) { // the one stored source, its icon on the maker
            TesselLoaderModel sources(m_context->settings());
            sources.deleteAt({0});
            sources.add(QStringLiteral("Faulty"), url(QStringLiteral("/Cydia.json")), icons() + QStringLiteral("TesselIcon.png"));
        }
        QQmlComponent component(&m_engine);
        component.setData(screen.qml, QUrl());
        QObject *object = component.beginCreate(m_engine.rootContext());
        QVERIFY2(object, qPrintable(component.errorString()));
        if (object->property("iconBase").isValid()) // before the rows load their icons
            object->setProperty("iconBase", icons());
        component.completeCreate();
        m_page.reset(qobject_cast<QQuickItem *>(object));
        if (object->property("repoUrl").isValid()) // after the Sections page came on screen: no fetch yet
            object->setProperty("repoUrl", url(screen.path));
        m_page->setSize(m_window.size());
        m_page->setParentItem(m_window.contentItem());
        if (QObject *general = m_page->property("general").value<QObject *>())
            general->setProperty("updateAddress", url(screen.path));
    }

    // The document screens fetch once more; the icon screens open anew, on new icon addresses.
    void fetch(const Screen &screen)
    {
        if (QObject *general = m_page ? m_page->property("general").value<QObject *>() : nullptr)
            QMetaObject::invokeMethod(general, "checkForUpdates");
        if (QObject *repository = m_page ? m_page->property("repository").value<QObject *>() : nullptr)
            QMetaObject::invokeMethod(repository, "fetch");
        if (!screen.icon.isEmpty()) {
            ++m_phase;
            open(screen);
        }
    }

    QString shown(const Screen &screen) const
    {
        QStringList all;
        for (const QString &name : screen.texts)
            for (QQuickItem *item : named(m_page.get(), name))
                all << item->property("text").toString();
        return all.join(u'|');
    }
    // Changes with each good answer the screen takes; icons: "pictures shown/icons".
    QString stamp(const Screen &screen) const
    {
        if (!screen.icon.isEmpty()) {
            const QList<QQuickItem *> icons = named(m_page.get(), screen.icon);
            return QStringLiteral("%1/%2").arg(std::count_if(icons.begin(), icons.end(), [](QQuickItem *i) {
                return i->property("hasImage").toBool(); })).arg(icons.size());
        }
        if (QObject *general = m_page->property("general").value<QObject *>())
            return general->property("updates").toList().value(0).toMap().value(QStringLiteral("id")).toString();
        return m_page->property("repository").value<QObject *>()->property("fetchesCompleted").toString();
    }
    bool answered(const Screen &screen, const QString &before) const
    {
        const QString now = stamp(screen);
        return screen.icon.isEmpty() ? now != before
                                     : !now.endsWith(QLatin1String("/0")) && now.section(u'/', 0, 0) == now.section(u'/', 1, 1);
    }

    MakerThread m_server;
    quint16 m_port = 0;
    int m_phase = 0;
    TempDataRoot m_root;
    AppContext *m_context = nullptr;
    QQmlEngine m_engine;
    QQuickWindow m_window;
    std::unique_ptr<QQuickItem> m_page;

private slots:
    void initTestCase()
    {
        m_server.start();
        m_server.ready.acquire();
        QVERIFY((m_port = m_server.port) != 0);
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        m_context = m_root.context();
        m_context->installInto(m_engine);
        m_window.resize(375, 667);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        LoopWatch idle; // the machine's own noise, to read the figures below against
        spin(ExposureMs);
        qInfo("idle: longest event-loop gap %lld ms (tick 16 ms)", idle.longestGap);
    }

    void screenSurvivesFault_data()
    {
        QTest::addColumn<const Screen *>("screen");
        QTest::addColumn<Fault>("fault");
        for (const Screen &screen : Screens)
            for (const QString &name : Faults::names())
                QTest::addRow("%s/%s", screen.tag, qPrintable(name)) << &screen << *Faults::fromName(name);
    }
    void screenSurvivesFault()
    {
        QFETCH(const Screen *, screen);
        QFETCH(Fault, fault);
        m_server.setFaults({});
        if (screen->icon.isEmpty())
            open(*screen);
        const QString none = screen->icon.isEmpty() ? stamp(*screen) : QString();
        fetch(*screen);
        QVERIFY2(spin(HangGuardMs, [&] { return answered(*screen, none); }), "no first answer");
        if (m_page->metaObject()->indexOfMethod("showTweaks()") >= 0) { // the Tweaks page over Sections
            QMetaObject::invokeMethod(m_page.get(), "showTweaks");
            QVERIFY(spin(HangGuardMs, [&] { return !shown(*screen).isEmpty(); }));
        }
        const QString showing = shown(*screen), good = stamp(*screen);

        const qint64 residentBefore = residentBytes();
        const int servedBefore = m_server.faultsServed();
        m_server.setFaults(faultOn(*screen, fault));
        fetch(*screen);
        LoopWatch watch; // from the request on: an icon screen's own making is not the fault's
        QVERIFY2(spin(HangGuardMs, [&] { return m_server.faultsServed() > servedBefore; }), "the fault was never served");
        spin(ExposureMs);
        const qint64 residentGrowth = watch.peakResident - residentBefore;
        qInfo("%s: longest event-loop gap %lld ms (tick 16 ms); resident memory peak %+lld KiB", QTest::currentDataTag(),
              watch.longestGap, residentGrowth / 1024);
        QVERIFY2(residentGrowth < MemoryCapBytes, "a fault cost more memory than the cap");
        QCOMPARE(shown(*screen), showing);
        // Icons: a faulty answer never shows as a picture (a dripping one is still pending).
        QCOMPARE(stamp(*screen), screen->icon.isEmpty() ? good : QStringLiteral("0/") + good.section(u'/', 1));

        m_server.setFaults({});
        fetch(*screen);
        QVERIFY2(spin(HangGuardMs, [&] { return answered(*screen, good); }), qPrintable("no good answer after it: " + stamp(*screen)));
        QCOMPARE(shown(*screen), showing);
    }

    // A stalled or trickling update check ends at its deadline, or when the page asking goes,
    // rather than holding one of the few connections to the maker.
    void updateCheckEndsAtDeadlineOrWithItsPage()
    {
        const QString path = QLatin1String(Screens[0].path);
        m_server.setFaults({{path, Fault::Drip}});
        for (const bool pageGoes : {false, true}) {
            auto page = std::make_unique<QObject>();
            int ended = 0, completed = 0;
            const int served = m_server.faultsServed();
            const auto watch = connect(m_context->network(), &QNetworkAccessManager::finished, this, [&ended] { ++ended; });
            apiCall::getUpdates(m_context->network(), url(path), page.get(), [&completed](const Updates &) { ++completed; },
                                pageGoes ? HangGuardMs * 10 : 1000);
            QVERIFY(spin(HangGuardMs, [&] { return m_server.faultsServed() > served; }));
            if (pageGoes)
                page.reset();
            QVERIFY2(spin(HangGuardMs, [&ended] { return ended > 0; }), "the check still holds its connection");
            disconnect(watch);
            QCOMPARE(completed, 0);
        }
    }
};

QTEST_MAIN(TestScreenFaults)
#include "tst_screenfaults.moc"
