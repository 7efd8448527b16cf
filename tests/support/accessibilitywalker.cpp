#include "accessibilitywalker.h"

#include <QAccessible>
#include <QQuickItem>

namespace {

// How far up a touch area may sit below the item that speaks for it (a key's MouseArea inside
// its drawn label inside the key).
constexpr int CarrierDepth = 2;

bool interactiveRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Link:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// A MouseArea's own `enabled` property hides Item's: it alone says whether it takes touches.
bool shown(const QQuickItem *item)
{
    return item->isVisible() && item->opacity() > 0 && item->isEnabled() && item->property("enabled").toBool();
}

bool isControl(const QQuickItem *item)
{
    if (item->inherits("QQuickMouseArea") || item->inherits("QQuickAbstractButton")
        || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit") || item->activeFocusOnTab())
        return true;
    for (const QObject *child : item->children())
        if (child->inherits("QQuickTapHandler"))
            return true;
    return false;
}

QString describe(const QQuickItem *item)
{
    QStringList path;
    for (const QQuickItem *at = item; at && path.size() < 4; at = at->parentItem()) {
        if (!at->objectName().isEmpty())
            path.prepend(at->objectName());
        else if (at == item)
            path.prepend(QString::fromLatin1(item->metaObject()->className()));
    }
    return path.join(QLatin1Char('/'));
}

// The accessible node speaking for a control: the control's own, or its parent's, or its
// grandparent's, whichever has an interactive role first.
QAccessibleInterface *carrier(QQuickItem *control)
{
    QQuickItem *at = control;
    for (int level = 0; at && level <= CarrierDepth; ++level, at = at->parentItem()) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(at);
        if (node && interactiveRole(node->role()))
            return node;
    }
    return nullptr;
}

void walkItems(QQuickItem *item, QStringList &faults)
{
    if (!shown(item))
        return;
    if (isControl(item)) {
        QAccessibleInterface *node = carrier(item);
        if (!node)
            faults.append(describe(item) + QStringLiteral(": no accessible role"));
        else if (node->text(QAccessible::Name).trimmed().isEmpty())
            faults.append(describe(item) + QStringLiteral(": no accessible name"));
    }
    for (QQuickItem *child : item->childItems())
        walkItems(child, faults);
}

// The accessible tree as a screen reader walks it: no interactive node without a name.
void walkTree(QAccessibleInterface *node, QStringList &faults, int depth = 0)
{
    if (!node || !node->isValid() || depth > 64 || node->state().invisible)
        return;
    if (interactiveRole(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        auto *item = qobject_cast<QQuickItem *>(node->object());
        const QString name = item ? describe(item) : QStringLiteral("node");
        const QString fault = name + QStringLiteral(": no accessible name");
        if (!faults.contains(fault))
            faults.append(fault);
    }
    for (int i = 0; i < node->childCount(); ++i)
        walkTree(node->child(i), faults, depth + 1);
}

} // namespace

QStringList AccessibilityWalker::unnamedControls(QQuickItem *root)
{
    QStringList faults;
    if (!root)
        return {QStringLiteral("no screen to walk")};
    // As with a screen reader running: controls fill in their roles and names only then.
    QAccessible::setActive(true);
    walkItems(root, faults);
    walkTree(QAccessible::queryAccessibleInterface(root), faults);
    return faults;
}
