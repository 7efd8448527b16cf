#include "imagemanager.h"

ImageManager::ImageManager(QObject *parent) : QObject(parent), m_manager(ImageLoader::shared()) {}

ImageManager::~ImageManager() = default;

void ImageManager::setUrl(const QUrl &url)
{
    if (url == m_url)
        return;
    cancel();
    m_url = url;
    setImage({});
    setImageData({});
    setCacheType(ImageCache::CacheType::None);
    setError({});
    setProgress(0);
    setIsIncremental(false);
    setIsFirstLoad(true);
    emit urlChanged();
}

void ImageManager::setManager(ImageLoader *manager)
{
    if (manager == m_manager)
        return;
    cancel();
    m_manager = manager;
    emit managerChanged();
}

void ImageManager::load()
{
    setIsFirstLoad(false);
    if (auto running = m_currentOperation.lock(); running && running->isRunning())
        return;
    if (!m_manager)
        return;
    setIsLoading(true);
    QPointer<ImageManager> self(this);
    // The loader reports progress and completion on its own thread, the GUI thread.
    auto operation = m_manager->loadImage(
        m_url, m_options, m_context,
        [self](qint64 received, qint64 expected, const QUrl &) {
            if (self)
                self->reportProgress(received, expected);
        },
        [self](const QImage &image, const QByteArray &data, const ImageError &error, ImageCache::CacheType cacheType,
               bool finished, const QUrl &) {
            if (self)
                self->complete(image, data, error, cacheType, finished);
        });
    // A memory hit has completed already; keep only a load that is still running.
    if (operation->isRunning())
        m_currentOperation = operation;
    else
        m_currentOperation.reset();
}

void ImageManager::cancel()
{
    auto running = m_currentOperation.lock();
    if (!running || !running->isRunning())
        return;
    running->cancel();
    m_currentOperation.reset();
    setIsLoading(false);
}

void ImageManager::complete(const QImage &image, const QByteArray &data, const ImageError &error,
                            ImageCache::CacheType cacheType, bool finished)
{
    if (error.isCancelled())
        return;
    setImage(image);
    setError(error);
    setIsIncremental(!finished);
    if (!finished)
        return;
    setImageData(data);
    setCacheType(cacheType);
    setIsLoading(false);
    setProgress(1.0);
    if (!image.isNull())
        emit succeeded(image, data, cacheType);
    else
        emit failed(error);
}

void ImageManager::reportProgress(qint64 received, qint64 expected)
{
    setProgress(expected < 1 ? 0.0 : double(received) / double(expected));
    emit progressed(received, expected);
}

void ImageManager::setImage(const QImage &image)
{
    if (image.isNull() && m_image.isNull())
        return;
    m_image = image;
    emit imageChanged();
}

void ImageManager::setImageData(const QByteArray &data)
{
    if (data.isNull() && m_imageData.isNull())
        return;
    m_imageData = data;
    emit imageDataChanged();
}

void ImageManager::setCacheType(ImageCache::CacheType type)
{
    if (type == m_cacheType)
        return;
    m_cacheType = type;
    emit cacheTypeChanged();
}

void ImageManager::setError(const ImageError &error)
{
    if (error.isNull() && m_error.isNull())
        return;
    m_error = error;
    emit errorChanged();
}

void ImageManager::setIsLoading(bool loading)
{
    if (loading == m_isLoading)
        return;
    m_isLoading = loading;
    emit isLoadingChanged();
}

void ImageManager::setProgress(double progress)
{
    if (progress == m_progress)
        return;
    m_progress = progress;
    emit progressChanged();
}

void ImageManager::setIsIncremental(bool incremental)
{
    if (incremental == m_isIncremental)
        return;
    m_isIncremental = incremental;
    emit isIncrementalChanged();
}

void ImageManager::setIsFirstLoad(bool firstLoad)
{
    if (firstLoad == m_isFirstLoad)
        return;
    m_isFirstLoad = firstLoad;
    emit isFirstLoadChanged();
}
