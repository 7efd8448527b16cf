#include "imagecache.h"

#include "diskcache.h"
#include "imagedecoder.h"
#include "memorycache.h"
#include "ownerinbox.h"
#include "workqueue.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

ImageCache::ImageCache(const QString &cachesDirectory, const QString &nameSpace, const ImageCacheConfig &config,
                       QObject *parent)
    : QObject(parent),
      m_config(config),
      m_diskCachePath(QDir(cachesDirectory).filePath(QString::fromLatin1(QueueName) + QLatin1Char('/') + nameSpace)),
      m_memory(config.memoryCacheClass(config)),
      m_disk(config.diskCacheClass(m_diskCachePath, config)),
      m_results(std::make_unique<OwnerInbox>(this)),
      m_io(std::make_unique<WorkQueue>(QString::fromLatin1(QueueName)))
{
    // Leaving the foreground: on the desktop the window losing focus or being minimised.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive && m_config.shouldRemoveExpiredDataWhenEnterBackground)
                removeExpiredData();
        });
    }
    if (auto *app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            if (m_config.shouldRemoveExpiredDataWhenTerminate)
                removeExpiredData();
        });
    }
    // What a crash in the middle of a write left behind goes at once, not only at the next expiry.
    onIo([this] { m_disk->removeStaleTemporaries(QDateTime::currentDateTimeUtc()); });
}

ImageCache::~ImageCache()
{
    // Queued work (a store, the expiry pass on quit) finishes before the thread stops.
    m_io.reset();
}

QString ImageCache::cachePath(const QString &key) const { return QDir(m_diskCachePath).filePath(DiskCache::fileName(key)); }

void ImageCache::setConfig(const ImageCacheConfig &config)
{
    m_config = config;
    m_memory->setConfig(config);
    onIo([this, config] { m_disk->setConfig(config); });
}

std::shared_ptr<ImageCacheQuery> ImageCache::queryImage(const QString &key, QueryCompletion completion)
{
    auto query = std::make_shared<ImageCacheQuery>();
    if (key.isEmpty()) {
        completion({}, {}, CacheType::None);
        return query;
    }
    if (const QImage image = m_memory->image(key); !image.isNull()) {
        completion(image, {}, CacheType::Memory);
        return query;
    }
    const bool cacheInMemory = m_config.shouldCacheImagesInMemory;
    ++m_queriesQueued;
    onIo([this, key, query, completion = std::move(completion), cacheInMemory]() mutable {
        // While more queries wait behind this one, its answer waits for theirs: one wake-up of
        // the owner for a screenful of hits.
        const bool more = --m_queriesQueued > 0;
        if (query->isCancelled()) {
            if (!more)
                m_results->release();
            return;
        }
        QByteArray data = m_disk->data(key);
        QImage image;
        if (!data.isEmpty()) {
            image = ImageDecoder::decode(data).image;
            if (image.isNull())
                data.clear(); // unreadable bytes are a miss; the next download replaces them
            else if (cacheInMemory)
                m_memory->insert(key, image);
        }
        m_results->post(
            [query = std::move(query), completion = std::move(completion), image = std::move(image),
             data = std::move(data)] {
                if (!query->isCancelled())
                    completion(image, data, image.isNull() ? CacheType::None : CacheType::Disk);
            },
            more && !image.isNull()); // a miss goes at once: its download should start
    });
    return query;
}

QImage ImageCache::imageFromMemory(const QString &key) const { return m_memory->image(key); }

void ImageCache::storeImage(const QImage &image, const QByteArray &data, const QString &key, bool toMemory,
                            bool toDisk, std::function<void()> completion)
{
    if (key.isEmpty() || image.isNull()) {
        if (completion)
            completion();
        return;
    }
    if (toMemory && m_config.shouldCacheImagesInMemory)
        m_memory->insert(key, image);
    if (!toDisk) {
        if (completion)
            completion();
        return;
    }
    onIo([this, image, data, key, completion = std::move(completion)] {
        QByteArray bytes = data;
        if (bytes.isEmpty()) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        m_disk->store(bytes, key);
        if (completion)
            onOwner(completion);
    });
}

void ImageCache::removeImage(const QString &key, bool fromDisk, std::function<void()> completion)
{
    m_memory->remove(key);
    if (!fromDisk) {
        if (completion)
            completion();
        return;
    }
    onIo([this, key, completion = std::move(completion)] {
        m_disk->remove(key);
        if (completion)
            onOwner(completion);
    });
}

void ImageCache::clearMemory() { m_memory->clear(); }

void ImageCache::clearDisk(std::function<void()> completion)
{
    onIo([this, completion = std::move(completion)] {
        m_disk->clear();
        if (completion)
            onOwner(completion);
    });
}

void ImageCache::removeExpiredData(std::function<void()> completion)
{
    // Focus changes can ask many times in a row; one pending pass answers them all.
    if (m_expiryQueued.exchange(true) && !completion)
        return;
    onIo([this, completion = std::move(completion)] {
        m_expiryQueued = false;
        m_disk->removeExpiredData();
        if (completion)
            onOwner(completion);
    });
}

void ImageCache::didReceiveMemoryWarning() { m_memory->didReceiveMemoryWarning(); }

void ImageCache::waitForDisk() { m_io->waitForIdle(); }

void ImageCache::onIo(std::function<void()> task) { m_io->post(std::move(task)); }

void ImageCache::onOwner(std::function<void()> task) { m_results->post(std::move(task)); }
