#include "appcontext.h"
#include "imagecache.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "imagemanager.h"
#include "imagetestdata.h"
#include "loopbackserver.h"
#include "servedloopback.h"
#include "tempdataroot.h"
#include "webimage.h"

#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Kestrel_ImagesPlugin)

using Response = LoopbackServer::Response;

namespace {

// Half red (left), half blue (right): shows which part of a picture is drawn where.
QImage twoColours(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height, Qt::red);
    return picture;
}

Response pngResponse(const QImage &picture, int delayMs = 0)
{
    return Response{200, ImageTestData::encoded(picture), {{"Content-Type", "image/png"}}, delayMs, false, false};
}

// A window with WebImage views made from QML, on a fresh application context, with a
// loopback server that outlives them.
struct Scene : ServedLoopback {
    Scene()
    {
        context = root.context();
        context->installInto(*view.engine());
        view.resize(100, 100);
        view.setColor(Qt::white);
    }
    ~Scene()
    {
        delete item;
        context->imageCache()->waitForDisk();
    }

    // Makes the QML (a WebImage as "image" somewhere inside) and puts it in the window.
    QQuickItem *make(const QString &body)
    {
        QQmlComponent component(view.engine());
        component.setData(("import QtQuick\nimport Kestrel.Images\n" + body).toUtf8(), QUrl());
        item = qobject_cast<QQuickItem *>(component.create());
        if (!item)
            qWarning() << component.errors();
        return item;
    }
    // One 60 x 60 view of `path` on this server.
    WebImage *makeImage(const QString &path, const QString &settings = QStringLiteral("resizable: true"))
    {
        make(QString("WebImage { objectName: 'image'; width: 60; height: 60; url: '%1'; %2 }").arg(url(path).toString(), settings));
        return image();
    }
    void show()
    {
        item->setParentItem(view.contentItem());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    WebImage *image(const QString &name = QStringLiteral("image")) const
    {
        return find(item, name);
    }
    // Through the visual tree: views made by a Repeater have no QObject parent.
    static WebImage *find(QQuickItem *under, const QString &name)
    {
        if (!under)
            return nullptr;
        if (under->objectName() == name)
            return qobject_cast<WebImage *>(under);
        for (QQuickItem *child : under->childItems()) {
            if (WebImage *found = find(child, name))
                return found;
        }
        return nullptr;
    }
    QUrl url(const QString &path) const { return server.url(path); }

    TempDataRoot root;
    AppContext *context = nullptr;
    QQuickView view;
    QQuickItem *item = nullptr;
};

} // namespace

class TestWebImage : public QObject
{
    Q_OBJECT

private slots:
    void memoryHitAppearsInTheFirstLayoutPass()
    {
        Scene scene;
        const QUrl url = scene.url("/icons/Cached.png");
        scene.context->imageCache()->storeImage(ImageTestData::image(10, 10, Qt::red), {}, ImageLoader::cacheKey(url),
                                                true, false);
        WebImage *image = scene.makeImage("/icons/Cached.png");
        QVERIFY(image);
        // Before any event has been processed: the view was made with its picture.
        QVERIFY(image->hasImage());
        QCOMPARE(image->imageManager()->cacheType(), ImageCache::CacheType::Memory);
        QVERIFY(!image->imageManager()->isLoading());
        scene.show();
        QCOMPARE(scene.view.grabWindow().pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(scene.server.requests().size(), 0);
    }

    void viewWithoutAddressIsAnEmptyPlaceholderOfItsSize()
    {
        Scene scene;
        scene.make("Rectangle { color: 'white'; width: 100; height: 100\n"
                   "  WebImage { objectName: 'image'; width: 40; height: 30; resizable: true } }");
        WebImage *image = scene.image();
        QVERIFY(image);
        scene.show();
        QVERIFY(!image->hasImage());
        QCOMPARE(image->imageManager()->error().code, int(ImageError::InvalidUrl));
        QCOMPARE(QSizeF(image->width(), image->height()), QSizeF(40, 30));
        QCOMPARE(scene.view.grabWindow().pixelColor(20, 15), QColor(Qt::white));
    }

    void picturesAreDrawnAsTheScreenLaysThemOut_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        // A 20 x 10 picture in a 60 x 60 view.
        const QString fit = "resizable: true; fillMode: WebImage.PreserveAspectFit";
        const QString crop = "resizable: true; fillMode: WebImage.PreserveAspectCrop";
        QTest::newRow("resizable stretches: left") << "resizable: true" << QPoint(5, 30) << QColor(Qt::red);
        QTest::newRow("resizable stretches: right") << "resizable: true" << QPoint(55, 30) << QColor(Qt::blue);
        QTest::newRow("own size, centred: outside") << "" << QPoint(10, 30) << QColor(Qt::white);
        QTest::newRow("own size, centred: inside") << "" << QPoint(25, 30) << QColor(Qt::red);
        QTest::newRow("fit leaves bands") << fit << QPoint(30, 5) << QColor(Qt::white);
        QTest::newRow("fit fills the width") << fit << QPoint(5, 30) << QColor(Qt::red);
        QTest::newRow("crop shows the middle: left") << crop << QPoint(10, 30) << QColor(Qt::red);
        QTest::newRow("crop shows the middle: right") << crop << QPoint(50, 30) << QColor(Qt::blue);
    }

