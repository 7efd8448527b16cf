#include "settingbinding.h"

#include "appcontext.h"
#include "settingsstore.h"

#include <QJSValue>

SettingBinding::SettingBinding(QObject *parent) : QObject(parent)
{
    if (AppContext *context = AppContext::current())
        attach(context->settings());
}

SettingBinding::SettingBinding(SettingsStore *store, const QString &key, const QVariant &defaultValue,
                               QObject *parent)
    : QObject(parent), m_key(key), m_default(defaultValue)
{
    attach(store);
}

void SettingBinding::attach(SettingsStore *store)
{
    m_store = store;
    if (!store)
        return;
    connect(store, &SettingsStore::valueChanged, this, [this](const QString &changed) {
        if (changed == m_key)
            emit valueChanged();
    });
}

void SettingBinding::setKey(const QString &key)
{
    if (key == m_key)
        return;
    m_key = key;
    emit keyChanged();
    emit valueChanged();
}

void SettingBinding::setDefaultValue(const QVariant &value)
{
    if (value == m_default && value.typeId() == m_default.typeId())
        return;
    m_default = value;
    emit defaultValueChanged();
    emit valueChanged();
}

QVariant SettingBinding::value() const
{
    if (!m_store || m_key.isEmpty())
        return m_default;
    return m_store->value(m_key, m_default);
}

bool SettingBinding::setValue(const QVariant &value)
{
    if (!m_store || m_key.isEmpty())
        return false;
    QVariant v = value;
    if (v.userType() == qMetaTypeId<QJSValue>())
        v = v.value<QJSValue>().toVariant();
    const auto converted = m_default.isValid() ? SettingsStore::convert(v, m_default) : std::optional(v);
    if (!converted)
        return false;
    return m_store->setValue(m_key, *converted);
}
