#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The outside addresses and names the package manager's home tab shows: the two social profile
// pages (served by the maker's site, so they open offline) and the author they credit.
class CydiaLinks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString cydiaProfile READ cydiaProfile CONSTANT)
    Q_PROPERTY(QString authorProfile READ authorProfile CONSTANT)
    Q_PROPERTY(QString authorHandle READ authorHandle CONSTANT)
    Q_PROPERTY(QString credit READ credit CONSTANT)

public:
    using QObject::QObject;

    static QString cydiaProfile();
    static QString authorProfile();
    static QString authorHandle() { return QStringLiteral("@wren_hollis"); }
    static QString credit() { return QStringLiteral("Kestrel by Wren Hollis"); }
};
