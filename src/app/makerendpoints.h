#pragma once

#include <QString>

// Every address the shell takes from its maker's servers. The two base addresses are
// deployment values compiled in (CMake cache variables KESTREL_MAKER_URL, KESTREL_ICON_URL).
namespace MakerEndpoints {

inline constexpr const char *MakerBase = KESTREL_MAKER_URL; // no trailing slash
inline constexpr const char *IconBase = KESTREL_ICON_URL;   // ends in "/"

inline constexpr const char *UpdateDocumentPath = "/Kestrelapp/KestrelUpdate.json";
inline constexpr const char *ManifestDir = "/plist/";
inline constexpr const char *ManifestSuffix = ".plist";
inline constexpr const char *ShellManifestName = "Kestrel";
inline constexpr const char *ScreenshotDir = "/Screenshots/";
inline constexpr const char *DefaultSourcePath = "/Cydia.json";
inline constexpr const char *AddToKestrelPath = "/AddToKestrel";
inline constexpr const char *DefaultSourceIcon = "TesselIcon";
// Profile pages of the package manager and of its author, opened from its home tab.
inline constexpr const char *CydiaProfilePath = "/profiles/cydia";
inline constexpr const char *CydiaAuthorProfilePath = "/profiles/wren_hollis";
inline constexpr const char *IconSuffix = ".png";
// The package manager's public home page: typing exactly this in the browser installs it.
inline constexpr const char *PackageManagerHome = "https://cydia.saurik.com";
// Kept byte for byte, including the literal "&amp;".
inline constexpr const char *InstallLinkPrefix = "itms-services://?action=download-manifest&amp;url=";

QString updateDocument();
QString manifest(const QString &name);
QString shellManifest();
QString screenshot(const QString &prefix, int number); // number 1 or 2
QString defaultSource();
QString addToKestrel();
QString icon(const QString &key);
QString defaultSourceIcon();
QString installLink(const QString &manifestAddress);

} // namespace MakerEndpoints
