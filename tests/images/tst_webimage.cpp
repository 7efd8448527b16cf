#include "appcontext.h"
#include "imagedownloader.h"
#include "imagemanager.h"
#include "imagetestdata.h"
#include "tempdataroot.h"
#include "webimage.h"

#include <QPainter>
#include <QQmlComponent>
#include <QQuickView>
#include <QSignalSpy>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(Kestrel_ImagesPlugin)

using Response = LoopbackServer::Response;
using ImageTestData::png;

namespace {

// A window for WebImage views made from QML, on a fresh application context, with a loopback
// server that outlives them.
struct Scene {
    Scene()
    {
        server.start();
        context->installInto(*view.engine());
        view.resize(100, 100);
        view.setColor(Qt::white);
    }
    ~Scene() { delete item; context->imageCache()->waitForDisk(); }

    // Makes the QML (WebImage views inside, the one to look at named "image") and, unless told
    // otherwise, shows it in the window.
    WebImage *make(const QString &body, bool show = true)
    {
        QQmlComponent component(view.engine());
        component.setData(("import QtQuick\nimport Kestrel.Images\n" + body).toUtf8(), QUrl());
        if (!(item = qobject_cast<QQuickItem *>(component.create())))
            qWarning() << component.errors();
        if (item && show)
            this->show();
        return image();
    }
    // One 60 x 60 view of `path` on this server.
    WebImage *makeImage(const QString &path, const QString &settings = QStringLiteral("resizable: true"))
    {
        return make(QString("WebImage { objectName: 'image'; width: 60; height: 60; url: '%1'; %2 }")
                        .arg(server.url(path).toString(), settings));
    }
    void show()
    {
        item->setParentItem(view.contentItem());
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qWarning("the window was not shown");
    }
    // Through the visual tree: views made by a Repeater have no QObject parent.
    WebImage *image(const QString &name = QStringLiteral("image"), QQuickItem *under = nullptr) const
    {
        under = under ? under : item;
        if (!under || under->objectName() == name)
            return qobject_cast<WebImage *>(under);
        for (QQuickItem *child : under->childItems()) {
            if (WebImage *found = image(name, child))
                return found;
        }
        return nullptr;
    }

    LoopbackServer server;
    TempDataRoot root;
    AppContext *context = root.context();
    QQuickView view;
    QQuickItem *item = nullptr;
};

} // namespace

class TestWebImage : public QObject
{
    Q_OBJECT

private slots:
    // A view without an address stays an empty placeholder of its size.
    void memoryHitAppearsInTheFirstLayoutPassAndANewAddressLoadsAgain()
    {
        Scene scene;
        scene.context->imageCache()->storeImage(ImageTestData::image(10, 10, Qt::red), {},
                                                ImageLoader::cacheKey(scene.server.url("/cached.png")), true, false);
        scene.server.route("/b.png", png(Qt::blue));
        WebImage *image = scene.make(QString("Item { WebImage { objectName: 'image'; width: 60; height: 60; resizable: true; url: '%1' }\n"
                                             "  WebImage { objectName: 'empty'; x: 60; width: 40; height: 30; resizable: true } }")
                                         .arg(scene.server.url("/cached.png").toString()), false);
        // Before any event has been processed: the view was made with its picture.
        QVERIFY(image && image->hasImage() && !image->imageManager()->isLoading());
        QCOMPARE(image->imageManager()->cacheType(), ImageCache::CacheType::Memory);
        scene.show();
        QCOMPARE(scene.view.grabWindow().pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(scene.server.requests().size(), 0);
        WebImage *empty = scene.image("empty");
        QVERIFY(!empty->hasImage() && empty->imageManager()->error().code == ImageError::InvalidUrl);
        QCOMPARE(QSizeF(empty->width(), empty->height()), QSizeF(40, 30));
        QCOMPARE(scene.view.grabWindow().pixelColor(80, 15), QColor(Qt::white));

        image->setUrl(scene.server.url("/b.png"));
        QVERIFY(!image->hasImage());
        QTRY_COMPARE(scene.view.grabWindow().pixelColor(30, 30), QColor(Qt::blue));
    }

    void picturesAreDrawnAsTheScreenLaysThemOut_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        // A 20 x 10 picture, green, red, then blue from left to right (5, 5, 10 pixels), in a 60 x 60 view.
        const QString fit = "resizable: true; fillMode: WebImage.PreserveAspectFit";
        const QString crop = "resizable: true; fillMode: WebImage.PreserveAspectCrop";
        QTest::newRow("resizable stretches") << "resizable: true" << QPoint(5, 30) << QColor(Qt::green);
        QTest::newRow("own size, centred: outside") << "" << QPoint(10, 30) << QColor(Qt::white);
        QTest::newRow("own size, centred: inside") << "" << QPoint(25, 30) << QColor(Qt::red);
        QTest::newRow("fit leaves bands") << fit << QPoint(30, 5) << QColor(Qt::white);
        QTest::newRow("crop cuts the sides") << crop << QPoint(5, 30) << QColor(Qt::red);
        QTest::newRow("crop fills the height") << crop << QPoint(50, 5) << QColor(Qt::blue);
    }

