#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The 36 apps the home screen knows, as one table: icon picture, grid label and its size,
// corner radius, the name the placeholder shows and where the app leads. Views and tests read
// the table through this type; in QML it is the AppView singleton (AppView.AppTV,
// AppView.label(AppView.AppTV)).
class AppView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // Declaration order is the ordinal: the home screen stores and compares these numbers.
    enum Case {
        AppSettings,
        AppPhone,
        AppMessages,
        AppMusic,
        AppSafari,
        AppWallet,
        AppAppStore,
        AppiTunesStore,
        AppBooks,
        AppHealth,
        AppReminders,
        AppNotes,
        AppTV,
        AppStocks,
        AppWeather,
        AppHome,
        AppClock,
        AppMaps,
        AppCalendar,
        AppMail,
        AppPhotos,
        AppCamera,
        AppFaceTime,
        AppPodcasts,
        AppCalculator,
        AppWatch,
        AppGarageBand,
        AppFiles,
        AppClips,
        AppiMovie,
        AppPages,
        AppKeynote,
        AppNumbers,
        AppiTunesU,
        AppTessel,
        AppCydia,
    };
    Q_ENUM(Case)
    static constexpr int Count = AppCydia + 1;

    // Where tapping an app leads: one of the six real screens, or the placeholder.
    enum Destination { SettingsScreen, PhoneScreen, BrowserScreen, CalculatorScreen, StoreScreen,
                       PackageManagerScreen, Placeholder };
    Q_ENUM(Destination)

    struct Entry {
        Case app;
        const char *icon;        // asset name; empty for the drawn calendar tile
        const char *label;       // under a grid icon; empty for the dock apps
        int labelSize;           // points
        int cornerRadius;        // grid tile; 0 for the dock apps, which have their own
        const char *displayName; // what the placeholder names
        Destination destination;
    };

    using QObject::QObject;

    static bool isValid(int app) { return app >= 0 && app < Count; }
    // The entry of a case; an out-of-range number gets AppSettings', so a bad value never
    // reads past the table.
    static const Entry &entry(int app);

    Q_INVOKABLE static QString icon(int app);
    Q_INVOKABLE static QString label(int app);
    Q_INVOKABLE static int labelSize(int app);
    Q_INVOKABLE static int cornerRadius(int app);
    Q_INVOKABLE static QString displayName(int app);
    Q_INVOKABLE static int destination(int app);
    Q_INVOKABLE static bool isRealScreen(int app);
    // The home bar over a real screen is white on the dark screens, black elsewhere.
    Q_INVOKABLE static bool whiteHomeBar(int app);
    // The address of the QML screen of a real app, whether or not it is built in.
    Q_INVOKABLE static QUrl screenUrl(int app);
    // Whether that screen is built into this shell; until it is, the app opens an empty page.
    Q_INVOKABLE static bool screenAvailable(int app);
};
