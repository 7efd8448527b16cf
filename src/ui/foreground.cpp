#include "foreground.h"

#include <QQuickItem>
#include <QtQml/qqml.h>

ForegroundAttached::ForegroundAttached(QObject *owner) : QObject(owner) {}

QColor ForegroundAttached::color() const
{
    if (m_color.isValid())
        return m_color;
    // Read at creation: the nearest ancestor that set a colour decides; the platform default is black.
    for (QObject *node = parent(); node;) {
        QObject *up = nullptr;
        if (auto *item = qobject_cast<QQuickItem *>(node))
            up = item->parentItem() ? static_cast<QObject *>(item->parentItem()) : item->parent();
        else
            up = node->parent();
        if (up) {
            auto *attached = qobject_cast<ForegroundAttached *>(qmlAttachedPropertiesObject<Foreground>(up, false));
            if (attached && attached->m_color.isValid())
                return attached->m_color;
        }
        node = up;
    }
    return QColor(Qt::black);
}

void ForegroundAttached::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
}
