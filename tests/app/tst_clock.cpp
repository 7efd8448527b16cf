#include "clock.h"

#include <QtTest>
#include <unicode/locid.h>

// Every moment here is in UTC, and the process runs with TZ=UTC (see main), so ICU and Qt agree.
class TestClock : public QObject
{
    Q_OBJECT

    static QDateTime at(int hour, int minute, QDate day = QDate(2024, 1, 9))
    {
        return QDateTime(day, QTime(hour, minute), QTimeZone::utc());
    }

private slots:
    void englishStrings_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date") << at(9, 41) << Clock::DatePattern << "Tuesday, January 9";
        QTest::newRow("time") << at(9, 41) << Clock::TimePattern << "09:41";
        QTest::newRow("half past midnight") << at(0, 30) << Clock::TimePattern << "12:30";
        QTest::newRow("afternoon has no marker") << at(13, 5) << Clock::TimePattern << "01:05";
        QTest::newRow("last minute of the day") << at(23, 59) << Clock::TimePattern << "11:59";
    }

    void englishStrings()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, pattern);
        QTEST(formatDate(moment, pattern, "en_US"), "expected");
    }

    // Names follow the locale in the pattern's order.
    void currentDateUsesTheDefaultLocaleAndThePinnedMoment()
    {
        const icu::Locale previous = icu::Locale::getDefault();
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale("de_DE"), status);
        Clock clock;
        clock.setFixedNow(at(13, 5));
        const QVariantMap strings = clock.clockStrings();
        icu::Locale::setDefault(previous, status);

        QCOMPARE(strings.value("KestrelDate").toString(), QStringLiteral("Dienstag, Januar 9"));
        QCOMPARE(strings.value("KestrelTime").toString(), QStringLiteral("01:05"));
        QCOMPARE(strings.value("KestrelDay").toString(), QStringLiteral("Dienstag"));
        QCOMPARE(strings.value("KestrelDayOfMonth").toString(), QStringLiteral("9"));
        QCOMPARE(clock.lockStrings().keys(), (QStringList{"KestrelDate", "KestrelTime"}));
    }
};

int main(int argc, char *argv[])
{
    qputenv("TZ", "UTC");
    QCoreApplication app(argc, argv);
    TestClock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clock.moc"
