#pragma once

#include <QDateTime>
#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The shell's source of "now" and the four clock strings. Strings are formatted once, when a
// screen is made; nothing refreshes them. Tests fix the moment with setFixedNow().
class Clock : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")

public:
    static constexpr const char *DatePattern = "EEEE, MMMM d";
    static constexpr const char *TimePattern = "hh:mm";
    static constexpr const char *DayPattern = "EEEE";
    static constexpr const char *DayOfMonthPattern = "d";

    explicit Clock(QObject *parent = nullptr);

    QDateTime now() const;

    // The current moment formatted with a date pattern, through a new ICU formatter in the
    // current locale and time zone.
    Q_INVOKABLE QString formatCurrentDate(const QString &pattern) const;

    // KestrelDate, KestrelTime, KestrelDay, KestrelDayOfMonth, formatted in that order.
    Q_INVOKABLE QVariantMap clockStrings() const;
    // KestrelDate and KestrelTime only, as the lock screen holds them.
    Q_INVOKABLE QVariantMap lockStrings() const;

    // Test-only control: pin "now" (an invalid value unpins it).
    void setFixedNow(const QDateTime &moment) { m_fixed = moment; }

private:
    QDateTime m_fixed;
};

// Formats a moment with an ICU pattern in the given ICU locale ("" = the default locale) and
// the default time zone.
QString formatDate(const QDateTime &moment, const QString &pattern, const QByteArray &icuLocale = {});
