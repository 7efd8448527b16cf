#include "namedcolors.h"

#include <QTest>

#include <cmath>

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    // MyWhite text must stay readable on the purple page and on both ends of the store gradient.
    void namedColoursResolveAndWhiteTextReads()
    {
        const auto luminance = [](const QColor &c) {
            const auto channel = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const QColor white = NamedColors::color(QStringLiteral("MyWhite"));
        QVERIFY(white.isValid());
        for (const char *background : {"MyPurple", "GradientColor1", "GradientColor2"}) {
            const QColor colour = NamedColors::color(QLatin1String(background));
            QVERIFY2(colour.isValid(), background);
            QVERIFY2((luminance(white) + 0.05) / (luminance(colour) + 0.05) >= 3.0, background);
        }
        QVERIFY(!NamedColors::color(QStringLiteral("MyGreen")).isValid());
        QVERIFY(!NamedColors::color(QStringLiteral("mypurple")).isValid());
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
