#pragma once

#include <QEasingCurve>

// The curves of the flow's screen changes, at the platform's default duration.
namespace FlowCurve {
inline constexpr int EaseIn = QEasingCurve::InQuad;
inline constexpr int EaseOut = QEasingCurve::OutQuad;
inline constexpr int EaseInOut = QEasingCurve::InOutQuad;
} // namespace FlowCurve
