// Resident memory across "Press home to open" then "Cancel" round trips on the real screens:
// after 10 cycles (the baseline) and after 1,000. Goal: growth under 5%. Given a larger count
// (`bench_lockcycles 3000`) it goes on to that many and prints the growth from 1,000 on (goal:
// under 1%, no leak); `make bench` keeps to 1,000 to stay short.
#include "appcontext.h"
#include "residentmemory.h"
#include "staticplugins.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <malloc.h>

template<typename T>
static T *newest(QObject *root, const char *name)
{
    const QList<T *> all = root->findChildren<T *>(QString::fromLatin1(name));
    return all.isEmpty() ? nullptr : all.last();
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const int totalCycles = std::max(1000, argc > 1 ? QString(argv[1]).toInt() : 1000);
    QTemporaryDir data;
    AppContext context(data.path());
    context.haptics()->setUseFeedbackd(false);
    context.settings()->setValue("Setup_Complete", true);
    context.settings()->setValue("Use_Passcode", true);
    context.settings()->setValue("App_Passcode", QString("123456"));

    QQmlEngine engine;
    context.installInto(engine);
    QQuickWindow window;
    window.resize(390, 844);
    QQmlComponent component(&engine, QUrl("qrc:/Kestrel/App/KestrelApp.qml"));
    auto *root = qobject_cast<QQuickItem *>(component.create());
    if (!root) {
        QTextStream(stderr) << component.errorString();
        return 1;
    }
    root->setParentItem(window.contentItem());
    root->setSize(QSizeF(390, 844));
    window.show();

    auto cycle = [&] {
        QObject *lock = newest<QObject>(root, "lockscreen");
        QMetaObject::invokeMethod(lock->property("model").value<QObject *>(), "pressHome");
        QObject *unlock = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((unlock = newest<QObject>(root, "unlockscreen")) != nullptr, 5000);
        QMetaObject::invokeMethod(unlock->property("model").value<QObject *>(), "pressCancel");
        QTest::qWait(20);
    };
    auto run = [&](int cycles) {
        for (int i = 1; i <= cycles; ++i) {
            cycle();
            if (i % 50 == 0)
                QTest::qWait(400); // let replaced screens finish fading and go
        }
        QTest::qWait(600);
        // As the home benchmark does: count what is still held, not garbage the script engine
        // has yet to collect nor freed pages the allocator keeps.
        engine.collectGarbage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(100);
        malloc_trim(0);
        return residentMiB();
    };

    const double after10 = run(10);
    const QMap<QString, double> kinds10 = residentByKindMiB();
    const double after1000 = run(990);
    QTextStream out(stdout);
    out << "lock screen round trips (Press home to open, then Cancel), resident memory\n";
    out << QString("  after 10 cycles:    %1 MiB\n").arg(after10, 0, 'f', 1);
    out << QString("  after 1,000 cycles: %1 MiB\n").arg(after1000, 0, 'f', 1);
    out << "  resident by kind after 10:    " << residentByKindText(kinds10) << "\n";
    out << "  resident by kind after 1,000: " << residentByKindText(residentByKindMiB()) << "\n";
    out << QString("  ratio: %1x (goal: growth under 5%, below 1.05x)\n").arg(after1000 / after10, 0, 'f', 3);
    out.flush();
    if (totalCycles > 1000) {
        const double last = run(totalCycles - 1000);
        out << QString("  after %1 cycles: %2 MiB\n").arg(QLocale(QLocale::English).toString(totalCycles)).arg(last, 0, 'f', 1);
        out << QString("  ratio %1 to 1,000 cycles: %2x (goal: growth under 1%, below 1.01x)\n")
                   .arg(QLocale(QLocale::English).toString(totalCycles)).arg(last / after1000, 0, 'f', 3);
        out << "  resident by kind at the end:  " << residentByKindText(residentByKindMiB()) << "\n";
    }
    delete root;
    return 0;
}
