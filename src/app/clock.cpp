#include "clock.h"

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

Clock::Clock(QObject *parent) : QObject(parent) {}

QDateTime Clock::now() const { return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime(); }

QString formatDate(const QDateTime &moment, const QString &pattern, const QByteArray &icuLocale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icuLocale.isEmpty() ? icu::Locale::getDefault()
                                                   : icu::Locale(icuLocale.constData());
    const icu::UnicodeString icuPattern(reinterpret_cast<const UChar *>(pattern.utf16()),
                                        int32_t(pattern.size()));
    icu::SimpleDateFormat formatter(icuPattern, locale, status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString out;
    formatter.format(UDate(moment.toMSecsSinceEpoch()), out);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

QString Clock::formatCurrentDate(const QString &pattern) const
{
    return formatDate(now(), pattern);
}

QVariantMap Clock::clockStrings() const
{
    QVariantMap strings;
    strings.insert(QStringLiteral("KestrelDate"), formatCurrentDate(QLatin1String(DatePattern)));
    strings.insert(QStringLiteral("KestrelTime"), formatCurrentDate(QLatin1String(TimePattern)));
    strings.insert(QStringLiteral("KestrelDay"), formatCurrentDate(QLatin1String(DayPattern)));
    strings.insert(QStringLiteral("KestrelDayOfMonth"), formatCurrentDate(QLatin1String(DayOfMonthPattern)));
    return strings;
}

QVariantMap Clock::lockStrings() const
{
    QVariantMap strings;
    strings.insert(QStringLiteral("KestrelDate"), formatCurrentDate(QLatin1String(DatePattern)));
    strings.insert(QStringLiteral("KestrelTime"), formatCurrentDate(QLatin1String(TimePattern)));
    return strings;
}
