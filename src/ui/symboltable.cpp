#include "symboltable.h"

#include <QFile>
#include <QFontDatabase>
#include <QLoggingCategory>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

struct Entry
{
    std::string_view name;
    char32_t codepoint;
};

// Material Icons ships one (filled) style, so an outlined symbol maps to the glyph that is drawn
// as an outline ("star" -> star_border) and its ".fill" sibling to the solid one.
constexpr Entry Table[] = {
    {"magnifyingglass", 0xe8b6},                  // search
    {"star", 0xe83a},                             // star_border
    {"star.fill", 0xe838},                        // star
    {"rectangle.stack", 0xe3e0},                  // filter_none
    {"rectangle.stack.fill", 0xe661},             // auto_awesome_motion
    {"lock.fill", 0xe897},                        // lock
    {"lock.open.fill", 0xe898},                   // lock_open
    {"flashlight.on.fill", 0xf00b},               // flashlight_on
    {"flashlight.off.fill", 0xf00a},              // flashlight_off
    {"circle", 0xe836},                           // radio_button_unchecked
    {"circle.fill", 0xef4a},                      // circle
    {"square.and.arrow.down", 0xe171},            // save_alt
    {"square.and.arrow.down.fill", 0xe168},       // move_to_inbox
    {"square.and.arrow.up", 0xe6b8},              // ios_share
    {"square.on.square", 0xe14d},                 // content_copy
    {"phone.fill", 0xe0cd},                       // phone
    {"person.fill", 0xe7fd},                      // person
    {"folder.fill", 0xe2c7},                      // folder
    {"delete.left.fill", 0xe14a},                 // backspace
    {"clock", 0xe8b5},                            // schedule
    {"clock.fill", 0xefd6},                       // access_time_filled
    {"circle.grid.3x3.fill", 0xe0bc},             // dialpad
    {"chevron.left", 0xe2ea},                     // arrow_back_ios_new
    {"chevron.right", 0xe5e1},                    // arrow_forward_ios
    {"camera.fill", 0xe412},                      // photo_camera
    {"arrow.down", 0xe5db},                       // arrow_downward
    {"airplane", 0xe539},                         // flight
    {"wifi", 0xe63e},                             // wifi
    {"antenna.radiowaves.left.and.right", 0xebba}, // cell_tower
    {"personalhotspot", 0xe157},                  // link
    {"app.badge", 0xe7f4},                        // notifications
    {"switch.2", 0xe9f6},                         // toggle_on
    {"moon.fill", 0xe51c},                        // dark_mode
    {"gear", 0xe8b8},                             // settings
    {"textformat.size", 0xe245},                  // format_size
    {"speaker.wave.3.fill", 0xe050},              // volume_up
    {"faceid", 0xe87c},                           // face
    {"touchid", 0xe90d},                          // fingerprint
    {"battery.100", 0xe1a4},                      // battery_full
    {"hand.raised.fill", 0xe764},                 // back_hand
    {"book", 0xea19},                             // menu_book
    {"minus.circle.fill", 0xe15c},                // remove_circle
};

Q_LOGGING_CATEGORY(lcSymbols, "kestrel.symbols")

} // namespace

QString SymbolTable::fontPath()
{
    return QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf");
}

void SymbolTable::hideSystemCopies()
{
    if (!QFile::exists(fontPath()))
        return; // the system's copies are then the only glyphs there are
    // The system also lists the font as WOFF2, which the font engine picks and must decompress
    // (several milliseconds at start); rejected here, the family is the file fontFamily() adds.
    // A rule only filters fonts as the configuration builds its font list, hence before Qt
    // reads the list.
    static const char rule[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><selectfont><rejectfont><pattern>
<patelt name="family"><string>Material Icons</string></patelt>
</pattern></rejectfont></selectfont></fontconfig>)";
    FcConfig *config = FcInitLoadConfig();
    if (!config)
        return;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(rule), FcTrue)
        && FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config); // the current configuration keeps its own reference
}

QString SymbolTable::fontFamily()
{
    // Loaded from the file rather than trusted to the system's font configuration, so the glyphs
    // are the ones the table was written against.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(fontPath());
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            qCWarning(lcSymbols) << "cannot load the symbol font" << fontPath();
        return families.value(0, QStringLiteral("Material Icons"));
    }();
    return family;
}

char32_t SymbolTable::codepoint(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    const std::string_view key(utf8.constData(), size_t(utf8.size()));
    const auto it = std::find_if(std::begin(Table), std::end(Table), [&](const Entry &e) { return e.name == key; });
    return it == std::end(Table) ? 0 : it->codepoint;
}

QString SymbolTable::glyph(const QString &name)
{
    const char32_t point = codepoint(name);
    if (point == 0) {
        if (!name.isEmpty())
            qCWarning(lcSymbols) << "no glyph for the symbol" << name;
        return {};
    }
    return QString::fromUcs4(&point, 1);
}

QStringList SymbolTable::names()
{
    QStringList all;
    all.reserve(qsizetype(std::size(Table)));
    for (const Entry &e : Table)
        all.append(QString::fromUtf8(e.name.data(), qsizetype(e.name.size())));
    return all;
}
