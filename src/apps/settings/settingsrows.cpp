#include "settingsrows.h"

#include <QVariantMap>

namespace SettingsRows {
namespace {

QVariantMap row(const QString &label, const QString &kind, const QString &page = QString(CommingSoonPage))
{
    return {{"label", label}, {"kind", kind}, {"tileColor", QString()}, {"symbol", QString()},
            {"symbolSize", 0}, {"picture", QString()}, {"detail", QString()}, {"page", page}};
}

QVariantMap symbolRow(const QString &label, const char *color, const QString &symbol, int size,
                      const QString &page = QString(CommingSoonPage))
{
    QVariantMap r = row(label, QStringLiteral("tile"), page);
    r[QStringLiteral("tileColor")] = QString::fromLatin1(color);
    r[QStringLiteral("symbol")] = symbol;
    r[QStringLiteral("symbolSize")] = size;
    return r;
}

QVariantMap pictureTileRow(const QString &label, const char *color, const QString &picture,
                           const QString &page = QString(CommingSoonPage))
{
    QVariantMap r = row(label, QStringLiteral("tile"), page);
    r[QStringLiteral("tileColor")] = QString::fromLatin1(color);
    r[QStringLiteral("picture")] = picture;
    return r;
}

// Siri and the two store rows: the picture is the tile.
QVariantMap pictureRow(const QString &label, const QString &picture)
{
    QVariantMap r = row(label, QStringLiteral("picture"));
    r[QStringLiteral("picture")] = picture;
    return r;
}

QVariantMap withDetail(QVariantMap r, const QString &detail)
{
    r[QStringLiteral("detail")] = detail;
    return r;
}

QVariantMap plainRow(const QString &label, const QString &detail = {})
{
    return withDetail(row(label, QStringLiteral("plain")), detail);
}

QVariantMap button(const QString &label, const QString &action = {})
{
    QVariantMap r = row(label, QStringLiteral("button"), QString());
    r[QStringLiteral("action")] = action;
    return r;
}

} // namespace

QVariantList settingsSections(bool faceId)
{
    QVariantMap account = row(QStringLiteral("Tessel"), QStringLiteral("account"));
    account[QStringLiteral("picture")] = QStringLiteral("TesselIconCircle");
    account[QStringLiteral("detail")] = QStringLiteral("Apple ID, iCloud, iTunes & App Store");

    QVariantMap airplane = symbolRow(QStringLiteral("Airplane Mode"), Orange, QStringLiteral("airplane"), 18, QString());
    airplane[QStringLiteral("kind")] = QStringLiteral("switch");

    const QVariantMap biometry = faceId
        ? symbolRow(QStringLiteral("Face ID & Passcode"), Green, QStringLiteral("faceid"), 20, QStringLiteral("PasscodeGate.qml"))
        : symbolRow(QStringLiteral("Touch ID & Passcode"), Pink, QStringLiteral("touchid"), 20, QStringLiteral("PasscodeGate.qml"));

    return {
        QVariantList{account},
        QVariantList{
            airplane,
            withDetail(symbolRow(QStringLiteral("WiFi"), Blue, QStringLiteral("wifi"), 18), QStringLiteral("Not Connected")),
            withDetail(pictureTileRow(QStringLiteral("Bluetooth"), Blue, QStringLiteral("Bluetooth")), QStringLiteral("Not Connected")),
            symbolRow(QStringLiteral("Cellular"), Green, QStringLiteral("antenna.radiowaves.left.and.right"), 18),
            symbolRow(QStringLiteral("Personal Hotspot"), Green, QStringLiteral("personalhotspot"), 18),
        },
        QVariantList{
            symbolRow(QStringLiteral("Notifications"), Red, QStringLiteral("app.badge"), 20),
            symbolRow(QStringLiteral("Control Center"), Gray, QStringLiteral("switch.2"), 20),
            symbolRow(QStringLiteral("Do Not Disturb"), Indigo, QStringLiteral("moon.fill"), 20),
        },
        QVariantList{
            symbolRow(QStringLiteral("General"), Gray, QStringLiteral("gear"), 23, QStringLiteral("General.qml")),
            symbolRow(QStringLiteral("Display & Brightness"), Blue, QStringLiteral("textformat.size"), 20),
            pictureTileRow(QStringLiteral("Wallpaper"), HalfBlue, QStringLiteral("Flower"), QStringLiteral("WallpaperSettings.qml")),
            symbolRow(QStringLiteral("Sounds & Haptics"), Pink, QStringLiteral("speaker.wave.3.fill"), 15),
            pictureRow(QStringLiteral("Siri"), QStringLiteral("SiriIcon")),
            biometry,
            symbolRow(QStringLiteral("Battery"), Green, QStringLiteral("battery.100"), 18),
            symbolRow(QStringLiteral("Privacy"), Gray, QStringLiteral("hand.raised.fill"), 18),
        },
        QVariantList{
            pictureRow(QStringLiteral("iTunes & App Store"), QStringLiteral("AppStoreIcon")),
            pictureRow(QStringLiteral("Wallet & Apple Pay"), QStringLiteral("WalletIcon")),
        },
    };
}

QVariantList generalSections()
{
    return {
        QVariantList{plainRow(QStringLiteral("About")),
                     row(QStringLiteral("Software Update"), QStringLiteral("plain"), QStringLiteral("SoftwareUpdate.qml"))},
        QVariantList{plainRow(QStringLiteral("AirDrop")), plainRow(QStringLiteral("Handoff")), plainRow(QStringLiteral("CarPlay"))},
        QVariantList{plainRow(QStringLiteral("Accessibility"))},
        QVariantList{plainRow(QStringLiteral("iPhone Storage")), plainRow(QStringLiteral("Background App Refresh"))},
        QVariantList{plainRow(QStringLiteral("Restrictions"), QStringLiteral("Off"))},
        QVariantList{plainRow(QStringLiteral("Date & Time")), plainRow(QStringLiteral("Keyboard")),
                     plainRow(QStringLiteral("Language & Region")), plainRow(QStringLiteral("Dictionary"))},
        QVariantList{plainRow(QStringLiteral("iTunes Wi-FI Sync")), plainRow(QStringLiteral("VPN"), QStringLiteral("Not Connected"))},
        QVariantList{plainRow(QStringLiteral("Regulatory"))},
        QVariantList{row(QStringLiteral("Reset"), QStringLiteral("plain"), QStringLiteral("Reset.qml")),
                     button(QStringLiteral("Shut Down"), QStringLiteral("shutDown"))},
    };
}

QVariantList resetSections()
{
    return {
        QVariantList{button(QStringLiteral("Reset All Settings")), button(QStringLiteral("Erase All Content and Settings"))},
        QVariantList{button(QStringLiteral("Reset Network Settings"))},
        QVariantList{button(QStringLiteral("Reset Keyboard Dictionary")),
                     button(QStringLiteral("Reset Home Screen Layout"), QStringLiteral("confirmResetHomeScreen")),
                     button(QStringLiteral("Reset Location & Privacy"))},
    };
}

} // namespace SettingsRows
