#include "homescreenmodel.h"

#include "appcontext.h"
#include "settingbinding.h"

#include <QMetaProperty>
#include <algorithm>

namespace {

constexpr int Empty = HomeScreenModel::EmptySlot;
constexpr int Folder = HomeScreenModel::ExtrasFolderSlot;

QVariantList row(std::initializer_list<int> cells)
{
    QVariantList list;
    for (int slot : cells)
        list.append(slot);
    return list;
}

QVariantMap item(AppView::Case app, const char *label)
{
    return {{QStringLiteral("app"), int(app)}, {QStringLiteral("label"), QString::fromLatin1(label)}};
}

QMetaProperty pageProperty(const QObject *owner)
{
    const QMetaObject *meta = owner->metaObject();
    return meta->property(meta->indexOfProperty("CurrentPage"));
}

} // namespace

HomeScreenModel::HomeScreenModel(QObject *parent) : QObject(parent)
{
    SettingsStore *store = AppContext::current() ? AppContext::current()->settings() : nullptr;
    m_wallpaper = new SettingBinding(store, QStringLiteral("Homescreen_Wallpaper"), QStringLiteral("Wallpaper"), this);
    m_wallpaperCustom = new SettingBinding(store, QStringLiteral("Homescreen_Wallpaper_Custom"), false, this);
    m_tesselInstalled = new SettingBinding(store, QStringLiteral("Tessel_Installed"), false, this);
    m_cydiaInstalled = new SettingBinding(store, QStringLiteral("Cydia_Installed"), false, this);
    m_dockOpacity = new SettingBinding(store, QStringLiteral("Dock_Opacity"), qint64(1), this);

    connect(m_wallpaper, &SettingBinding::valueChanged, this, &HomeScreenModel::wallpaperChanged);
    connect(m_wallpaperCustom, &SettingBinding::valueChanged, this, &HomeScreenModel::wallpaperChanged);
    connect(m_tesselInstalled, &SettingBinding::valueChanged, this, &HomeScreenModel::installedAppsChanged);
    connect(m_cydiaInstalled, &SettingBinding::valueChanged, this, &HomeScreenModel::installedAppsChanged);
    connect(m_dockOpacity, &SettingBinding::valueChanged, this, &HomeScreenModel::dockOpacityChanged);
    // A menu for a tile that has just gone away would act on nothing.
    connect(this, &HomeScreenModel::installedAppsChanged, this, [this] {
        if (m_contextMenuApp == AppView::AppTessel && !tesselInstalled())
            dismissContextMenu();
    });
}

void HomeScreenModel::setPageOwner(QObject *owner)
{
    if (owner == m_pageOwner)
        return;
    if (m_pageOwner)
        disconnect(m_pageOwner, nullptr, this, nullptr);
    m_pageOwner = owner;
    if (owner) {
        const QMetaProperty property = pageProperty(owner);
        if (property.isValid() && property.hasNotifySignal())
            connect(owner, property.notifySignal(), this,
                    QMetaMethod::fromSignal(&HomeScreenModel::CurrentPageChanged));
    }
    emit pageOwnerChanged();
    emit CurrentPageChanged();
}

void HomeScreenModel::setClockStrings(const QVariantMap &strings)
{
    // The strings are those of the screen's creation, fixed for its life.
    if (!m_clockStrings.isEmpty() || strings.isEmpty())
        return;
    m_clockStrings = strings;
    emit clockStringsChanged();
}

int HomeScreenModel::currentPage() const
{
    int page = m_ownPage;
    if (m_pageOwner) {
        const QMetaProperty property = pageProperty(m_pageOwner);
        if (property.isValid())
            page = property.read(m_pageOwner).toInt();
    }
    return std::clamp(page, 0, PageCount - 1);
}

void HomeScreenModel::setCurrentPage(int page)
{
    page = std::clamp(page, 0, PageCount - 1);
    if (m_pageOwner) {
        const QMetaProperty property = pageProperty(m_pageOwner);
        if (property.isValid()) {
            if (property.read(m_pageOwner).toInt() != page)
                property.write(m_pageOwner, page);
            return;
        }
    }
    if (page == m_ownPage)
        return;
    m_ownPage = page;
    emit CurrentPageChanged();
}

HomeScreenModel::OpenView HomeScreenModel::openView() const
{
    if (!m_openApp)
        return HomeContent;
    if (!AppView::isRealScreen(m_appOpener))
        return PlaceholderScreen;
    return AppView::screenAvailable(m_appOpener) ? RealScreen : EmptyScreen;
}

int HomeScreenModel::homeBarBottomMargin() const
{
    // The bar sits at the bottom of the safe area, lowered by 25 on phones with a bottom
    // inset and raised by 10 on those without.
    const int inset = AppContext::current() ? AppContext::current()->device()->bottomInset() : 0;
    return inset > 0 ? inset - 25 : 10;
}

