#include "namedcolors.h"

#include <QFont>
#include <QFontInfo>
#include <QTest>

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    // The screens ask for Inter in these weights; each must come from Inter's own face of that
    // weight, not a fallback family or an emboldened regular face.
    void systemFontHasEveryWeight_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<QString>("style");
        QTest::newRow("thin") << int(QFont::Thin) << QStringLiteral("Thin");
        QTest::newRow("light") << int(QFont::Light) << QStringLiteral("Light");
        QTest::newRow("regular") << int(QFont::Normal) << QStringLiteral("Regular");
        QTest::newRow("medium") << int(QFont::Medium) << QStringLiteral("Medium");
        QTest::newRow("semibold") << int(QFont::DemiBold) << QStringLiteral("Semi Bold");
        QTest::newRow("bold") << int(QFont::Bold) << QStringLiteral("Bold");
    }
    void systemFontHasEveryWeight()
    {
        QFETCH(int, weight);
        QFETCH(QString, style);
        QFont font(QStringLiteral("Inter"));
        font.setPixelSize(17);
        font.setWeight(QFont::Weight(weight));
        const QFontInfo info(font);
        QCOMPARE(info.family(), QStringLiteral("Inter"));
        QCOMPARE(info.weight(), weight);
        QCOMPARE(info.styleName(), style);
    }

    void namedColoursResolve()
    {
        const QStringList names = NamedColors::names();
        QCOMPARE(names, (QStringList{QStringLiteral("MyPurple"), QStringLiteral("MyWhite"),
                                     QStringLiteral("GradientColor1"), QStringLiteral("GradientColor2")}));
        for (const QString &name : names)
            QVERIFY2(NamedColors::color(name).isValid(), qPrintable(name));
        QVERIFY(!NamedColors::color(QStringLiteral("MyGreen")).isValid());
        QVERIFY(!NamedColors::color(QStringLiteral("mypurple")).isValid());
        // MyWhite text must stay readable on the purple page and on both ends of the gradient.
        const auto contrast = [](const QColor &a, const QColor &b) {
            const auto luminance = [](const QColor &c) {
                const auto channel = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
                return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
            };
            const qreal la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        for (const QString &background : {QStringLiteral("MyPurple"), QStringLiteral("GradientColor1"), QStringLiteral("GradientColor2")})
            QVERIFY2(contrast(NamedColors::myWhite(), NamedColors::color(background)) >= 3.0, qPrintable(background));
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
