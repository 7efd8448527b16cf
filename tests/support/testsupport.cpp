#include "testsupport.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QSettings>
#include <algorithm>

namespace {

// The fit check allows half a point: text and symbol layouts land on fractional positions.
constexpr qreal Slack = 0.5;

bool isText(const QQuickItem *item)
{
    return item->inherits("QQuickText") || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}

bool hasTapHandler(const QQuickItem *item)
{
    const QObjectList &children = item->children();
    return std::any_of(children.begin(), children.end(), [](const QObject *child) { return child->inherits("QQuickTapHandler"); });
}

bool isPicture(const QQuickItem *item)
{
    return item->inherits("QQuickImageBase") || item->inherits("QQuickPaintedItem");
}

// What a user reads, sees or touches. Plain items and rectangles are containers or backgrounds;
// a button's circle is covered by its touch area. A touch area inside a text or picture only
// widens that control's reach, and the control itself is checked.
bool isControl(const QQuickItem *item)
{
    if (item->inherits("QQuickMouseArea")) {
        const QQuickItem *parent = item->parentItem();
        return !parent || !(isText(parent) || isPicture(parent));
    }
    return isText(item) || isPicture(item) || item->inherits("QQuickAbstractButton") || hasTapHandler(item);
}

QString describe(const QQuickItem *item, const QRectF &rect)
{
    QString line = item->objectName();
    if (line.isEmpty()) { // the QML type's name
        line = QString::fromLatin1(item->metaObject()->className()).section(QStringLiteral("_QML"), 0, 0);
        line = line.startsWith(QLatin1String("QQuick")) ? line.mid(6) : line;
    }
    QString text = item->property("text").toString();
    // A symbol's glyph is a private-use character; its name says more.
    if (!text.isEmpty() && QChar::category(text.toUcs4().constFirst()) == QChar::Other_PrivateUse)
        text = item->parentItem() ? item->parentItem()->property("name").toString() : QString();
    if (!text.isEmpty())
        line += QStringLiteral(" \"%1\"").arg(text.left(40));
    for (const QQuickItem *up = item->parentItem(); up && item->objectName().isEmpty(); up = up->parentItem()) {
        if (!up->objectName().isEmpty()) {
            line += QStringLiteral(" in ") + up->objectName();
            break;
        }
    }
    return line + QStringLiteral(" at (%1, %2) %3 x %4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

bool inside(const QRectF &rect, const QRectF &screen)
{
    return rect.left() >= screen.left() - Slack && rect.top() >= screen.top() - Slack
        && rect.right() <= screen.right() + Slack && rect.bottom() <= screen.bottom() + Slack;
}

struct FitWalk
{
    const QQuickItem *content;
    QRectF screen;
    QStringList clipped;

    // `view` is where the item can show at all: the parts of clipping ancestors and scroll
    // views on the phone's window. Scrolled content is meant to be cut by its view.
    void visit(const QQuickItem *item, QRectF view, qreal opacity)
    {
        opacity *= item->opacity();
        if (!item->isVisible() || opacity < 0.01)
            return;
        const QRectF whole = item->mapRectToItem(content, QRectF(0, 0, item->width(), item->height()));
        if (item->inherits("QQuickFlickable"))
            view &= whole;
        if (isControl(item) && !(view & screen).isEmpty())
            check(item, view);
        if (item->clip())
            view &= whole;
        for (const QQuickItem *child : item->childItems())
            visit(child, view, opacity);
    }

    void check(const QQuickItem *item, const QRectF &view)
    {
        const bool text = isText(item);
        if (text && item->property("text").toString().isEmpty())
            return;
        QRectF local = text ? item->boundingRect() : QRectF(0, 0, item->width(), item->height());
        if (item->clip())
            local &= QRectF(0, 0, item->width(), item->height());
        if (local.isEmpty())
            return;
        const QRectF rect = item->mapRectToItem(content, local);
        // Pictures and touch areas as wide or tall as the screen are wallpapers and backdrops.
        if (!text && (rect.width() >= screen.width() - Slack || rect.height() >= screen.height() - Slack))
            return;
        const QRectF shown = rect & view;
        if (!(shown & screen).isEmpty() && !inside(shown, screen))
            clipped << describe(item, rect);
    }
};

// What a screen reader could not announce: every visible, enabled control (a button, a touch
// area, a text field, anything Tab reaches) must have an accessible node with an interactive role
// and a name, its own or that of the item it sits in (a touch area filling a label).
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
bool reachable(const QQuickItem *item)
{
    return item->isVisible() && item->opacity() > 0 && item->isEnabled() && item->property("enabled").toBool();
}

bool takesInput(const QQuickItem *item)
{
    return item->inherits("QQuickMouseArea") || item->inherits("QQuickAbstractButton")
        || item->inherits("QQuickTextInput") || item->activeFocusOnTab();
}

QString path(const QQuickItem *item)
{
    const QString name = item->objectName().isEmpty() ? item->metaObject()->className() : item->objectName();
    return item->parentItem() ? item->parentItem()->objectName() + QLatin1Char('/') + name : name;
}

void walkAccessible(QQuickItem *item, QStringList &faults)
{
    if (!reachable(item))
        return;
    // A touch area speaks through itself or the item it sits in, two levels up at most (a
    // key's MouseArea inside its drawn label inside the key).
    const bool control = takesInput(item);
    QAccessibleInterface *node = interactiveNode(item);
    QQuickItem *up = item->parentItem();
    for (int level = 0; control && !node && up && level < 2; ++level, up = up->parentItem())
        node = interactiveNode(up);
    if (control && !node)
        faults.append(path(item) + QStringLiteral(": no accessible role"));
    else if (node && node->text(QAccessible::Name).trimmed().isEmpty())
        faults.append(path(item) + QStringLiteral(": no accessible name"));
    for (QQuickItem *child : item->childItems())
        walkAccessible(child, faults);
}

} // namespace

QVariant TestSupport::storedSetting(const QString &key) const
{
    return QSettings(m_context->settings()->filePath(), QSettings::IniFormat).value(key);
}

int TestSupport::objectCount(QObject *root) const
{
    if (!root)
        return 0;
    int count = 1;
    for (QObject *child : root->children())
        count += objectCount(child);
    if (auto *item = qobject_cast<QQuickItem *>(root)) {
        for (QQuickItem *child : item->childItems())
            if (child->parent() != root)
                count += objectCount(child);
    }
    return count;
}

QStringList TestSupport::clippedControls(QQuickItem *screen) const
{
    if (!screen || !screen->window())
        return {QStringLiteral("no screen shown in a window")};
    const QQuickItem *content = screen->window()->contentItem();
    const QRectF device(0, 0, m_context->device()->screenWidth(), m_context->device()->screenHeight());
    FitWalk walk{content, QRectF(0, 0, content->width(), content->height()) & device, {}};
    const QRectF everywhere(-1e6, -1e6, 2e6, 2e6);
    walk.visit(screen, everywhere, 1.0);
    return walk.clipped;
}
QStringList TestSupport::unnamedControls(QQuickItem *screen) const
{
    // As with a screen reader running: controls fill in their roles only then.
    QAccessible::setActive(true);
    QStringList faults;
    if (screen)
        walkAccessible(screen, faults);
    return faults;
}