    void picturesAreDrawnAsTheScreenLaysThemOut()
    {
        QFETCH(QString, settings);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QImage picture = ImageTestData::image(20, 10, Qt::blue);
        QPainter painter(&picture);
        painter.fillRect(0, 0, 10, 10, Qt::red);
        painter.fillRect(0, 0, 5, 10, Qt::green);
        painter.end();
        Scene scene;
        scene.server.route("/p.png", png(picture));
        WebImage *image = scene.makeImage("/p.png", "smooth: false; " + settings);
        QTRY_VERIFY(image->hasImage());
        QCOMPARE(QSizeF(image->implicitWidth(), image->implicitHeight()), QSizeF(20, 10));
        QTRY_COMPARE(scene.view.grabWindow().pixelColor(at), colour);
    }

    void disappearingCancelsQuietlyAndReappearingLoadsAgain()
    {
        Scene scene;
        int requests = 0;
        scene.server.route("/row.png", [&](const LoopbackServer::Request &) {
            return png(Qt::green, ++requests == 1 ? 60000 : 0); // the first answer never comes in time
        });
        WebImage *image = scene.makeImage("/row.png");
        ImageManager *model = image->imageManager();
        QTRY_COMPARE(requests, 1);
        QVERIFY(model->isLoading());
        QSignalSpy failures(model, &ImageManager::failed);
        QSignalSpy errors(model, &ImageManager::errorChanged);
        QSignalSpy successes(model, &ImageManager::succeeded);

        image->setVisible(false);
        QVERIFY(!model->isLoading() && !model->currentOperation());
        QCOMPARE(scene.context->imageDownloader()->downloadCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(failures.count() + errors.count(), 0);

        image->setVisible(true);
        QVERIFY(model->isLoading());
        model->load(); // already running: no second load
        QTRY_VERIFY(image->hasImage());
        QCOMPARE(requests + successes.count(), 3);
        QCOMPARE(model->imageData(), png(Qt::green).body);
        QCOMPARE(model->progress(), 1.0);

        // With a picture, hiding and showing again changes nothing.
        image->setVisible(false);
        image->setVisible(true);
        QVERIFY(!model->isLoading());
        QCOMPARE(requests, 2);
    }

    // Views and models go, or hide, while their downloads run: nothing is left running or
    // delivered to what is gone, and a view that keeps its load on disappearing still gets it.
    void manyViewsComingAndGoingMidLoadLeaveNothingBehind()
    {
        Scene scene;
        for (int i = 0; i < 4; ++i)
            scene.server.route("/many" + QByteArray::number(i) + ".png", png(QColor::fromHsv(i * 60, 200, 200), i * 5));
        scene.server.route("/late.png", png(Qt::green, 300));
        scene.make(QString("Column { property alias count: rows.model\n"
                           "  Repeater { id: rows; model: 60\n"
                           "    WebImage { objectName: 'row' + index; width: 10; height: 2; url: '%1' + (index % 5) + '.png' } }\n"
                           "  WebImage { objectName: 'late'; cancelOnDisappear: false; url: '%2' } }")
                       .arg(scene.server.url("/many").toString(), scene.server.url("/late.png").toString()));
        auto *model = new ImageManager;
        model->setUrl(scene.server.url("/late.png"));
        model->load();
        for (int round = 0; round < 5; ++round) {
            scene.item->setVisible(false);
            scene.item->setVisible(true);
            scene.item->setProperty("count", 60 - round * 10); // views go away mid-load
            QCoreApplication::processEvents();
        }
        delete scene.image("late");
        delete model;
        QTRY_COMPARE(scene.context->imageLoader()->runningOperationCount(), 0);
        QCOMPARE(scene.context->imageDownloader()->downloadCount(), 0);
        QVERIFY2(!scene.context->imageCache()->imageFromMemory(ImageLoader::cacheKey(scene.server.url("/late.png"))).isNull(),
                 "the download did not finish into the cache");
        for (int index = 0; index < 10; ++index) // "/many4.png" is missing
            QCOMPARE(scene.image(QString("row%1").arg(index))->hasImage(), index % 5 != 4);
    }
};

QTEST_MAIN(TestWebImage)
#include "tst_webimage.moc"
