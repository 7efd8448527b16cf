#pragma once

#include "imagecache.h"
#include "imagedownloader.h"
#include "imageerror.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QHash>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>
#include <atomic>
#include <functional>
#include <memory>

class ImageLoader;

// One load of one picture: first a cache query, then perhaps a download. Cancelling it stops
// whichever is running; its completion then reports 2002.
class ImageLoadOperation : public std::enable_shared_from_this<ImageLoadOperation>
{
public:
    QUrl url() const { return m_url; }
    bool isCancelled() const { return m_cancelled; }
    bool isFinished() const { return m_finished; }
    bool isRunning() const { return !m_cancelled && !m_finished; }
    // Safe from any thread; the work is stopped on the loader's thread.
    void cancel();

private:
    friend class ImageLoader;
    QUrl m_url;
    QPointer<ImageLoader> m_loader;
    std::atomic_bool m_cancelled{false};
    std::atomic_bool m_finished{false};
    std::shared_ptr<ImageCacheQuery> m_query; // while the cache is asked
    std::shared_ptr<ImageDownloadToken> m_download; // while the network is asked
    std::function<void(const QImage &, const QByteArray &, const ImageError &, ImageCache::CacheType, bool, const QUrl &)> m_completion;
};

// The shared image manager: loads a picture by URL through the image cache (memory, then
// disk) and the downloader, stores what it downloads in both cache levels, and remembers URLs
// whose failure says they will never work, refusing them for the rest of the run. Completions
// arrive on the loader's (the GUI) thread: during the call for a memory hit, later otherwise.
class ImageLoader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")

public:
    enum Option {
        RetryFailed = 1 << 0, // load a URL even if it failed before, and forget its failure on success
    };
    Q_DECLARE_FLAGS(Options, Option)

    using Progress = ImageDownloader::Progress;
    using Completion = std::function<void(const QImage &image, const QByteArray &data, const ImageError &error,
                                          ImageCache::CacheType cacheType, bool finished, const QUrl &url)>;

    ImageLoader(ImageCache *cache, ImageDownloader *downloader, QObject *parent = nullptr);
    ~ImageLoader() override;

    // The application's shared instance (set by the application context), or null.
    static ImageLoader *shared();
    static void setShared(ImageLoader *loader);

    // The cache key of a picture: its URL's absolute string.
    static QString cacheKey(const QUrl &url);

    std::shared_ptr<ImageLoadOperation> loadImage(const QUrl &url, Options options, const QVariantMap &context,
                                                  Progress progress, Completion completion);
    std::shared_ptr<ImageLoadOperation> loadImage(const QUrl &url, Completion completion)
    {
        return loadImage(url, {}, {}, {}, std::move(completion));
    }
    void cancelAll();

    bool isFailedUrl(const QUrl &url) const;
    int runningOperationCount() const;

    ImageCache *imageCache() const { return m_cache; }
    ImageDownloader *imageDownloader() const { return m_downloader; }

private:
    friend class ImageLoadOperation;
    void start(const std::shared_ptr<ImageLoadOperation> &operation, Options options, const Progress &progress);
    void download(const std::shared_ptr<ImageLoadOperation> &operation, Options options, const Progress &progress);
    void cancel(const std::shared_ptr<ImageLoadOperation> &operation);
    void finish(const std::shared_ptr<ImageLoadOperation> &operation, const QImage &image, const QByteArray &data,
                const ImageError &error, ImageCache::CacheType cacheType);

    void downloaded(const std::shared_ptr<ImageLoadOperation> &operation, Options options, const QImage &image,
                    const QByteArray &data, const ImageError &error);

    QPointer<ImageCache> m_cache;
    QPointer<ImageDownloader> m_downloader;
    // Load and cancel may come from any thread, so each set has a lock of its own.
    mutable QMutex m_runningLock;
    QHash<ImageLoadOperation *, std::shared_ptr<ImageLoadOperation>> m_running;
    mutable QMutex m_failedLock;
    QSet<QUrl> m_failed;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ImageLoader::Options)
