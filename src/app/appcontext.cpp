#include "appcontext.h"

#include "clock.h"
#include "imagecache.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "desktopcontactsstore.h"
#include "settingsstore.h"
#include "simulator.h"
#include "urlopener.h"
#include "wallpaperfiles.h"
#include "wallpaperimageprovider.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QQmlEngine>
#include <QSysInfo>
#include <QTemporaryFile>

namespace {
AppContext *g_current = nullptr;
}

AppContext::AppContext(const QString &dataRoot, const DeviceInfo::Profile &profile, QObject *parent)
    : QObject(parent),
      m_dataRoot(dataRoot),
      m_settings(new SettingsStore(QDir(dataRoot).filePath(QStringLiteral("settings.ini")), this)),
      m_clock(new Clock(this)),
      m_device(new DeviceInfo(profile, this)),
      m_urlOpener(new UrlOpener(this)),
      m_wallpapers(new WallpaperFiles(QDir(dataRoot).filePath(QStringLiteral("Documents")), this)),
      m_network(new QNetworkAccessManager(this)),
      m_simulator(new Simulator(dataRoot, this)),
      m_biometrics(new SimulatedBiometrics(m_simulator->stateFile(), m_device->biometryKind(), this)),
      m_torch(new SysfsTorch(QStringLiteral("/sys/class/leds"), this)),
      m_haptics(new DesktopHaptics(this))
{
    m_contacts = new DesktopContactsStore(QDir(dataRoot).filePath(QStringLiteral("contacts.vcf")),
                                          m_simulator->stateFile(), this);
    m_imageCache = new ImageCache(QDir(dataRoot).filePath(QStringLiteral("Caches")), QStringLiteral("default"),
                                  ImageCacheConfig::defaultConfig(), this);
    m_imageDownloader = new ImageDownloader(
        ImageDownloaderConfig::defaultConfig(),
        ImageDownloader::applicationUserAgent(m_device->modelName(), QSysInfo::productVersion(), m_device->scale(), version()),
        this);
    m_imageLoader = new ImageLoader(m_imageCache, m_imageDownloader, this);
    connect(m_simulator, &Simulator::memoryWarning, m_imageCache, &ImageCache::didReceiveMemoryWarning);
    ImageLoader::setShared(m_imageLoader);
    g_current = this;
}

AppContext::~AppContext()
{
    if (g_current == this)
        g_current = nullptr;
}

AppContext *AppContext::current() { return g_current; }

AppContext *AppContext::create(QQmlEngine *, QJSEngine *)
{
    QJSEngine::setObjectOwnership(g_current, QJSEngine::CppOwnership);
    return g_current;
}

bool AppContext::prepareDataRoot(const QString &dataRoot, QString *error)
{
    if (dataRoot.isEmpty()) {
        *error = QStringLiteral("no data directory");
        return false;
    }
    if (!QDir().mkpath(dataRoot) || !QFileInfo(dataRoot).isDir()) {
        *error = QStringLiteral("cannot create the data directory %1").arg(dataRoot);
        return false;
    }
    QTemporaryFile probe(QDir(dataRoot).filePath(QStringLiteral(".write-test-XXXXXX")));
    if (!probe.open()) {
        *error = QStringLiteral("cannot write to the data directory %1: %2").arg(dataRoot, probe.errorString());
        return false;
    }
    return true;
}

void AppContext::installInto(QQmlEngine &engine)
{
    g_current = this;
    ImageLoader::setShared(m_imageLoader);
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("wallpaper"), new WallpaperImageProvider(m_wallpapers));
    WallpaperImageProvider::routeBundledWallpapers(engine);
}
