#include "packages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <algorithm>
#include <iterator>
#include <limits>

namespace {

// A whole number that fits a 64-bit integer; 1.5, "1" and true are refused, 1.0 is 1.
bool wholeNumber(QJsonValueConstRef value, std::optional<qint64> &out)
{
    if (!value.isDouble())
        return false;
    const qint64 low = value.toInteger(std::numeric_limits<qint64>::min());
    const qint64 high = value.toInteger(std::numeric_limits<qint64>::max());
    if (low != high)
        return false;
    out = low;
    return true;
}

enum class Rule { Text, OptionalText, OptionalWholeNumber };
struct Member {
    QLatin1StringView name;
    Rule rule;
};
constexpr Member Members[] = {
    {QLatin1StringView("PackageName"), Rule::Text},           {QLatin1StringView("PackageID"), Rule::Text},
    {QLatin1StringView("Category"), Rule::Text},              {QLatin1StringView("PackageVersion"), Rule::Text},
    {QLatin1StringView("AppIcon"), Rule::OptionalText},       {QLatin1StringView("AuthorEmail"), Rule::OptionalText},
    {QLatin1StringView("ContactEmail"), Rule::OptionalText},  {QLatin1StringView("Website"), Rule::OptionalText},
    {QLatin1StringView("Description"), Rule::OptionalText},   {QLatin1StringView("DockOpacity"), Rule::OptionalWholeNumber},
};
constexpr unsigned AllRequired = 0b1111; // the first four

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    out.replace(u'\n', QLatin1String("\\n")).replace(u'\r', QLatin1String("\\r"));
    return u'"' + out + u'"';
}

QString optional(const std::optional<QString> &text) { return text ? quoted(*text) : QStringLiteral("nil"); }

void appendText(Packages &package, Packages::Text which, const QString &text, QString &texts)
{
    package.setText(which, texts.size(), text.size());
    texts += text;
}

// One walk over the members rather than a lookup per rule: a lookup compares the key with
// several stored ones, character by character, and a repository has thousands of packages.
std::optional<Packages> checkedPackage(const QJsonObject &object, QString &texts)
{
    Packages package;
    unsigned required = 0;
    for (auto it = object.constBegin(), end = object.constEnd(); it != end; ++it) {
        const QString key = it.key();
        const auto member = std::find_if(std::begin(Members), std::end(Members),
                                         [&key](const Member &m) { return key.size() == m.name.size() && key == m.name; });
        if (member == std::end(Members))
            continue; // members not listed are ignored
        const auto index = member - std::begin(Members);
        const QJsonValue::Type type = it->type();
        switch (member->rule) {
        case Rule::Text:
            if (type != QJsonValue::String)
                return std::nullopt;
            required |= 1u << index;
            appendText(package, Packages::Text(index), it->toString(), texts);
            break;
        case Rule::OptionalText:
            if (type == QJsonValue::String)
                appendText(package, Packages::Text(index), it->toString(), texts);
            else if (type != QJsonValue::Null)
                return std::nullopt;
            break;
        case Rule::OptionalWholeNumber:
            if (type != QJsonValue::Null && !wholeNumber(*it, package.DockOpacity))
                return std::nullopt;
            break;
        }
    }
    if (required != AllRequired)
        return std::nullopt;
    package.id = freshPackageId();
    return package;
}

} // namespace

// Version-4 UUIDs from a per-thread generator seeded once by the system, since asking the system
// for each of ten thousand ids costs a system call each.
QUuid freshPackageId()
{
    thread_local QRandomGenerator64 generator(QRandomGenerator::system()->generate64());
    const quint64 high = generator.generate64(), low = generator.generate64();
    const auto byte = [](quint64 bits, int index) { return uchar(bits >> (56 - 8 * index)); };
    return QUuid(uint(high >> 32), ushort(high >> 16), ushort((high & 0x0fff) | 0x4000), // version 4
                 uchar((byte(low, 0) & 0x3f) | 0x80), byte(low, 1), byte(low, 2), byte(low, 3), // RFC 4122 variant
                 byte(low, 4), byte(low, 5), byte(low, 6), byte(low, 7));
}

std::optional<QList<Packages>> decodePackages(const QByteArray &json)
{
    if (std::optional<QList<Packages>> packages = readPlainPackages(json))
        return packages;
    return decodePackagesFromDocument(json);
}

std::optional<QList<Packages>> decodePackagesFromDocument(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<Packages> packages;
    packages.reserve(array.size());
    QString texts;
    for (const QJsonValue &value : array) {
        if (!value.isObject())
            return std::nullopt;
        std::optional<Packages> package = checkedPackage(value.toObject(), texts);
        if (!package)
            return std::nullopt;
        packages.append(std::move(*package));
    }
    for (Packages &package : packages)
        package.shareTexts(texts);
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
                         .arg(p.id.toString(QUuid::WithoutBraces).toUpper(), quoted(p.PackageName()),
                              quoted(p.PackageID()), quoted(p.Category()), quoted(p.PackageVersion()),
                              optional(p.AppIcon()), optional(p.AuthorEmail()), optional(p.ContactEmail()),
                              optional(p.Website()))
                         .arg(optional(p.Description()),
                              p.DockOpacity ? QString::number(*p.DockOpacity) : QStringLiteral("nil")));
    }
    return u'[' + parts.join(QLatin1String(", ")) + u']';
}
