#include "desktophaptics.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QVariantMap>

namespace {
const QString FeedbackService = QStringLiteral("org.sigxcpu.Feedback");

QString eventFor(Haptics::ImpactStyle style)
{
    switch (style) {
    case Haptics::ImpactStyle::Heavy:
    case Haptics::ImpactStyle::Rigid:
        return QStringLiteral("button-pressed");
    default:
        return QStringLiteral("button-released");
    }
}
} // namespace

DesktopHaptics::DesktopHaptics(QObject *parent) : Haptics(parent) {}

void DesktopHaptics::impact(ImpactStyle style)
{
    ++m_count;
    emit impacted(style);
    if (!m_useFeedbackd)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(FeedbackService, QStringLiteral("/org/sigxcpu/Feedback"),
                                                       FeedbackService, QStringLiteral("TriggerFeedback"));
    call << QStringLiteral("kestrel") << eventFor(style) << QVariantMap() << -1;
    // Only where feedbackd already runs; fire and forget, so a haptic never waits for the bus.
    call.setAutoStartService(false);
    bus.asyncCall(call);
}