    void picturesAreDrawnAsTheScreenLaysThemOut()
    {
        QFETCH(QString, settings);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        Scene scene;
        scene.server.route("/p.png", pngResponse(twoColours(20, 10)));
        scene.make(QString("Rectangle { color: 'white'; width: 100; height: 100\n"
                           "  WebImage { objectName: 'image'; width: 60; height: 60; smooth: false; url: '%1'; %2 } }")
                       .arg(scene.url("/p.png").toString(), settings));
        scene.show();
        QTRY_VERIFY(scene.image()->hasImage());
        QCOMPARE(QSizeF(scene.image()->implicitWidth(), scene.image()->implicitHeight()), QSizeF(20, 10));
        QTRY_COMPARE(scene.view.grabWindow().pixelColor(at), colour);
    }

    void disappearingCancelsAndReappearingLoadsAgain()
    {
        Scene scene;
        int requests = 0;
        scene.server.route("/row.png", [&requests](const LoopbackServer::Request &) {
            // The first request never gets its answer in time; the second does.
            return pngResponse(ImageTestData::image(6, 6, Qt::green), ++requests == 1 ? 60000 : 0);
        });
        scene.makeImage("/row.png");
        scene.show();
        WebImage *image = scene.image();
        ImageManager *model = image->imageManager();
        QTRY_COMPARE(requests, 1);
        QVERIFY(model->isLoading());
        QSignalSpy failures(model, &ImageManager::failed);

        image->setVisible(false);
        QVERIFY(!model->isLoading());
        QCOMPARE(scene.context->imageDownloader()->downloadCount(), 0);
        QVERIFY2(model->error().isNull(), "the cancellation was published");

        image->setVisible(true);
        QVERIFY(model->isLoading());
        QTRY_VERIFY(image->hasImage());
        QCOMPARE(requests, 2);
        QCOMPARE(model->cacheType(), ImageCache::CacheType::None);
        QCOMPARE(failures.count(), 0);
        QCOMPARE(model->progress(), 1.0);

        // With a picture, hiding and showing again changes nothing.
        image->setVisible(false);
        image->setVisible(true);
        QVERIFY(!model->isLoading());
        QCOMPARE(requests, 2);
    }

    void switchedOffRulesKeepTheLoadGoing()
    {
        Scene scene;
        scene.server.route("/keep.png", pngResponse(ImageTestData::image(6, 6, Qt::green), 100));
        scene.makeImage("/keep.png", "cancelOnDisappear: false; retryOnAppear: false");
        scene.show();
        scene.image()->setVisible(false);
        QVERIFY(scene.image()->imageManager()->isLoading());
        QTRY_VERIFY(scene.image()->hasImage());
        QCOMPARE(scene.server.hits("/keep.png"), 1);
    }

    void failedPictureIsRetriedOnAppearAndABlockedOneFailsAtOnce()
    {
        Scene scene;
        scene.server.route("/missing.png", Response{404, "gone", {}, 0, false, false});
        scene.makeImage("/missing.png", "");
        scene.show();
        ImageManager *model = scene.image()->imageManager();
        QTRY_COMPARE(model->error().code, int(ImageError::InvalidDownloadStatusCode));
        QCOMPARE(model->error().statusCode(), 404);
        QSignalSpy failures(model, &ImageManager::failed);

        scene.image()->setVisible(false);
        scene.image()->setVisible(true);
        // The blocked address fails during the appearance itself, without a request.
        QCOMPARE(model->error().code, int(ImageError::BlackListed));
        QCOMPARE(failures.count(), 1);
        QVERIFY(!model->isLoading());
        QCOMPARE(scene.server.hits("/missing.png"), 1);
    }

