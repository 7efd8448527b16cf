#include "kestrelappmodel.h"

#include "appcontext.h"
#include "settingbinding.h"

KestrelAppModel::KestrelAppModel(QObject *parent)
    : QObject(parent),
      m_setupComplete(new SettingBinding(AppContext::current() ? AppContext::current()->settings() : nullptr,
                                         QStringLiteral("Setup_Complete"), false, this))
{
    connect(m_setupComplete, &SettingBinding::valueChanged, this, &KestrelAppModel::SetutCompleteChanged);
}

bool KestrelAppModel::setutComplete() const { return m_setupComplete->toBool(); }

bool KestrelAppModel::endSetupSwipe(qreal dy)
{
    if (!(dy < 0))
        return false;
    // Inverted, not assigned: the setup screen is only shown while the flag is false.
    return m_setupComplete->setValue(!setutComplete());
}
