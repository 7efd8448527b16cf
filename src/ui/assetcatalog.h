#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Resolves the named pictures of the bundled artwork ("SettingsIcon", "Earth", "Flower") to
// resource addresses. A name without a picture resolves to an empty address, never to a guess.
class AssetCatalog : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Assets)
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static QUrl url(const QString &name);
    Q_INVOKABLE static bool contains(const QString &name);
    // Every bundled picture name.
    static QStringList names();
};
