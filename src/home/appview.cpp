#include "appview.h"

#include <QFile>
#include <array>

namespace {

using E = AppView;

// Dock apps carry no grid label and no grid radius: the dock, the folder and the suggestion
// panel draw and label them themselves.
constexpr std::array<AppView::Entry, AppView::Count> table{{
    {E::AppSettings, "SettingsIcon", "Settings", 13, 15, "Settings", E::SettingsScreen},
    {E::AppPhone, "PhoneIcon", "", 13, 0, "Phone", E::PhoneScreen},
    {E::AppMessages, "MessagesIcon", "", 13, 0, "Messages", E::Placeholder},
    {E::AppMusic, "MusicIcon", "", 13, 0, "Music", E::Placeholder},
    {E::AppSafari, "SafariIcon", "", 13, 0, "Safari", E::BrowserScreen},
    {E::AppWallet, "WalletIcon", "Wallet", 13, 17, "Wallet", E::Placeholder},
    {E::AppAppStore, "AppStoreIcon", "App Store", 13, 15, "App Store", E::Placeholder},
    {E::AppiTunesStore, "iTunesStoreIcon", "iTunes Store", 8, 15, "iTunes Store", E::Placeholder},
    {E::AppBooks, "BooksIcon", "Books", 13, 15, "Books", E::Placeholder},
    {E::AppHealth, "HealthIcon", "Health", 13, 15, "Health", E::Placeholder},
    {E::AppReminders, "RemindersIcon", "Reminders", 10, 15, "Reminders", E::Placeholder},
    {E::AppNotes, "NotesIcon", "Notes", 13, 15, "Notes", E::Placeholder},
    {E::AppTV, "AppleTVIcon", "TV", 13, 15, "Apple TV", E::Placeholder},
    {E::AppStocks, "StocksIcon", "Stocks", 13, 15, "Stocks", E::Placeholder},
    {E::AppWeather, "WeatherIcon", "Weather", 13, 15, "Weather", E::Placeholder},
    {E::AppHome, "HomeIcon", "Home", 13, 15, "Home", E::Placeholder},
    {E::AppClock, "ClockIcon", "Clock", 13, 15, "Clock", E::Placeholder},
    {E::AppMaps, "MapsIcon", "Maps", 13, 15, "Maps", E::Placeholder},
    {E::AppCalendar, "", "Calendar", 13, 15, "Calendar", E::Placeholder},
    {E::AppMail, "MailIcon", "Mail", 13, 15, "Mail", E::Placeholder},
    {E::AppPhotos, "PhotosIcon", "Photos", 13, 15, "Photos", E::Placeholder},
    {E::AppCamera, "CameraIcon", "Camera", 13, 15, "Camera", E::Placeholder},
    {E::AppFaceTime, "FaceTimeIcon", "FaceTime", 13, 17, "FaceTime", E::Placeholder},
    {E::AppPodcasts, "PodcastsIcon", "Podcasts", 13, 15, "Podcasts", E::Placeholder},
    {E::AppCalculator, "CalculatorIcon", "Calculator", 13, 17, "Calculator", E::CalculatorScreen},
    {E::AppWatch, "WatchIcon", "Watch", 13, 17, "Watch", E::Placeholder},
    {E::AppGarageBand, "GarageBandIcon", "GarageBand", 8, 17, "GarageBand", E::Placeholder},
    {E::AppFiles, "FilesIcon", "Files", 13, 17, "Files", E::Placeholder},
    {E::AppClips, "ClipsIcon", "Clips", 13, 17, "Clips", E::Placeholder},
    {E::AppiMovie, "iMovieIcon", "iMovie", 13, 17, "iMovie", E::Placeholder},
    {E::AppPages, "PagesIcon", "Pages", 13, 17, "Pages", E::Placeholder},
    {E::AppKeynote, "KeynoteIcon", "Keynote", 13, 17, "Keynote", E::Placeholder},
    {E::AppNumbers, "NumbersIcon", "Numbers", 13, 17, "Numbers", E::Placeholder},
    {E::AppiTunesU, "iTunesUIcon", "iTunes U", 13, 17, "iTunes U", E::Placeholder},
    {E::AppTessel, "TesselIcon", "Tessel", 13, 17, "Tessel", E::StoreScreen},
    {E::AppCydia, "CydiaIcon", "Cydia", 13, 17, "Cydia", E::PackageManagerScreen},
}};

// The table is indexed by ordinal: a row out of place would open the wrong app.
constexpr bool inOrder()
{
    for (int i = 0; i < AppView::Count; ++i)
        if (table[i].app != i)
            return false;
    return true;
}
static_assert(inOrder(), "the app table must list the cases in declaration order");

// Each real screen lives in its feature's module.
QString screenPath(AppView::Destination destination)
{
    switch (destination) {
    case AppView::SettingsScreen: return QStringLiteral("/Kestrel/Apps/Settings/Settings.qml");
    case AppView::PhoneScreen: return QStringLiteral("/Kestrel/Apps/Phone/Phone.qml");
    case AppView::BrowserScreen: return QStringLiteral("/Kestrel/Apps/Browser/Safari.qml");
    case AppView::CalculatorScreen: return QStringLiteral("/Kestrel/Apps/Calculator/Calculator.qml");
    case AppView::StoreScreen: return QStringLiteral("/Kestrel/Store/Tessel.qml");
    case AppView::PackageManagerScreen: return QStringLiteral("/Kestrel/Packages/Cydia.qml");
    case AppView::Placeholder: break;
    }
    return {};
}

} // namespace

const AppView::Entry &AppView::entry(int app) { return table[isValid(app) ? app : AppSettings]; }

QString AppView::icon(int app) { return QString::fromLatin1(entry(app).icon); }
QString AppView::label(int app) { return QString::fromLatin1(entry(app).label); }
int AppView::labelSize(int app) { return entry(app).labelSize; }
int AppView::cornerRadius(int app) { return entry(app).cornerRadius; }
QString AppView::displayName(int app) { return QString::fromLatin1(entry(app).displayName); }
int AppView::destination(int app) { return entry(app).destination; }
bool AppView::isRealScreen(int app) { return entry(app).destination != Placeholder; }

bool AppView::whiteHomeBar(int app)
{
    const Case c = entry(app).app;
    return c == AppCalculator || c == AppTessel;
}

QUrl AppView::screenUrl(int app)
{
    const QString path = screenPath(entry(app).destination);
    return path.isEmpty() ? QUrl() : QUrl(QStringLiteral("qrc:") + path);
}

bool AppView::screenAvailable(int app)
{
    const QString path = screenPath(entry(app).destination);
    return !path.isEmpty() && QFile::exists(QLatin1Char(':') + path);
}
