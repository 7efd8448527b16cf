#include "packages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <limits>

namespace {

// Fresh ids for every package of a document: version-4 UUIDs from a per-thread generator seeded
// once by the system, since asking the system for each of ten thousand ids costs a system call each.
QUuid randomUuid()
{
    thread_local QRandomGenerator64 generator(QRandomGenerator::system()->generate64());
    QByteArray bytes(16, Qt::Uninitialized);
    const quint64 high = generator.generate64(), low = generator.generate64();
    for (int i = 0; i < 8; ++i) {
        bytes[i] = char(high >> (56 - 8 * i));
        bytes[8 + i] = char(low >> (56 - 8 * i));
    }
    bytes[6] = char((bytes[6] & 0x0f) | 0x40); // version 4
    bytes[8] = char((bytes[8] & 0x3f) | 0x80); // RFC 4122 variant
    return QUuid::fromRfc4122(bytes);
}

bool requiredString(const QJsonObject &object, QLatin1StringView key, QString &out)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}

bool optionalString(const QJsonObject &object, QLatin1StringView key, std::optional<QString> &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isString())
        return false;
    out = value.toString();
    return true;
}

// A whole number that fits a 64-bit integer; 1.5, "1" and true are refused, 1.0 is 1.
bool optionalInteger(const QJsonObject &object, QLatin1StringView key, std::optional<qint64> &out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isDouble())
        return false;
    const qint64 low = value.toInteger(std::numeric_limits<qint64>::min());
    const qint64 high = value.toInteger(std::numeric_limits<qint64>::max());
    if (low != high)
        return false;
    out = low;
    return true;
}

bool decodePackage(const QJsonObject &object, Packages &package)
{
    return requiredString(object, QLatin1StringView("PackageName"), package.PackageName)
        && requiredString(object, QLatin1StringView("PackageID"), package.PackageID)
        && requiredString(object, QLatin1StringView("Category"), package.Category)
        && requiredString(object, QLatin1StringView("PackageVersion"), package.PackageVersion)
        && optionalString(object, QLatin1StringView("AppIcon"), package.AppIcon)
        && optionalString(object, QLatin1StringView("AuthorEmail"), package.AuthorEmail)
        && optionalString(object, QLatin1StringView("ContactEmail"), package.ContactEmail)
        && optionalString(object, QLatin1StringView("Website"), package.Website)
        && optionalString(object, QLatin1StringView("Description"), package.Description)
        && optionalInteger(object, QLatin1StringView("DockOpacity"), package.DockOpacity);
}

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    out.replace(u'\n', QLatin1String("\\n")).replace(u'\r', QLatin1String("\\r"));
    return u'"' + out + u'"';
}

QString optional(const std::optional<QString> &text) { return text ? quoted(*text) : QStringLiteral("nil"); }

} // namespace

std::optional<QList<Packages>> decodePackages(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<Packages> packages;
    packages.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (!value.isObject())
            return std::nullopt;
        Packages package;
        if (!decodePackage(value.toObject(), package))
            return std::nullopt;
        package.id = randomUuid();
        packages.append(std::move(package));
    }
    return packages;
}

QString describePackages(const QList<Packages> &packages)
{
    QStringList parts;
    parts.reserve(packages.size());
    for (const Packages &p : packages) {
        parts.append(QStringLiteral("Packages(id: %1, PackageName: %2, PackageID: %3, Category: %4, "
                                    "PackageVersion: %5, AppIcon: %6, AuthorEmail: %7, ContactEmail: %8, "
                                    "Website: %9, Description: %10, DockOpacity: %11)")
                         .arg(p.id.toString(QUuid::WithoutBraces).toUpper(), quoted(p.PackageName),
                              quoted(p.PackageID), quoted(p.Category), quoted(p.PackageVersion),
                              optional(p.AppIcon), optional(p.AuthorEmail), optional(p.ContactEmail),
                              optional(p.Website))
                         .arg(optional(p.Description),
                              p.DockOpacity ? QString::number(*p.DockOpacity) : QStringLiteral("nil")));
    }
    return u'[' + parts.join(QLatin1String(", ")) + u']';
}