    void modelPublishesTheDownloadButNotACancellation()
    {
        Scene scene;
        const Response served = pngResponse(ImageTestData::image(6, 6, Qt::green));
        scene.server.route("/m.png", served);
        scene.server.route("/slow.png", pngResponse(ImageTestData::image(6, 6, Qt::green), 60000));
        ImageManager model;
        QCOMPARE(model.manager(), scene.context->imageLoader());
        QSignalSpy successes(&model, &ImageManager::succeeded);
        QSignalSpy failures(&model, &ImageManager::failed);
        QSignalSpy errors(&model, &ImageManager::errorChanged);
        QSignalSpy progress(&model, &ImageManager::progressed);

        model.setUrl(scene.url("/slow.png"));
        model.load();
        QTRY_COMPARE(scene.server.hits("/slow.png"), 1);
        model.cancel();
        QVERIFY(!model.isLoading());
        QVERIFY(!model.currentOperation());
        QCoreApplication::processEvents();
        QCOMPARE(failures.count(), 0);
        QCOMPARE(errors.count(), 0);

        model.setUrl(scene.url("/m.png"));
        model.load();
        QVERIFY(model.isLoading());
        model.load(); // already running: no second load
        QTRY_COMPARE(successes.count(), 1);
        QCOMPARE(model.imageData(), served.body);
        QCOMPARE(successes.first().at(2).value<ImageCache::CacheType>(), ImageCache::CacheType::None);
        QCOMPARE(model.progress(), 1.0);
        QVERIFY(!progress.isEmpty());
        QCOMPARE(scene.server.hits("/m.png"), 1);
    }

    void goneViewsReceiveNothingWhileTheirDownloadsFinish()
    {
        Scene scene;
        scene.server.route("/late.png", pngResponse(ImageTestData::image(6, 6, Qt::green), 100));
        scene.make(QString("Item { WebImage { objectName: 'image'; cancelOnDisappear: false; url: '%1' } }")
                       .arg(scene.url("/late.png").toString()));
        scene.show();
        auto *model = new ImageManager;
        model->setUrl(scene.url("/late.png"));
        model->load();
        QTRY_COMPARE(scene.context->imageDownloader()->runningDownloadCount(), 1);
        delete scene.item;
        scene.item = nullptr;
        delete model;
        ImageLoader *loader = scene.context->imageLoader();
        QTRY_COMPARE(loader->runningOperationCount(), 0);
        QVERIFY2(!scene.context->imageCache()->imageFromMemory(ImageLoader::cacheKey(scene.url("/late.png"))).isNull(),
                 "the download did not finish into the cache");
    }

    void newAddressLoadsTheNewPicture()
    {
        Scene scene;
        scene.server.route("/a.png", pngResponse(ImageTestData::image(6, 6, Qt::red)));
        scene.server.route("/b.png", pngResponse(ImageTestData::image(6, 6, Qt::blue)));
        scene.makeImage("/a.png");
        scene.show();
        QTRY_VERIFY(scene.image()->hasImage());
        scene.image()->setUrl(scene.url("/b.png"));
        QVERIFY(!scene.image()->hasImage());
        QTRY_VERIFY(scene.image()->hasImage());
        QCOMPARE(scene.image()->imageManager()->image().pixelColor(2, 2), QColor(Qt::blue));
    }

    void manyViewsLoadingAndCancellingLeaveNothingBehind()
    {
        Scene scene;
        for (int i = 0; i < 12; ++i) {
            const QByteArray path = "/many" + QByteArray::number(i) + ".png";
            if (i % 4 == 3)
                scene.server.route(path, Response{404, {}, {}, 0, false, false});
            else
                scene.server.route(path, pngResponse(ImageTestData::image(4, 4, QColor::fromHsv(i * 30, 200, 200)), i * 5));
        }
        scene.make(QString("Column { property alias count: rows.model\n"
                           "  Repeater { id: rows; model: 60\n"
                           "    WebImage { objectName: 'row' + index; width: 10; height: 2; resizable: true;\n"
                           "               url: '%1' + (index % 12) + '.png' } } }")
                       .arg(scene.url("/many").toString()));
        scene.show();
        for (int round = 0; round < 5; ++round) {
            scene.item->setVisible(false);
            scene.item->setVisible(true);
            scene.item->setProperty("count", 60 - round * 10); // views go away mid-load
            QCoreApplication::processEvents();
        }
        ImageLoader *loader = scene.context->imageLoader();
        QTRY_COMPARE(loader->runningOperationCount(), 0);
        QCOMPARE(scene.context->imageDownloader()->downloadCount(), 0);
        for (int index = 0; index < 20; ++index) {
            WebImage *row = scene.image(QString("row%1").arg(index));
            QVERIFY(row);
            QCOMPARE(row->hasImage(), index % 12 % 4 != 3);
        }
    }
};

QTEST_MAIN(TestWebImage)
#include "tst_webimage.moc"
