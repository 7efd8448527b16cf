#pragma once

#include "imagecache.h"
#include "imageerror.h"
#include "imageloader.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>
#include <memory>

// The loading model of one remote picture view: starts and cancels a load through the shared
// image loader and publishes the picture, its bytes, where it came from, the error, and
// progress. It keeps the running load weakly and the load's callbacks keep it weakly, so a
// model that has gone away receives nothing. Cancelled loads publish nothing.
class ImageManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QImage image READ image NOTIFY imageChanged)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY imageChanged)
    Q_PROPERTY(QByteArray imageData READ imageData NOTIFY imageDataChanged)
    Q_PROPERTY(ImageCache::CacheType cacheType READ cacheType NOTIFY cacheTypeChanged)
    Q_PROPERTY(ImageError error READ error NOTIFY errorChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(bool isIncremental READ isIncremental NOTIFY isIncrementalChanged)
    Q_PROPERTY(bool isFirstLoad READ isFirstLoad NOTIFY isFirstLoadChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(ImageLoader *manager READ manager WRITE setManager NOTIFY managerChanged)

public:
    // Uses the application's shared loader unless given another.
    explicit ImageManager(QObject *parent = nullptr);
    ~ImageManager() override;

    QImage image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }
    QByteArray imageData() const { return m_imageData; }
    ImageCache::CacheType cacheType() const { return m_cacheType; }
    ImageError error() const { return m_error; }
    bool isLoading() const { return m_isLoading; }
    double progress() const { return m_progress; }
    bool isIncremental() const { return m_isIncremental; }
    bool isFirstLoad() const { return m_isFirstLoad; }
    QUrl url() const { return m_url; }
    // A new address stops the running load and starts the model over, as a new view would.
    void setUrl(const QUrl &url);
    ImageLoader *manager() const { return m_manager; }
    void setManager(ImageLoader *manager);
    void setOptions(ImageLoader::Options options) { m_options = options; }
    void setContext(const QVariantMap &context) { m_context = context; }
    // The running load, if any (weak: the loader owns it).
    std::shared_ptr<ImageLoadOperation> currentOperation() const { return m_currentOperation.lock(); }

    // Starts a load unless one is running.
    Q_INVOKABLE void load();
    // Stops the running load, if any.
    Q_INVOKABLE void cancel();

signals:
    void imageChanged();
    void imageDataChanged();
    void cacheTypeChanged();
    void errorChanged();
    void isLoadingChanged();
    void progressChanged();
    void isIncrementalChanged();
    void isFirstLoadChanged();
    void urlChanged();
    void managerChanged();
    // The three callbacks: a picture arrived, the load failed, bytes arrived.
    void succeeded(const QImage &image, const QByteArray &data, ImageCache::CacheType cacheType);
    void failed(const ImageError &error);
    void progressed(qint64 received, qint64 expected);

private:
    void complete(const QImage &image, const QByteArray &data, const ImageError &error,
                  ImageCache::CacheType cacheType, bool finished);
    void reportProgress(qint64 received, qint64 expected);
    void setImage(const QImage &image);
    void setImageData(const QByteArray &data);
    void setCacheType(ImageCache::CacheType type);
    void setError(const ImageError &error);
    void setIsLoading(bool loading);
    void setProgress(double progress);
    void setIsIncremental(bool incremental);
    void setIsFirstLoad(bool firstLoad);

    QImage m_image;
    QByteArray m_imageData;
    ImageCache::CacheType m_cacheType = ImageCache::CacheType::None;
    ImageError m_error;
    bool m_isLoading = false;
    double m_progress = 0;
    bool m_isIncremental = false;
    QPointer<ImageLoader> m_manager;
    std::weak_ptr<ImageLoadOperation> m_currentOperation;
    bool m_isFirstLoad = true;
    QUrl m_url;
    ImageLoader::Options m_options;
    QVariantMap m_context;
};
