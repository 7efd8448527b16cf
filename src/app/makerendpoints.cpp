#include "makerendpoints.h"

namespace MakerEndpoints {

static QString maker(const QString &path) { return QLatin1String(MakerBase) + path; }

QString updateDocument() { return maker(QLatin1String(UpdateDocumentPath)); }

QString manifest(const QString &name)
{
    return maker(QLatin1String(ManifestDir) + name + QLatin1String(ManifestSuffix));
}

QString shellManifest() { return manifest(QLatin1String(ShellManifestName)); }

QString screenshot(const QString &prefix, int number)
{
    return maker(QLatin1String(ScreenshotDir) + prefix + QStringLiteral("Screenshot%1.png").arg(number));
}

QString defaultSource() { return maker(QLatin1String(DefaultSourcePath)); }

QString addToKestrel() { return maker(QLatin1String(AddToKestrelPath)); }

QString icon(const QString &key) { return QLatin1String(IconBase) + key + QLatin1String(IconSuffix); }

QString defaultSourceIcon() { return icon(QLatin1String(DefaultSourceIcon)); }

QString installLink(const QString &manifestAddress)
{
    return QLatin1String(InstallLinkPrefix) + manifestAddress;
}

} // namespace MakerEndpoints
