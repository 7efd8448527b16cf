#include "settingsscreenmodel.h"

#include "appcontext.h"
#include "settingsrows.h"

SettingsScreenModel::SettingsScreenModel(QObject *parent) : QObject(parent)
{
    // No context (a bare test) counts as no key window: a Touch ID device.
    const AppContext *context = AppContext::current();
    m_sections = SettingsRows::settingsSections(context && context->device()->faceId());
}

void SettingsScreenModel::setPassword(const QString &password)
{
    if (password == m_password)
        return;
    m_password = password;
    emit passwordChanged();
}

void SettingsScreenModel::setAirplaneMode(bool on)
{
    if (on == m_airplaneMode)
        return;
    m_airplaneMode = on;
    emit airplaneModeChanged();
}
