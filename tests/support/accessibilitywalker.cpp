#include "accessibilitywalker.h"

#include <QAccessible>
#include <QQuickItem>
#include <QSet>

namespace {

const QSet<QAccessible::Role> Interactive = {
    QAccessible::Button,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText, QAccessible::Link, QAccessible::ListItem,    QAccessible::MenuItem,
    QAccessible::PageTab,  QAccessible::Slider,   QAccessible::SpinBox};

QAccessibleInterface *interactiveNode(QQuickItem *item)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(item);
    return node && Interactive.contains(node->role()) ? node : nullptr;
}

// A MouseArea's own `enabled` property hides Item's: it alone says whether it takes touches.
bool shown(const QQuickItem *item)
{
    return item->isVisible() && item->opacity() > 0 && item->isEnabled() && item->property("enabled").toBool();
}

bool takesInput(const QQuickItem *item)
{
    return item->inherits("QQuickMouseArea") || item->inherits("QQuickAbstractButton")
        || item->inherits("QQuickTextInput") || item->activeFocusOnTab();
}

QString describe(const QQuickItem *item)
{
    const QString name = item->objectName().isEmpty() ? item->metaObject()->className() : item->objectName();
    return item->parentItem() ? item->parentItem()->objectName() + QLatin1Char('/') + name : name;
}

void walk(QQuickItem *item, QStringList &faults)
{
    if (!shown(item))
        return;
    // A touch area speaks through itself or the item it sits in, two levels up at most (a
    // key's MouseArea inside its drawn label inside the key).
    const bool control = takesInput(item);
    QAccessibleInterface *node = interactiveNode(item);
    QQuickItem *up = item->parentItem();
    for (int level = 0; control && !node && up && level < 2; ++level, up = up->parentItem())
        node = interactiveNode(up);
    if (control && !node)
        faults.append(describe(item) + QStringLiteral(": no accessible role"));
    else if (node && node->text(QAccessible::Name).trimmed().isEmpty())
        faults.append(describe(item) + QStringLiteral(": no accessible name"));
    for (QQuickItem *child : item->childItems())
        walk(child, faults);
}

} // namespace

QStringList AccessibilityWalker::unnamedControls(QQuickItem *root)
{
    // As with a screen reader running: controls fill in their roles only then.
    QAccessible::setActive(true);
    QStringList faults;
    if (root)
        walk(root, faults);
    return faults;
}
