// The store's rows while scrolling, on the software renderer: the 28 rows of the real store
// screen with every icon already loaded (from the bundled maker site), against a plain list of
// 28 text rows of the same pitch scrolled the same way in the same run. Prints the slowest and
// the median frame of each and their ratio. Goal: every store frame under 16 ms. The slowest
// frame's CPU time is printed beside it: on a busy machine a frame's wall time also holds the
// time the scheduler gave to other programs.
#include "appcontext.h"
#include "makerserver.h"
#include "staticplugins.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <memory>

namespace {

const char *PlainList = R"(
import QtQuick
Rectangle {
    color: "#2a164f"
    Flickable {
        objectName: "storeScroller"
        anchors.fill: parent
        contentHeight: column.height
        Column {
            id: column
            width: parent.width
            Item { width: 1; height: 140 }
            Repeater {
                model: 28
                Text { height: 105; text: "Row " + index; color: "white"; font.pixelSize: 18; font.bold: true }
            }
        }
    }
}
)";

// Items named `name` under root through the visual tree (delegates need not be QObject children).
void collect(QQuickItem *root, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        collect(child, name, found);
    }
}

// CPU time of the calling thread: the work of a frame, without the time the machine gave to others.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double slowestOf(const QList<double> &ms) { return ms.isEmpty() ? 0 : *std::max_element(ms.begin(), ms.end()); }

double medianOf(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms.isEmpty() ? 0 : ms.at(ms.size() / 2);
}

struct Frames {
    QList<double> ms;    // wall clock
    QList<double> cpuMs; // the render thread's own CPU time
    double slowest() const { return slowestOf(ms); }
    double median() const { return medianOf(ms); }
    double slowestCpu() const { return slowestOf(cpuMs); }
    qsizetype slowestAt() const { return std::max_element(ms.begin(), ms.end()) - ms.begin(); }
};

// Scrolls the screen's list down to its end and back in even steps, a frame per step, and times
// each frame from the start of its synchronisation to the end of its rendering.
Frames scroll(QQuickWindow &window, QQuickItem *screen)
{
    QList<QQuickItem *> found;
    collect(screen, QStringLiteral("storeScroller"), found);
    QQuickItem *scroller = found.value(0);
    Frames frames;
    if (!scroller)
        return frames;
    QElapsedTimer clock;
    clock.start();
    qint64 started = -1;
    qint64 startedCpu = 0;
    bool swapped = false;
    const auto begin = QObject::connect(&window, &QQuickWindow::beforeSynchronizing, &window,
                                        [&] {
        started = clock.nsecsElapsed();
        startedCpu = threadCpuNs();
    }, Qt::DirectConnection);
    const auto end = QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&] {
        if (started >= 0) {
            frames.ms.append((clock.nsecsElapsed() - started) / 1e6);
            frames.cpuMs.append((threadCpuNs() - startedCpu) / 1e6);
        }
        started = -1;
        swapped = true;
    }, Qt::DirectConnection);
    const qreal top = scroller->property("originY").toReal() - scroller->property("topMargin").toReal();
    const qreal bottom = scroller->property("contentHeight").toReal() - scroller->height()
        + scroller->property("bottomMargin").toReal();
    const int steps = 120;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i <= steps; ++i) {
            const qreal t = pass == 0 ? qreal(i) / steps : 1 - qreal(i) / steps;
            swapped = false;
            scroller->setProperty("contentY", top + (bottom - top) * t);
            window.update();
            if (!QTest::qWaitFor([&] { return swapped; }, 2000))
                QTextStream(stderr) << "no frame after a scroll step\n";
        }
    }
    QObject::disconnect(begin);
    QObject::disconnect(end);
    return frames;
}

QQuickItem *show(QQmlEngine &engine, QQuickWindow &window, QQmlComponent &component, const QVariantMap &properties)
{
    auto *item = qobject_cast<QQuickItem *>(component.createWithInitialProperties(properties));
    if (!item) {
        QTextStream(stderr) << component.errorString();
        return nullptr;
    }
    engine.setObjectOwnership(item, QQmlEngine::CppOwnership);
    item->setParentItem(window.contentItem());
    item->setSize(window.size());
    return item;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_BACKEND", "software");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir data;
    AppContext context(data.path());
    MakerServer site(QStringLiteral(KESTREL_MAKER_SITE_DIR));
    const quint16 port = site.listen(QHostAddress::LocalHost, 0);
    QQmlEngine engine;
    context.installInto(engine);
    QQuickWindow window;
    window.resize(390, 844);
    window.show();
    QTextStream out(stdout);

    QQmlComponent storeComponent(&engine, QUrl("qrc:/Kestrel/Store/Tessel.qml"));
    std::unique_ptr<QQuickItem> store(
        show(engine, window, storeComponent, {{"iconBase", QStringLiteral("http://127.0.0.1:%1/icons/").arg(port)}}));
    if (!store || port == 0)
        return 1;
    // Warm: every icon decoded and in the memory cache before the first measured frame.
    QList<QQuickItem *> icons;
    collect(store.get(), QStringLiteral("storeRowIcon"), icons);
    const bool warm = QTest::qWaitFor([&] {
        return icons.size() == 28
            && std::all_of(icons.begin(), icons.end(), [](QQuickItem *icon) { return icon->property("hasImage").toBool(); });
    }, 20000);
    if (!warm) {
        const auto loaded = std::count_if(icons.begin(), icons.end(), [](QQuickItem *icon) { return icon->property("hasImage").toBool(); });
        QTextStream(stderr) << "the icons did not load from the bundled site: " << loaded << " of " << icons.size() << "\n";
        return 1;
    }
    scroll(window, store.get()); // first pass: textures made, glyphs cached
    const Frames storeFrames = scroll(window, store.get());
    store.reset();

    QQmlComponent plainComponent(&engine);
    plainComponent.setData(PlainList, QUrl());
    std::unique_ptr<QQuickItem> plain(show(engine, window, plainComponent, {}));
    if (!plain)
        return 1;
    scroll(window, plain.get());
    const Frames plainFrames = scroll(window, plain.get());

    out << "store scrolling, software renderer, 28 rows with warm icons (" << storeFrames.ms.size() << " frames)\n";
    out << QString("  store:      slowest %1 ms (frame %4; CPU %2 ms), median %3 ms\n")
               .arg(storeFrames.slowest(), 0, 'f', 2).arg(storeFrames.slowestCpu(), 0, 'f', 2).arg(storeFrames.median(), 0, 'f', 2)
               .arg(storeFrames.slowestAt());
    out << QString("  plain list: slowest %1 ms (CPU %2 ms), median %3 ms\n")
               .arg(plainFrames.slowest(), 0, 'f', 2).arg(plainFrames.slowestCpu(), 0, 'f', 2).arg(plainFrames.median(), 0, 'f', 2);
    out << QString("  ratio store/plain: slowest %1x, median %2x\n")
               .arg(storeFrames.slowest() / plainFrames.slowest(), 0, 'f', 2)
               .arg(storeFrames.median() / plainFrames.median(), 0, 'f', 2);
    out << "  every store frame under 16 ms: " << (storeFrames.slowest() < 16 ? "yes" : "NO")
        << " (CPU time: " << (storeFrames.slowestCpu() < 16 ? "yes" : "NO") << ")\n";
    return storeFrames.ms.isEmpty() || plainFrames.ms.isEmpty() ? 1 : 0;
}
