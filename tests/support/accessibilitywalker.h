#pragma once

#include <QStringList>

class QQuickItem;

// What a screen reader could not announce on a screen: every visible, enabled control under
// root (a button, a touch area, a text field, anything Tab reaches) must have an accessible node
// with an interactive role and a name, its own or that of the item it sits in (a touch area
// filling a label). One description per fault: an empty list means the screen is readable.
namespace AccessibilityWalker {
QStringList unnamedControls(QQuickItem *root);
}
