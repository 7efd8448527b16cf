#include "homepreparation.h"

#include "appcontext.h"
#include "appview.h"
#include "homescreenmodel.h"
#include "roundedpicture.h"

#include <QQuickWindow>
#include <QThreadPool>

HomePreparation::HomePreparation(QQuickItem *parent) : QQuickItem(parent) {}

QList<HomePreparation::Picture> HomePreparation::firstFramePictures(qreal screenWidth, qreal devicePixelRatio)
{
    // The point sizes and corner radii the home screen's QML draws them at: grid tiles, dock,
    // suggestion panel and the Extras folder tile's miniatures. One that drifts from the QML only
    // costs a render at paint time, as without this preparation.
    QList<Picture> pictures;
    const auto add = [&pictures, devicePixelRatio](const QString &name, qreal points, qreal radius) {
        const Picture picture{name, (QSizeF(points, points) * devicePixelRatio).toSize(), radius * devicePixelRatio};
        if (!name.isEmpty() && !pictures.contains(picture))
            pictures.append(picture);
    };
    // Every app on the icon pages (the dock's four extra are cheap).
    for (int app = 0; app < AppView::Count; ++app)
        add(AppView::icon(app), 60, AppView::cornerRadius(app));
    for (const QVariant &app : HomeScreenModel::dockApps())
        add(AppView::icon(app.toInt()), 65, 20);
    for (const QVariant &suggestion : HomeScreenModel::suggestions())
        add(AppView::icon(suggestion.toMap().value(QStringLiteral("app")).toInt()), screenWidth / 7, 18);
    for (const QString &name : HomeScreenModel::folderMiniatures())
        add(name, 12, 3);
    return pictures;
}

void HomePreparation::itemChange(ItemChange change, const ItemChangeData &data)
{
    QQuickItem::itemChange(change, data);
    if (change != ItemSceneChange || !data.window || m_started)
        return;
    m_started = true;
    const QList<Picture> pictures =
        firstFramePictures(AppContext::current() ? AppContext::current()->device()->screenWidth() : data.window->width(),
                           data.window->effectiveDevicePixelRatio());
    QThreadPool::globalInstance()->start([pictures] {
        for (const Picture &picture : pictures)
            RoundedPicture::picture(picture.name, picture.size, picture.radius);
    });
}
