// Remote picture loading against plain baselines, every figure measured in this run:
//   memory hit          vs  a plain QImage load of the same file
//   disk hit (60x60)    vs  a plain QImage load of the same file          goal: at most 1.3x
//   200 icons, cold     vs  a naive loader (download, decode, next)      goal: at least 3x faster
//   200 icons, warm     vs  the same naive loader
// The loopback server answers after a simulated network round trip (default 10 ms; first
// argument to change it), as a real icon server would; both loaders see the same server.
#include "imagecache.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "loopbackserver.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int IconCount = 200;

QByteArray pngOf(int size, QColor colour, int seed)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(colour);
    for (int y = 0; y < size; y += 3) // some detail, so the PNG is not trivially small
        for (int x = (y + seed) % 5; x < size; x += 5)
            picture.setPixelColor(x, y, QColor::fromHsv((x * 7 + y * 3 + seed * 11) % 360, 180, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// Median wall time in microseconds of `runs` calls.
double median(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Medians of both, measured alternately so that a busy machine slows both alike.
std::pair<double, double> compare(int runs, const std::function<void()> &ours, const std::function<void()> &theirs)
{
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(median(1, ours));
        b.push_back(median(1, theirs));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

void waitUntil(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void report(const char *what, double ours, const char *baseline, double theirs, const char *goal)
{
    std::printf("%-34s %10.1f us   %-26s %10.1f us   ratio %.2fx%s\n", what, ours, baseline, theirs, ours / theirs, goal);
}

struct Stack {
    explicit Stack(const QString &cacheRoot, const ImageCacheConfig &config = {})
        : cache(cacheRoot, QStringLiteral("default"), config), downloader(ImageDownloaderConfig(), "bench/1.0"),
          loader(&cache, &downloader)
    {
    }
    ImageCache cache;
    ImageDownloader downloader;
    ImageLoader loader;
};

// Loads every URL at once through the loader and waits for all of them.
void loadAll(ImageLoader &loader, const QList<QUrl> &urls)
{
    int remaining = int(urls.size());
    int failed = 0;
    for (const QUrl &url : urls) {
        loader.loadImage(url, [&remaining, &failed](const QImage &image, const QByteArray &, const ImageError &,
                                                    ImageCache::CacheType, bool, const QUrl &) {
            --remaining;
            failed += image.isNull();
        });
    }
    waitUntil([&remaining] { return remaining == 0; });
    if (failed)
        std::printf("  (%d loads failed)\n", failed);
}

// The naive baseline: one request at a time, decoded on the spot.
void loadOneAtATime(QNetworkAccessManager &network, const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        QNetworkReply *reply = network.get(QNetworkRequest(url));
        waitUntil([reply] { return reply->isFinished(); });
        const QImage image = QImage::fromData(reply->readAll());
        if (image.isNull())
            std::printf("  (naive load of %s failed)\n", qPrintable(url.toString()));
        reply->deleteLater();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int latencyMs = argc > 1 ? std::max(0, QByteArray(argv[1]).toInt()) : 10;
    QTemporaryDir work;

    // --- hits of one 60 x 60 icon ---
    const QByteArray icon = pngOf(60, Qt::darkCyan, 1);
    const QString iconFile = work.filePath("icon.png");
    {
        QFile file(iconFile);
        file.open(QIODevice::WriteOnly);
        file.write(icon);
    }
    const QUrl iconUrl(QStringLiteral("http://icons.invalid/TesselIcon.png"));
    const double plainLoad = median(2001, [&iconFile] {
        const QImage image(iconFile);
        Q_UNUSED(image)
    });

    {
        Stack memory(work.filePath("memory"));
        memory.cache.storeImage(QImage(iconFile), icon, ImageLoader::cacheKey(iconUrl), true, false);
        const double hit = median(2001, [&memory, &iconUrl] {
            bool hit = false;
            memory.loader.loadImage(iconUrl, [&hit](const QImage &image, const QByteArray &, const ImageError &,
                                                    ImageCache::CacheType type, bool, const QUrl &) {
                hit = !image.isNull() && type == ImageCache::CacheType::Memory;
            });
            if (!hit)
                std::printf("  (memory miss)\n");
        });
        report("memory hit", hit, "plain QImage load", plainLoad, "");
    }
    {
        // Without the memory level every query goes to the disk.
        ImageCacheConfig diskOnly;
        diskOnly.shouldCacheImagesInMemory = false;
        Stack disk(work.filePath("disk"), diskOnly);
        disk.cache.storeImage(QImage(iconFile), icon, ImageLoader::cacheKey(iconUrl), false, true);
        disk.cache.waitForDisk();
        // One hit alone: its latency includes two thread hand-offs, most of it the GUI
        // thread's event loop waking up (the GUI thread is free meanwhile).
        const double alone = median(2001, [&disk, &iconUrl] {
            bool done = false;
            disk.loader.loadImage(iconUrl, [&done](const QImage &image, const QByteArray &, const ImageError &,
                                                   ImageCache::CacheType type, bool, const QUrl &) {
                done = true;
                if (image.isNull() || type != ImageCache::CacheType::Disk)
                    std::printf("  (disk miss)\n");
            });
            waitUntil([&done] { return done; });
        });
        // A screenful asking at once, as a list of icons does: the cost of each hit.
        constexpr int Batch = 200;
        const auto [batch, plainBatch] = compare(21, [&disk, &iconUrl] {
            int remaining = Batch;
            for (int i = 0; i < Batch; ++i) {
                disk.loader.loadImage(iconUrl, [&remaining](const QImage &image, const QByteArray &, const ImageError &,
                                                            ImageCache::CacheType type, bool, const QUrl &) {
                    --remaining;
                    if (image.isNull() || type != ImageCache::CacheType::Disk)
                        std::printf("  (disk miss)\n");
                });
            }
            waitUntil([&remaining] { return remaining == 0; });
        }, [&iconFile] {
            for (int i = 0; i < Batch; ++i) {
                const QImage image(iconFile);
                Q_UNUSED(image)
            }
        });
        report("disk hit, 60x60 PNG, 200 at once", batch / Batch, "plain QImage load", plainBatch / Batch,
               "   (goal <= 1.30x)");
        report("disk hit, 60x60 PNG, one alone", alone, "plain QImage load", plainLoad, "");
    }

    // --- 200 distinct icons over the loopback server ---
    LoopbackServer server;
    server.start();
    QList<QUrl> urls;
    for (int i = 0; i < IconCount; ++i) {
        const QByteArray path = "/icons/App" + QByteArray::number(i) + ".png";
        LoopbackServer::Response response;
        response.body = pngOf(60, QColor::fromHsv(i * 360 / IconCount, 200, 200), i);
        response.headers = {{"Content-Type", "image/png"}};
        response.delayMs = latencyMs;
        server.route(path, response);
        urls.append(server.url(QString::fromLatin1(path)));
    }
    std::printf("200 icons, server round trip %d ms:\n", latencyMs);

    QNetworkAccessManager naiveNetwork;
    int round = 0;
    const auto [cold, naive] = compare(3, [&work, &urls, &round] {
        Stack fresh(work.filePath(QStringLiteral("cold%1").arg(++round)));
        loadAll(fresh.loader, urls);
        fresh.cache.waitForDisk(); // the files written count too
    }, [&naiveNetwork, &urls] { loadOneAtATime(naiveNetwork, urls); });
    report("  cold: download, decode, store", cold, "naive one at a time", naive, "   (goal <= 0.33x)");
    {
        Stack filled(work.filePath("warm"));
        loadAll(filled.loader, urls);
        filled.cache.waitForDisk();
    }
    const double warm = median(3, [&work, &urls] {
        Stack relaunched(work.filePath("warm")); // memory empty, disk full
        loadAll(relaunched.loader, urls);
    });
    report("  warm from disk", warm, "naive one at a time", naive, "");
    std::printf("  naive loader is %.1fx slower than cold, %.1fx slower than warm\n", naive / cold, naive / warm);
    return 0;
}
