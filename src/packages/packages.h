#pragma once

#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// One package of a repository document. The id is made fresh for every decoded package (an "id"
// member in the document means nothing); optional members are absent when missing or null.
struct Packages
{
    QUuid id;
    QString PackageName;
    QString PackageID;
    QString Category;
    QString PackageVersion;
    std::optional<QString> AppIcon;
    std::optional<QString> AuthorEmail;
    std::optional<QString> ContactEmail;
    std::optional<QString> Website;
    std::optional<QString> Description;
    std::optional<qint64> DockOpacity;
};

// Decodes a repository document: a JSON array of package objects, strictly. The four required
// members must be strings, optional ones strings (or null), "DockOpacity" a whole number; one
// package that breaks this fails the whole document. Members not listed are ignored. Safe to
// call on any thread.
std::optional<QList<Packages>> decodePackages(const QByteArray &json);

// The decoded list as one line of text, for the diagnostic log.
QString describePackages(const QList<Packages> &packages);
