#include "generalmodel.h"

#include "apicall.h"
#include "appcontext.h"
#include "makerendpoints.h"
#include "settingsrows.h"

#include <QCoreApplication>

GeneralModel::GeneralModel(QObject *parent)
    : QObject(parent), m_updateAddress(MakerEndpoints::updateDocument())
{
}

QVariantList GeneralModel::sections() const { return SettingsRows::generalSections(); }

QVariantList GeneralModel::updates() const
{
    QVariantList list;
    for (const Update &update : m_updates)
        list.append(QVariantMap{{QStringLiteral("id"), update.id.toString(QUuid::WithoutBraces)},
                                {QStringLiteral("version"), update.version},
                                {QStringLiteral("log"), update.log}});
    return list;
}

void GeneralModel::setUpdates(const Updates &updates)
{
    m_updates = updates;
    emit updatesChanged();
}

void GeneralModel::setUpdateAddress(const QString &address)
{
    if (address == m_updateAddress)
        return;
    m_updateAddress = address;
    emit updateAddressChanged();
}

void GeneralModel::checkForUpdates()
{
    AppContext *context = AppContext::current();
    if (!context)
        return;
    apiCall::getUpdates(context->network(), m_updateAddress, this,
                        [this](const Updates &updates) { setUpdates(updates); });
}

void GeneralModel::shutDown() { QCoreApplication::exit(0); }
