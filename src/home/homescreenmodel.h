#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "appview.h"

class SettingBinding;

// One home screen: the open app, the Extras folder, the page shared with its creator, the
// clock strings it was given, and the rules for what its pages, dock and home bar show. Each
// new home screen makes its own model and so starts closed: no app open, folder shut,
// AppSettings as the last-opened app.
class HomeScreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT

    // The creator's object whose CurrentPage property this screen reads and writes.
    Q_PROPERTY(QObject *pageOwner READ pageOwner WRITE setPageOwner NOTIFY pageOwnerChanged)
    Q_PROPERTY(QVariantMap clockStrings READ clockStrings WRITE setClockStrings NOTIFY clockStringsChanged)
    Q_PROPERTY(QString KestrelDate READ kestrelDate NOTIFY clockStringsChanged)
    Q_PROPERTY(QString KestrelTime READ kestrelTime NOTIFY clockStringsChanged)
    Q_PROPERTY(QString KestrelDay READ kestrelDay NOTIFY clockStringsChanged)
    Q_PROPERTY(QString KestrelDayOfMonth READ kestrelDayOfMonth NOTIFY clockStringsChanged)

    Q_PROPERTY(int CurrentPage READ currentPage WRITE setCurrentPage NOTIFY CurrentPageChanged)
    Q_PROPERTY(bool searchPageShown READ searchPageShown NOTIFY CurrentPageChanged)
    Q_PROPERTY(bool OpenApp READ openApp NOTIFY openAppChanged)
    Q_PROPERTY(int AppOpener READ appOpener NOTIFY openAppChanged)
    Q_PROPERTY(bool ShowExtraFolder READ showExtraFolder NOTIFY showExtraFolderChanged)
    Q_PROPERTY(OpenView openView READ openView NOTIFY openAppChanged)
    Q_PROPERTY(bool homeBarWhite READ homeBarWhite NOTIFY openAppChanged)
    Q_PROPERTY(int homeBarBottomMargin READ homeBarBottomMargin CONSTANT)
    Q_PROPERTY(int contextMenuApp READ contextMenuApp NOTIFY contextMenuAppChanged)

    Q_PROPERTY(QString Homescreen_Wallpaper READ homescreenWallpaper NOTIFY wallpaperChanged)
    Q_PROPERTY(bool Homescreen_Wallpaper_Custom READ homescreenWallpaperCustom NOTIFY wallpaperChanged)
    Q_PROPERTY(bool Tessel_Installed READ tesselInstalled NOTIFY installedAppsChanged)
    Q_PROPERTY(bool Cydia_Installed READ cydiaInstalled NOTIFY installedAppsChanged)
    Q_PROPERTY(qint64 Dock_Opacity READ dockOpacity NOTIFY dockOpacityChanged)
    Q_PROPERTY(qreal dockPlatterOpacity READ dockPlatterOpacity NOTIFY dockOpacityChanged)

    // Slots of the icon pages, left to right per row: an AppView case, or EmptySlot /
    // ExtrasFolderSlot.
    Q_PROPERTY(QVariantList pageOneRows READ pageOneRows CONSTANT)
    Q_PROPERTY(QVariantList pageTwoRows READ pageTwoRows NOTIFY installedAppsChanged)
    Q_PROPERTY(QVariantList dockApps READ dockApps CONSTANT)
    // {app, label} of the suggestion panel and of the Extras folder.
    Q_PROPERTY(QVariantList suggestions READ suggestions CONSTANT)
    Q_PROPERTY(QVariantList folderItems READ folderItems CONSTANT)
    Q_PROPERTY(QStringList folderMiniatures READ folderMiniatures CONSTANT)

