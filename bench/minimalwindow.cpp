// The baseline of the start-up benchmark: the smallest Qt Quick window, started and timed the
// same way as the shell (it exits on its first drawn frame).
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
        import QtQuick
        Window { width: 390; height: 844; visible: true; color: "white"
                 Text { anchors.centerIn: parent; text: "Hello" } }
    )");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [] {
        // The same mark the shell prints: milliseconds since the benchmark started the process.
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const qint64 spawned = qgetenv("KESTREL_STARTUP_TIMELINE").toLongLong();
        if (spawned > 0)
            std::fprintf(stderr, "startup %8.1f ms  first frame swapped\n",
                         (qint64(now.tv_sec) * 1000000000 + now.tv_nsec - spawned) / 1e6);
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
