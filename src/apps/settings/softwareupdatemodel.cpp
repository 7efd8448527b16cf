#include "softwareupdatemodel.h"

#include "appcontext.h"
#include "installedversion.h"
#include "makerendpoints.h"

SoftwareUpdateModel::SoftwareUpdateModel(QObject *parent) : QObject(parent), m_installedVersion(installedVersion()) {}

void SoftwareUpdateModel::setUpdates(const QVariantList &updates)
{
    if (updates == m_updates)
        return;
    m_updates = updates;
    emit updatesChanged();
}

QVariantList SoftwareUpdateModel::blocks() const
{
    QVariantList blocks;
    for (const QVariant &entry : m_updates) {
        const QVariantMap update = entry.toMap();
        const QString version = update.value(QStringLiteral("version")).toString();
        // Plain, case-sensitive equality: no ordering of versions, so an older one is offered too.
        const bool upToDate = version == m_installedVersion;
        blocks.append(QVariantMap{{QStringLiteral("id"), update.value(QStringLiteral("id"))},
                                  {QStringLiteral("upToDate"), upToDate},
                                  {QStringLiteral("title"), QStringLiteral("iOS 1") + (upToDate ? m_installedVersion : version)},
                                  {QStringLiteral("log"), update.value(QStringLiteral("log"))}});
    }
    return blocks;
}

QString SoftwareUpdateModel::installLink() { return MakerEndpoints::installLink(MakerEndpoints::shellManifest()); }

void SoftwareUpdateModel::downloadAndInstall() const
{
    if (AppContext *context = AppContext::current())
        context->urlOpener()->open(installLink());
}
