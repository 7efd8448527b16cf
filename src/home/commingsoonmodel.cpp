#include "commingsoonmodel.h"

#include "appcontext.h"

void CommingSoonModel::setAppName(const QString &name)
{
    if (name == m_appName)
        return;
    m_appName = name;
    emit appNameChanged();
}

void CommingSoonModel::tapMessage()
{
    if (m_goHome)
        return;
    m_goHome = true;
    emit goHomeChanged();
}

QVariantMap CommingSoonModel::homeClockStrings() const
{
    return AppContext::current() ? AppContext::current()->clock()->clockStrings() : QVariantMap();
}
