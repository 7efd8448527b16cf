#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The Software Update page: one block per entry of the update array, in order. An entry whose
// version is exactly the installed one is "up to date"; any other (newer or older) is an
// update card whose link hands the shell's install link to the system.
class SoftwareUpdateModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The General page's array: entries { id, version, log }.
    Q_PROPERTY(QVariantList updates READ updates WRITE setUpdates NOTIFY updatesChanged)
    // Each block: { id, upToDate, title ("iOS 1" + version), log }.
    Q_PROPERTY(QVariantList blocks READ blocks NOTIFY updatesChanged)
    Q_PROPERTY(QString installedVersion READ installedVersion CONSTANT)
    Q_PROPERTY(QString installLink READ installLink CONSTANT)

public:
    explicit SoftwareUpdateModel(QObject *parent = nullptr);

    QVariantList updates() const { return m_updates; }
    void setUpdates(const QVariantList &updates);
    QVariantList blocks() const;
    QString installedVersion() const { return m_installedVersion; }
    static QString installLink();

    // "Download and Install": the shell's own manifest, by the system's install link.
    Q_INVOKABLE void downloadAndInstall() const;

signals:
    void updatesChanged();

private:
    QVariantList m_updates;
    QString m_installedVersion;
};
