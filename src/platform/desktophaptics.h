#pragma once

#include "haptics.h"

#include <QtQml/qqmlregistration.h>

// Haptics on the desktop: a feedbackd event over the session bus where that service runs, and
// always the simulator's pulse indicator. Counts impacts so tests can check them.
class DesktopHaptics : public Haptics
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(int impactCount READ impactCount NOTIFY impacted)

public:
    explicit DesktopHaptics(QObject *parent = nullptr);

    void impact(ImpactStyle style) override;
    int impactCount() const { return m_count; }

    // Test-only control: keep away from the session bus.
    void setUseFeedbackd(bool use) { m_useFeedbackd = use; }

signals:
    void impacted(Haptics::ImpactStyle style);

private:
    int m_count = 0;
    bool m_useFeedbackd = true;
};
