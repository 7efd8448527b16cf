#pragma once

#include <QStringList>

class QQuickItem;

// What a screen reader could not announce on a screen: every visible, enabled control under
// root (a button, a touch area, a text field, anything that takes focus by Tab) must carry an
// accessible role and a name, on itself or on the item it sits in (a touch area filling a label).
// Returns one description per fault, so an empty list means the screen is readable.
namespace AccessibilityWalker {
QStringList unnamedControls(QQuickItem *root);
}
