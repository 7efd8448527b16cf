#include "choosenewwallpapermodel.h"

#include "appcontext.h"
#include "customphoto.h"

#include <QDir>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

ChooseNewWallpaperModel::ChooseNewWallpaperModel(QObject *parent) : QObject(parent)
{
    // The watcher delivers on this object's (the GUI) thread.
    connect(&m_watcher, &QFutureWatcher<QImage>::finished, this, [this] {
        emit loadingChanged();
        if (!m_watcher.isCanceled())
            picked(m_watcher.result());
    });
}

QUrl ChooseNewWallpaperModel::picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QUrl::fromLocalFile(QDir(pictures).exists() ? pictures : QDir::homePath());
}

void ChooseNewWallpaperModel::pick(const QUrl &file)
{
    if (!file.isLocalFile() || m_setWallpaper || m_watcher.isRunning())
        return;
    const DeviceInfo *device = AppContext::current()->device();
    const QSize screenPixels(qRound(device->screenWidth() * device->scale()),
                             qRound(device->screenHeight() * device->scale()));
    m_watcher.setFuture(QtConcurrent::run(customphoto::read, file.toLocalFile(), screenPixels));
    emit loadingChanged();
}

void ChooseNewWallpaperModel::picked(const QImage &picture)
{
    m_inputImage = picture;
    emit inputImageChanged();
    // Kept at once, so the Set page's preview reads it even if the user then cancels there.
    AppContext::current()->wallpapers()->saveWallpaperFile(
        QStringLiteral("CustomWallpaper"), picture.isNull() ? customphoto::builtinWallpaper() : picture);
    m_setWallpaper = true;
    emit SetWallpaperChanged();
}
