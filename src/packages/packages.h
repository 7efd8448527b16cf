#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// One package of a repository document. The id is made fresh for every decoded package (an "id"
// member in the document means nothing); optional members are absent when missing or null.
//
// The members are checked when the document is decoded, but their texts stay in the parsed
// document and are copied out only when asked for: a repository of thousands of packages then
// costs little more than its parse, and a screen reads only the few it shows.
class Packages
{
public:
    QUuid id;
    std::optional<qint64> DockOpacity;

    QString PackageName() const { return text(QLatin1StringView("PackageName")); }
    QString PackageID() const { return text(QLatin1StringView("PackageID")); }
    QString Category() const { return text(QLatin1StringView("Category")); }
    QString PackageVersion() const { return text(QLatin1StringView("PackageVersion")); }
    std::optional<QString> AppIcon() const { return optionalText(QLatin1StringView("AppIcon")); }
    std::optional<QString> AuthorEmail() const { return optionalText(QLatin1StringView("AuthorEmail")); }
    std::optional<QString> ContactEmail() const { return optionalText(QLatin1StringView("ContactEmail")); }
    std::optional<QString> Website() const { return optionalText(QLatin1StringView("Website")); }
    std::optional<QString> Description() const { return optionalText(QLatin1StringView("Description")); }

    // The package's object, already checked, when its document decodes.
    static std::optional<Packages> fromCheckedObject(const QJsonObject &object);

private:
    QString text(QLatin1StringView key) const { return m_object.value(key).toString(); }
    std::optional<QString> optionalText(QLatin1StringView key) const;

    QJsonObject m_object;
};

// Decodes a repository document: a JSON array of package objects, strictly. The four required
// members must be strings, optional ones strings (or null), "DockOpacity" a whole number; one
// package that breaks this fails the whole document. Members not listed are ignored. Safe to
// call on any thread.
std::optional<QList<Packages>> decodePackages(const QByteArray &json);

// The decoded list as one line of text, for the diagnostic log.
QString describePackages(const QList<Packages> &packages);
