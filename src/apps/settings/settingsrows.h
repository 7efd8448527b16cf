#pragma once

#include <QString>
#include <QVariantList>

// The rows of the Settings list and of the General page, as tables the QML lists draw. A section
// is a list of rows; a row is a map with
//   label, kind ("account", "switch", "tile", "picture", "plain", "button"),
//   tileColor (a colour name with alpha, empty for no tile), symbol, symbolSize, picture,
//   detail (text at the right, may be empty), page (the QML file it pushes, empty for none).
namespace SettingsRows {

// Colours of the tiles, the phone's system palette.
inline constexpr const char *Orange = "#FF9500";
inline constexpr const char *Blue = "#007AFF";
inline constexpr const char *HalfBlue = "#80007AFF"; // the Wallpaper tile: the blue fill at half opacity
inline constexpr const char *Green = "#34C759";
inline constexpr const char *Red = "#FF3B30";
inline constexpr const char *Gray = "#8E8E93";
inline constexpr const char *Indigo = "#5856D6";
inline constexpr const char *Pink = "#FF2D55";

inline constexpr const char *CommingSoonPage = "CommingSoonPage.qml";

// The five sections of the Settings list. The biometry row reads "Face ID & Passcode" (green,
// faceid) on a Face ID device and "Touch ID & Passcode" (pink, touchid) otherwise.
QVariantList settingsSections(bool faceId);

// The nine sections of the General page.
QVariantList generalSections();

// The three sections of buttons of the Reset page; only the "Reset Home Screen Layout" row acts.
QVariantList resetSections();

} // namespace SettingsRows
