#include "homepreparation.h"

#include "appcontext.h"
#include "appview.h"
#include "homescreenmodel.h"
#include "roundedpicture.h"

#include <QQuickWindow>
#include <QThreadPool>

HomePreparation::HomePreparation(QQuickItem *parent) : QQuickItem(parent) {}

QList<QPair<QString, QSize>> HomePreparation::firstFramePictures(qreal screenWidth, qreal devicePixelRatio)
{
    // The point sizes the home screen's QML draws them at: grid tiles, dock, suggestion panel
    // and the Extras folder tile's miniatures. A size that drifts from the QML only costs a
    // render at paint time, as without this preparation.
    const auto pixels = [devicePixelRatio](qreal points) {
        return (QSizeF(points, points) * devicePixelRatio).toSize();
    };
    QList<QPair<QString, QSize>> pictures;
    const auto add = [&pictures](const QString &name, QSize size) {
        if (!name.isEmpty() && !pictures.contains(qMakePair(name, size)))
            pictures.append({name, size});
    };
    // Every app on the icon pages (the dock's four extra are cheap).
    for (int app = 0; app < AppView::Count; ++app)
        add(AppView::icon(app), pixels(60));
    for (const QVariant &app : HomeScreenModel::dockApps())
        add(AppView::icon(app.toInt()), pixels(65));
    for (const QVariant &suggestion : HomeScreenModel::suggestions())
        add(AppView::icon(suggestion.toMap().value(QStringLiteral("app")).toInt()), pixels(screenWidth / 7));
    for (const QString &name : HomeScreenModel::folderMiniatures())
        add(name, pixels(12));
    return pictures;
}

void HomePreparation::itemChange(ItemChange change, const ItemChangeData &data)
{
    QQuickItem::itemChange(change, data);
    if (change != ItemSceneChange || !data.window || m_started)
        return;
    m_started = true;
    const QList<QPair<QString, QSize>> pictures =
        firstFramePictures(AppContext::current() ? AppContext::current()->device()->screenWidth() : data.window->width(),
                           data.window->effectiveDevicePixelRatio());
    // The corner radii the same QML gives each of those sizes; one that drifts only costs a
    // render at paint time.
    const qreal ratio = data.window->effectiveDevicePixelRatio();
    QThreadPool::globalInstance()->start([pictures, ratio] {
        for (const auto &[name, size] : pictures) {
            const int points = qRound(size.width() / ratio);
            int radius = points == 65 ? 20 : points == 12 ? 3 : 18; // dock, folder tile, suggestions
            for (int app = 0; points == 60 && app < AppView::Count; ++app)
                if (AppView::icon(app) == name)
                    radius = AppView::cornerRadius(app);
            RoundedPicture::picture(name, size, radius * ratio);
        }
    });
}
