#include "lockscreenmodel.h"

#include "appcontext.h"
#include "biometricunlock.h"
#include "flowcurve.h"
#include "hapticmanager.h"
#include "settingbinding.h"
#include "torchstate.h"

LockscreenModel::LockscreenModel(QObject *parent)
    : QObject(parent),
      m_torch(new TorchState(this)),
      m_usePasscode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("Use_Passcode"), false, this)),
      m_easing(FlowCurve::EaseIn)
{
    const QVariantMap strings = AppContext::current()->clock()->lockStrings();
    m_date = strings.value(QStringLiteral("KestrelDate")).toString();
    m_time = strings.value(QStringLiteral("KestrelTime")).toString();
    connect(m_usePasscode, &SettingBinding::valueChanged, this, [this] {
        emit usePasscodeChanged();
        emit lockSymbolChanged();
    });
}

void LockscreenModel::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit CurrentPageChanged();
}

bool LockscreenModel::usePasscode() const { return m_usePasscode->toBool(); }

QString LockscreenModel::lockSymbol() const
{
    if (!usePasscode())
        return {};
    return m_unlocked ? QStringLiteral("lock.open.fill") : QStringLiteral("lock.fill");
}

LockscreenModel::Screen LockscreenModel::shown() const
{
    if (m_openCamera)
        return Camera;
    if (m_showHomeScreen)
        return Home;
    if (m_unlcokButton)
        return Passcode;
    return LockContent;
}

void LockscreenModel::change(int easing, bool &flag, bool value)
{
    if (m_easing != easing) {
        m_easing = easing;
        emit transitionEasingChanged();
    }
    const Screen before = shown();
    flag = value;
    emit flagsChanged();
    emit lockSymbolChanged();
    if (shown() != before)
        emit shownChanged();
}

void LockscreenModel::pressHome()
{
    // Only the lock content carries the button; nothing else may open the phone.
    if (shown() != LockContent)
        return;
    if (usePasscode() && !m_unlocked)
        change(FlowCurve::EaseIn, m_unlcokButton, !m_unlcokButton);
    else
        change(FlowCurve::EaseIn, m_showHomeScreen, !m_showHomeScreen);
}

void LockscreenModel::pressTorch()
{
    if (shown() != LockContent)
        return;
    HapticManager::shared()->impact(HapticManager::Heavy);
    m_torch->setIsOn(!m_torch->isOn());
}

void LockscreenModel::pressCamera()
{
    if (shown() != LockContent)
        return;
    HapticManager::shared()->impact(HapticManager::Heavy);
    change(FlowCurve::EaseInOut, m_openCamera, !m_openCamera);
}

void LockscreenModel::closeCamera()
{
    if (shown() != Camera)
        return;
    change(FlowCurve::EaseOut, m_openCamera, !m_openCamera);
}

void LockscreenModel::contentAppeared()
{
    requestBiometricUnlock(this, [this] { change(FlowCurve::EaseIn, m_unlocked, true); });
}

QVariantMap LockscreenModel::homeClockStrings() const { return AppContext::current()->clock()->clockStrings(); }
