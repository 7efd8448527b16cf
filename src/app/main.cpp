#include "appcontext.h"
#include "browserengine.h"
#include "commandline.h"
#include "makerlauncher.h"
#include "startuptimeline.h"
#include "staticplugins.h"
#include "symboltable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <thread>
#include <utility>

namespace {

void printTo(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text), stream);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
}

// Writes the phone's screen (not the menu bar) to file once it has been drawn, then quits.
void takeScreenshotWhenDrawn(QQuickWindow *window, const QString &file)
{
    auto *once = new QObject(window);
    QObject::connect(window, &QQuickWindow::frameSwapped, once, [window, file, once] {
        delete once;
        // Let pictures that load asynchronously arrive and be drawn first.
        QTimer::singleShot(600, window, [window, file] {
            QImage image = window->grabWindow();
            if (auto *phone = window->property("phoneScreen").value<QQuickItem *>()) {
                const QRectF area = phone->mapRectToScene(QRectF(0, 0, phone->width(), phone->height()));
                const qreal ratio = window->effectiveDevicePixelRatio();
                image = image.copy(QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect());
            }
            const bool saved = image.save(file, "PNG");
            if (!saved)
                printTo(stderr, QStringLiteral("kestrel: cannot write the screenshot %1").arg(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
}

// Loads the font engines the lock screen's first frame lays out with (clock, date, label and
// symbols), so this thread loads them while the QML loader thread compiles the window, not
// after it. A size missing here is loaded when first drawn, as it would be anyway.
void loadLockScreenFonts()
{
    const auto load = [](QFont font, int pixelSize) {
        font.setPixelSize(pixelSize);
        QFontMetricsF(font).height();
    };
    const QFont regular = QGuiApplication::font();
    load(regular, regular.pixelSize());
    QFont light = regular;
    light.setWeight(QFont::Light);
    load(light, 80);
    load(light, 25);
    const QFont symbols(SymbolTable::fontFamily());
    for (const int points : {40, 30, 25})
        load(symbols, qRound(points * SymbolTable::scale()));
}

} // namespace

int main(int argc, char *argv[])
{
    StartupTimeline::mark("main()");
    // The environment is set before the thread below starts: setenv() while another thread
    // reads the environment (the font configuration does) can crash that thread.
    // What QQuickStyle::setStyle() would do, without loading Qt Quick Controls' libraries at
    // start: only screens shown after the first frame use them.
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    // Cheap: the engine itself starts only when the browser first shows a page.
    BrowserEngine::prepareBeforeApplication();
    // Reading the font configuration takes several milliseconds: it is read beside the start
    // below and waited for before the first font is used.
    std::jthread fontConfiguration(&SymbolTable::hideSystemCopies);
    // Options are read before a display is needed, so --help, --version and mistakes work anywhere.
    CommandLine options;
    {
        QCoreApplication parsing(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("kestrel"));
        options = CommandLine::parse(QCoreApplication::arguments());
    }
    switch (options.outcome) {
    case CommandLine::Outcome::ShowHelp:
    case CommandLine::Outcome::ShowVersion:
        printTo(stdout, options.message);
        return 0;
    case CommandLine::Outcome::Error:
        printTo(stderr, QStringLiteral("kestrel: %1\nTry 'kestrel --help'.").arg(options.message));
        return 2;
    case CommandLine::Outcome::Run:
        break;
    }

    StartupTimeline::mark("command line");
    QGuiApplication app(argc, argv);
    StartupTimeline::mark("QGuiApplication");
    QGuiApplication::setApplicationName(QStringLiteral("kestrel"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    // Lets Wayland desktops match the window to the installed .desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kestrelshell.Kestrel"));

    // Made once the data root is known to work, yet declared first: the context outlives the
    // engine and everything made from it.
    std::optional<AppContext> context;
    QQmlApplicationEngine engine;
    // The window's types are compiled on the QML loader's thread while this one prepares the
    // data root and services and waits for the font configuration; load() below finds them
    // done, or waits only for the rest. The shell's own modules are found under qrc:/.
    engine.addImportPath(QStringLiteral("qrc:/"));
    const QUrl mainUrl(QStringLiteral("qrc:/Kestrel/App/Main.qml"));
    QQmlComponent compiling(&engine, mainUrl, QQmlComponent::Asynchronous);
    StartupTimeline::mark("QML engine, compile started");

    QString error;
    if (!AppContext::prepareDataRoot(options.dataDir, &error)) {
        printTo(stderr, QStringLiteral("kestrel: %1").arg(error));
        return 1;
    }
    context.emplace(options.dataDir, *DeviceInfo::profileNamed(options.device));
    context->installInto(engine);
    StartupTimeline::mark("data root, services (AppContext)");

    fontConfiguration.join();
    StartupTimeline::mark("font configuration (waited for)");
    QFont font(QStringLiteral("Inter"));
    font.setPixelSize(17);
    QGuiApplication::setFont(font);
    // Adding a font later would make every text on screen lay itself out again.
    SymbolTable::fontFamily();
    loadLockScreenFonts();
    StartupTimeline::mark("fonts");
    engine.setInitialProperties({{QStringLiteral("fullScreenMode"), options.fullscreen}});
    engine.load(mainUrl);
    StartupTimeline::mark("types, compile and create Main.qml");
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;

    if (options.fullscreen) {
        // Without a window manager showFullScreen() alone does not resize the window.
        window->setGeometry(window->screen()->geometry());
        window->showFullScreen();
    }
    // The maker's server is not needed for the first frame: look for it once that is drawn
    // (queued, so the frame's hand-over ends first).
    MakerLauncher maker(QUrl(QStringLiteral(KESTREL_MAKER_URL)),
                        QCoreApplication::applicationDirPath() + QStringLiteral("/kestrel-maker"));
    auto *firstFrame = new QObject(window);
    QObject::connect(window, &QQuickWindow::frameSwapped, firstFrame, [&maker, firstFrame] {
        firstFrame->deleteLater();
        maker.start();
    }, Qt::QueuedConnection);

    if (!options.screenshot.isEmpty())
        takeScreenshotWhenDrawn(window, options.screenshot);
    if (StartupTimeline::enabled()) {
        const auto markOnce = [](const char *what) {
            return [what, done = false]() mutable {
                if (!std::exchange(done, true))
                    StartupTimeline::mark(what);
            };
        };
        QObject::connect(window, &QQuickWindow::sceneGraphInitialized, window,
                         markOnce("scene graph initialised"), Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::afterSynchronizing, window,
                         markOnce("first scene synchronised"), Qt::DirectConnection);
        QObject::connect(window, &QQuickWindow::frameSwapped, window,
                         markOnce("first frame swapped"), Qt::DirectConnection);
    }
    if (qEnvironmentVariableIsSet("KESTREL_EXIT_ON_FIRST_FRAME")) // used by the start-up benchmark
        QObject::connect(window, &QQuickWindow::frameSwapped, &app, [] { QCoreApplication::exit(0); });

    return QGuiApplication::exec();
}
