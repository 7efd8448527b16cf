#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QUuid>

// One app the store offers: a plain value. `id` tells rows apart for list updates and is made
// fresh whenever a row is built; the other fields are catalogue content. Empty text stands for a
// missing value. Only name, icon and plist are shown or used; the rest is carried.
struct application
{
    QUuid id;
    QString name;
    QString icon;    // icon key: icon server base + icon + ".png"
    QString plist;   // full address of the install manifest
    QString section; // category label, not used for grouping
    QString banner;
    QString twitter;
    QString website;
    QString description;
    QString dev;
    QStringList screenshots; // full addresses

    // All eleven fields in declaration order, the screenshot lists element by element.
    bool operator==(const application &other) const = default;

    // The address handed to the system to install this app.
    QString installLink() const;
};

// The same fields in the same order as equality; the screenshots as their count, then each one.
size_t qHash(const application &app, size_t seed = 0) noexcept;
