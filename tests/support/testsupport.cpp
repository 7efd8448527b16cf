#include "testsupport.h"

#include "appcontext.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>

namespace {

// The fit check allows half a point: text and symbol layouts land on fractional positions.
constexpr qreal Slack = 0.5;

bool isText(const QQuickItem *item)
{
    return item->inherits("QQuickText") || item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}

bool hasTapHandler(const QQuickItem *item)
{
    for (const QObject *child : item->children())
        if (child->inherits("QQuickTapHandler"))
            return true;
    return false;
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

QString typeName(const QObject *object)
{
    QString name = QString::fromLatin1(object->metaObject()->className()).section(QStringLiteral("_QML"), 0, 0);
    return name.startsWith(QLatin1String("QQuick")) ? name.mid(6) : name;
}

QString describe(const QQuickItem *item, const QRectF &rect)
{
    QString line = item->objectName().isEmpty() ? typeName(item) : item->objectName();
    QString text = item->property("text").toString();
    // A symbol's glyph is a private-use character; its name says more.
    if (!text.isEmpty() && QChar::category(text.toUcs4().constFirst()) == QChar::Other_PrivateUse)
        text = item->parentItem() ? item->parentItem()->property("name").toString() : QString();
    if (!text.isEmpty())
        line += QStringLiteral(" \"%1\"").arg(text.left(40));
    if (item->objectName().isEmpty()) {
        for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem())
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

} // namespace

TestSupport::TestSupport(AppContext *context, QObject *parent) : QObject(parent), m_context(context) {}

QString TestSupport::dataRoot() const { return m_context->dataRoot(); }

void TestSupport::clearSettings() { m_context->settings()->clear(); }

void TestSupport::setSetting(const QString &key, const QVariant &value)
{
    m_context->settings()->setValue(key, value);
}

QVariant TestSupport::storedSetting(const QString &key) const
{
    QSettings raw(m_context->settings()->filePath(), QSettings::IniFormat);
    return raw.value(key);
}

void TestSupport::setNow(const QString &isoLocalTime)
{
    m_context->clock()->setFixedNow(isoLocalTime.isEmpty() ? QDateTime()
                                                           : QDateTime::fromString(isoLocalTime, Qt::ISODate));
}

QStringList TestSupport::handOffs() const { return m_context->urlOpener()->handOffs(); }

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