public:
    enum Slot { EmptySlot = -1, ExtrasFolderSlot = -2 };
    Q_ENUM(Slot)
    // What fills the screen: the home content, a real app under the home bar, a page standing
    // in for a real app that is not built in yet (also under the home bar), or the placeholder.
    enum OpenView { HomeContent, RealScreen, EmptyScreen, PlaceholderScreen };
    Q_ENUM(OpenView)

    static constexpr int PageCount = 3;

    explicit HomeScreenModel(QObject *parent = nullptr);

    QObject *pageOwner() const { return m_pageOwner; }
    void setPageOwner(QObject *owner);
    QVariantMap clockStrings() const { return m_clockStrings; }
    void setClockStrings(const QVariantMap &strings);
    QString kestrelDate() const { return m_clockStrings.value(QStringLiteral("KestrelDate")).toString(); }
    QString kestrelTime() const { return m_clockStrings.value(QStringLiteral("KestrelTime")).toString(); }
    QString kestrelDay() const { return m_clockStrings.value(QStringLiteral("KestrelDay")).toString(); }
    QString kestrelDayOfMonth() const { return m_clockStrings.value(QStringLiteral("KestrelDayOfMonth")).toString(); }

    // The shared page, clamped to the three pages whatever the owner holds.
    int currentPage() const;
    void setCurrentPage(int page);
    bool searchPageShown() const { return currentPage() < 1; }
    bool openApp() const { return m_openApp; }
    int appOpener() const { return m_appOpener; }
    bool showExtraFolder() const { return m_showExtraFolder; }
    OpenView openView() const;
    bool homeBarWhite() const { return AppView::whiteHomeBar(m_appOpener); }
    int homeBarBottomMargin() const;
    int contextMenuApp() const { return m_contextMenuApp; }

    QString homescreenWallpaper() const;
    bool homescreenWallpaperCustom() const;
    bool tesselInstalled() const;
    bool cydiaInstalled() const;
    qint64 dockOpacity() const;
    // The platter is drawn at Dock_Opacity taken to the nearest of 0..1.
    qreal dockPlatterOpacity() const;

    static QVariantList pageOneRows();
    QVariantList pageTwoRows() const;
    // Row 4 of page 2: iTunes U, then the installed extra apps, then empty slots up to four.
    static QVariantList rowFour(bool tesselInstalled, bool cydiaInstalled);
    static QVariantList dockApps();
    static QVariantList suggestions();
    static QVariantList folderItems();
    static QStringList folderMiniatures();

    // A tap on any app button: it opens full screen. The folder stays as it is, so an app
    // opened from the folder returns to an open folder.
    Q_INVOKABLE void openAppView(int app);
    Q_INVOKABLE void toggleExtraFolder();
    Q_INVOKABLE void closeExtraFolder();
    // The end of a drag on the home bar: only an upward one (negative dy) closes the app.
    Q_INVOKABLE void endHomeBarSwipe(qreal dy);
    // The hardware Home button: what an upward swipe on the home bar does, where there is one.
    Q_INVOKABLE void pressHome();
    // Long press on a tile: only the store's tile has a context menu. False for every other
    // tile, whose long press then counts as a tap.
    Q_INVOKABLE bool showContextMenu(int app);
    Q_INVOKABLE void dismissContextMenu();
    // "Delete" in the store's context menu: the store leaves the home screen at once.
    Q_INVOKABLE void deleteFromContextMenu();

signals:
    void pageOwnerChanged();
    void clockStringsChanged();
    void CurrentPageChanged();
    void openAppChanged();
    void showExtraFolderChanged();
    void contextMenuAppChanged();
    void wallpaperChanged();
    void installedAppsChanged();
    void dockOpacityChanged();

private:
    void setOpenApp(bool open);

    QPointer<QObject> m_pageOwner;
    int m_ownPage = 1; // used only while no owner is set
    QVariantMap m_clockStrings;
    bool m_openApp = false;
    int m_appOpener = AppView::AppSettings;
    bool m_showExtraFolder = false;
    int m_contextMenuApp = EmptySlot;

    SettingBinding *m_wallpaper;
    SettingBinding *m_wallpaperCustom;
    SettingBinding *m_tesselInstalled;
    SettingBinding *m_cydiaInstalled;
    SettingBinding *m_dockOpacity;
};
