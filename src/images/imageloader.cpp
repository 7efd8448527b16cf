#include "imageloader.h"

#include "urlerrors.h"

#include <QMutexLocker>
#include <QThread>
#include <utility>

namespace {
QPointer<ImageLoader> g_shared;

ImageError cancelled(const char *message)
{
    return ImageError::image(ImageError::Cancelled, QString::fromLatin1(message));
}
} // namespace

void ImageLoadOperation::cancel()
{
    if (m_finished || m_cancelled.exchange(true))
        return;
    ImageLoader *loader = m_loader.data();
    if (!loader)
        return;
    auto self = shared_from_this();
    if (QThread::currentThread() == loader->thread())
        loader->cancel(self);
    else
        QMetaObject::invokeMethod(loader, [loader, self] { loader->cancel(self); }, Qt::QueuedConnection);
}

ImageLoader::ImageLoader(ImageCache *cache, ImageDownloader *downloader, QObject *parent)
    : QObject(parent), m_cache(cache), m_downloader(downloader)
{
}

ImageLoader::~ImageLoader()
{
    cancelAll();
    if (g_shared == this)
        g_shared = nullptr;
}

ImageLoader *ImageLoader::shared() { return g_shared.data(); }

void ImageLoader::setShared(ImageLoader *loader) { g_shared = loader; }

QString ImageLoader::cacheKey(const QUrl &url) { return url.toString(QUrl::FullyEncoded); }

std::shared_ptr<ImageLoadOperation> ImageLoader::loadImage(const QUrl &url, Options options, const QVariantMap &context,
                                                           Progress progress, Completion completion)
{
    Q_UNUSED(context) // no context-dependent behaviour (transformers, custom coders) is offered
    auto operation = std::make_shared<ImageLoadOperation>();
    operation->m_url = url;
    operation->m_loader = this;
    operation->m_completion = std::move(completion);
    if (QThread::currentThread() == thread()) {
        start(operation, options, progress);
    } else {
        // Completions must arrive on this thread: start there.
        QMetaObject::invokeMethod(this, [this, operation, options, progress] { start(operation, options, progress); },
                                  Qt::QueuedConnection);
    }
    return operation;
}

void ImageLoader::start(const std::shared_ptr<ImageLoadOperation> &operation, Options options, const Progress &progress)
{
    if (operation->m_cancelled) {
        finish(operation, {}, {}, cancelled(ImageError::CancelledQuerying), ImageCache::CacheType::None);
        return;
    }
    const QUrl url = operation->m_url;
    if (url.isEmpty()) {
        finish(operation, {}, {}, ImageError::image(ImageError::InvalidUrl, QString::fromLatin1(ImageError::UrlIsNil)),
               ImageCache::CacheType::None);
        return;
    }
    if (!(options & RetryFailed) && isFailedUrl(url)) {
        finish(operation, {}, {},
               ImageError::image(ImageError::BlackListed, QString::fromLatin1(ImageError::UrlBlacklisted)),
               ImageCache::CacheType::None);
        return;
    }
    if (!m_cache || !m_downloader) // only while the application context is being torn down
        return finish(operation, {}, {}, cancelled(ImageError::CancelledQuerying), ImageCache::CacheType::None);
    {
        QMutexLocker lock(&m_runningLock);
        m_running.insert(operation.get(), operation);
    }
    QPointer<ImageLoader> self(this);
    auto query = m_cache->queryImage(
        cacheKey(url), [self, operation, options, progress](const QImage &image, const QByteArray &data,
                                                            ImageCache::CacheType cacheType) {
            operation->m_query.reset();
            if (!self || !operation->isRunning())
                return;
            if (!image.isNull())
                self->finish(operation, image, data, {}, cacheType);
            else
                self->download(operation, options, progress);
        });
    if (operation->isRunning())
        operation->m_query = std::move(query);
}

void ImageLoader::download(const std::shared_ptr<ImageLoadOperation> &operation, Options options,
                           const Progress &progress)
{
    if (!m_downloader)
        return finish(operation, {}, {}, cancelled(ImageError::CancelledBeforeSending), ImageCache::CacheType::None);
    QPointer<ImageLoader> self(this);
    operation->m_download = m_downloader->downloadImage(
        operation->m_url, progress,
        [self, operation, options](const QImage &image, const QByteArray &data, const ImageError &error, bool) {
            if (self)
                self->downloaded(operation, options, image, data, error);
        });
}

void ImageLoader::downloaded(const std::shared_ptr<ImageLoadOperation> &operation, Options options,
                             const QImage &image, const QByteArray &data, const ImageError &error)
{
    operation->m_download.reset();
    const QUrl url = operation->m_url;
    if (!error.isNull()) {
        if (UrlErrors::blocksUrl(error)) {
            QMutexLocker lock(&m_failedLock);
            m_failed.insert(url);
        }
        finish(operation, {}, {}, error, ImageCache::CacheType::None);
        return;
    }
    if (options & RetryFailed) {
        QMutexLocker lock(&m_failedLock);
        m_failed.remove(url);
    }
    if (m_cache)
        m_cache->storeImage(image, data, cacheKey(url));
    finish(operation, image, data, {}, ImageCache::CacheType::None);
}

void ImageLoader::cancel(const std::shared_ptr<ImageLoadOperation> &operation)
{
    if (operation->m_finished)
        return;
    if (auto token = std::exchange(operation->m_download, nullptr)) {
        // The downloader reports the cancellation through the share's completion.
        if (m_downloader)
            m_downloader->cancel(token);
        finish(operation, {}, {}, cancelled(ImageError::CancelledSending), ImageCache::CacheType::None);
        return;
    }
    if (auto query = std::exchange(operation->m_query, nullptr))
        query->cancel();
    finish(operation, {}, {}, cancelled(ImageError::CancelledQuerying), ImageCache::CacheType::None);
}

void ImageLoader::cancelAll()
{
    QList<std::shared_ptr<ImageLoadOperation>> operations;
    {
        QMutexLocker lock(&m_runningLock);
        operations = m_running.values();
    }
    for (const auto &operation : operations) {
        operation->m_cancelled = true;
        cancel(operation);
    }
}

bool ImageLoader::isFailedUrl(const QUrl &url) const
{
    QMutexLocker lock(&m_failedLock);
    return m_failed.contains(url);
}

int ImageLoader::runningOperationCount() const
{
    QMutexLocker lock(&m_runningLock);
    return int(m_running.size());
}

void ImageLoader::finish(const std::shared_ptr<ImageLoadOperation> &operation, const QImage &image,
                         const QByteArray &data, const ImageError &error, ImageCache::CacheType cacheType)
{
    if (operation->m_finished.exchange(true))
        return;
    operation->m_query.reset();
    operation->m_download.reset();
    {
        QMutexLocker lock(&m_runningLock);
        m_running.remove(operation.get());
    }
    if (auto completion = std::move(operation->m_completion))
        completion(image, data, error, cacheType, true, operation->m_url);
}
