// The baseline of the start-up benchmark: the smallest Qt Quick window, started and timed the
// same way as the shell (it exits on its first drawn frame).
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

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
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [] { QCoreApplication::exit(0); });
    return QGuiApplication::exec();
}