QString HomeScreenModel::homescreenWallpaper() const { return m_wallpaper->toString(); }
bool HomeScreenModel::homescreenWallpaperCustom() const { return m_wallpaperCustom->toBool(); }
bool HomeScreenModel::tesselInstalled() const { return m_tesselInstalled->toBool(); }
bool HomeScreenModel::cydiaInstalled() const { return m_cydiaInstalled->toBool(); }
qint64 HomeScreenModel::dockOpacity() const { return m_dockOpacity->toInteger(); }
qreal HomeScreenModel::dockPlatterOpacity() const { return std::clamp<qreal>(qreal(dockOpacity()), 0.0, 1.0); }

QVariantList HomeScreenModel::pageOneRows()
{
    using A = AppView;
    return {
        row({A::AppMail, A::AppCalendar, A::AppPhotos, A::AppCamera}),
        row({A::AppMaps, A::AppClock, A::AppWeather, A::AppHome}),
        row({A::AppNotes, A::AppStocks, A::AppReminders, A::AppTV}),
        row({A::AppAppStore, A::AppiTunesStore, A::AppBooks, A::AppHealth}),
        row({A::AppWallet, A::AppSettings, Empty, Empty}),
    };
}

QVariantList HomeScreenModel::pageTwoRows() const
{
    using A = AppView;
    return {
        row({A::AppFaceTime, A::AppPodcasts, A::AppCalculator, A::AppWatch}),
        row({A::AppFiles, Folder, A::AppClips, A::AppGarageBand}),
        row({A::AppKeynote, A::AppNumbers, A::AppPages, A::AppiMovie}),
        rowFour(tesselInstalled(), cydiaInstalled()),
    };
}

QVariantList HomeScreenModel::rowFour(bool tesselInstalled, bool cydiaInstalled)
{
    QVariantList cells{int(AppView::AppiTunesU)};
    if (tesselInstalled)
        cells.append(int(AppView::AppTessel));
    if (cydiaInstalled)
        cells.append(int(AppView::AppCydia));
    while (cells.size() < 4)
        cells.append(int(EmptySlot));
    return cells;
}

QVariantList HomeScreenModel::dockApps()
{
    using A = AppView;
    return row({A::AppPhone, A::AppSafari, A::AppMessages, A::AppMusic});
}

QVariantList HomeScreenModel::suggestions()
{
    using A = AppView;
    return {item(A::AppSettings, "Settings"), item(A::AppPhone, "Phone"), item(A::AppSafari, "Safari"),
            item(A::AppMusic, "Music")};
}

QVariantList HomeScreenModel::folderItems()
{
    using A = AppView;
    return {item(A::AppPhone, "Phone"), item(A::AppMusic, "Music"),       item(A::AppSafari, "Safari"),
            item(A::AppTV, "TV"),       item(A::AppSettings, "Settings"), item(A::AppiTunesStore, "iTunes")};
}

QStringList HomeScreenModel::folderMiniatures()
{
    return {QStringLiteral("PhoneIcon"),   QStringLiteral("MusicIcon"),    QStringLiteral("SafariIcon"),
            QStringLiteral("AppleTVIcon"), QStringLiteral("SettingsIcon"), QStringLiteral("iTunesStoreIcon")};
}

void HomeScreenModel::setOpenApp(bool open)
{
    if (open == m_openApp)
        return;
    m_openApp = open;
    emit openAppChanged();
}

void HomeScreenModel::openAppView(int app)
{
    // Icons are only reachable while nothing is open; a second tap during the cross-fade must
    // not invert the flag back and close what it just opened.
    if (m_openApp || !AppView::isValid(app))
        return;
    // The store and the package manager open only while they are on the home screen.
    if ((app == AppView::AppTessel && !tesselInstalled()) || (app == AppView::AppCydia && !cydiaInstalled()))
        return;
    dismissContextMenu();
    m_appOpener = app;
    setOpenApp(true);
}

void HomeScreenModel::toggleExtraFolder()
{
    if (m_openApp)
        return;
    m_showExtraFolder = !m_showExtraFolder;
    emit showExtraFolderChanged();
}

void HomeScreenModel::closeExtraFolder()
{
    if (!m_showExtraFolder)
        return;
    m_showExtraFolder = false;
    emit showExtraFolderChanged();
}

void HomeScreenModel::endHomeBarSwipe(qreal dy)
{
    const OpenView view = openView();
    if (dy < 0 && (view == RealScreen || view == EmptyScreen))
        setOpenApp(false);
}

void HomeScreenModel::pressHome() { endHomeBarSwipe(-1); }

bool HomeScreenModel::showContextMenu(int app)
{
    if (app != AppView::AppTessel || !tesselInstalled())
        return false;
    if (!m_openApp && m_contextMenuApp != app) {
        m_contextMenuApp = app;
        emit contextMenuAppChanged();
    }
    return true;
}

void HomeScreenModel::dismissContextMenu()
{
    if (m_contextMenuApp == EmptySlot)
        return;
    m_contextMenuApp = EmptySlot;
    emit contextMenuAppChanged();
}

void HomeScreenModel::deleteFromContextMenu()
{
    if (m_contextMenuApp != AppView::AppTessel)
        return;
    dismissContextMenu();
    m_tesselInstalled->setValue(false);
}
