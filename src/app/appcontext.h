#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "clock.h"
#include "contactsstore.h"
#include "desktophaptics.h"
#include "deviceinfo.h"
#include "settingsstore.h"
#include "simulatedbiometrics.h"
#include "simulator.h"
#include "sysfstorch.h"
#include "urlopener.h"
#include "wallpaperfiles.h"

class QNetworkAccessManager;
class QQmlEngine;
class QJSEngine;
class ImageCache;
class ImageDownloader;
class ImageLoader;

// Owns every service of one running shell (settings store, clock, device, URL hand-off,
// wallpaper files, network access) and hands them to models and to QML, where it is the
// AppContext singleton. Tests build a fresh one on a temporary data root.
class AppContext : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString dataRoot READ dataRoot CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(SettingsStore *settings READ settings CONSTANT)
    Q_PROPERTY(Clock *clock READ clock CONSTANT)
    Q_PROPERTY(DeviceInfo *device READ device CONSTANT)
    Q_PROPERTY(UrlOpener *urlOpener READ urlOpener CONSTANT)
    Q_PROPERTY(WallpaperFiles *wallpapers READ wallpapers CONSTANT)
    Q_PROPERTY(Simulator *simulator READ simulator CONSTANT)
    Q_PROPERTY(ContactsStore *contacts READ contacts CONSTANT)
    Q_PROPERTY(SimulatedBiometrics *biometrics READ biometrics CONSTANT)
    Q_PROPERTY(SysfsTorch *torch READ torch CONSTANT)
    Q_PROPERTY(DesktopHaptics *haptics READ haptics CONSTANT)

public:
    AppContext(const QString &dataRoot, const DeviceInfo::Profile &profile = DeviceInfo::FaceIdPhone,
               QObject *parent = nullptr);
    ~AppContext() override;

    // The context QML elements and bindings created without one use (the last one made).
    static AppContext *current();
    static AppContext *create(QQmlEngine *, QJSEngine *);

    // Creates the data root if needed; false when it cannot be created or written.
    static bool prepareDataRoot(const QString &dataRoot, QString *error);

    // Import path, image providers: everything an engine needs to show the shell's screens.
    void installInto(QQmlEngine &engine);

    QString dataRoot() const { return m_dataRoot; }
    static QString version() { return QStringLiteral(KESTREL_VERSION); }
    SettingsStore *settings() const { return m_settings; }
    Clock *clock() const { return m_clock; }
    DeviceInfo *device() const { return m_device; }
    UrlOpener *urlOpener() const { return m_urlOpener; }
    WallpaperFiles *wallpapers() const { return m_wallpapers; }
    QNetworkAccessManager *network() const { return m_network; }
    // The shared image cache, downloader and loader behind every remote picture (WebImage).
    ImageCache *imageCache() const { return m_imageCache; }
    ImageDownloader *imageDownloader() const { return m_imageDownloader; }
    ImageLoader *imageLoader() const { return m_imageLoader; }
    Simulator *simulator() const { return m_simulator; }
    ContactsStore *contacts() const { return m_contacts; }
    SimulatedBiometrics *biometrics() const { return m_biometrics; }
    SysfsTorch *torch() const { return m_torch; }
    DesktopHaptics *haptics() const { return m_haptics; }

signals:
    // The hardware menu's "Home" button; the home screen decides what it does.
    void homePressed();

private:
    QString m_dataRoot;
    SettingsStore *m_settings;
    Clock *m_clock;
    DeviceInfo *m_device;
    UrlOpener *m_urlOpener;
    WallpaperFiles *m_wallpapers;
    QNetworkAccessManager *m_network;
    ImageCache *m_imageCache = nullptr;
    ImageDownloader *m_imageDownloader = nullptr;
    ImageLoader *m_imageLoader = nullptr;
    Simulator *m_simulator;
    ContactsStore *m_contacts = nullptr;
    SimulatedBiometrics *m_biometrics;
    SysfsTorch *m_torch;
    DesktopHaptics *m_haptics;
};
