#pragma once

#include "update.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The General page: its nine sections, the update check it starts each time it is shown, and
// Shut Down. `updates` is view state: empty on every new page, replaced by each answer that
// arrives while the page exists, gone with the page.
class GeneralModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)
    // Each entry: { id, version, log }.
    Q_PROPERTY(QVariantList updates READ updates NOTIFY updatesChanged)
    // Test-only: where the check asks; by default the maker's update document.
    Q_PROPERTY(QString updateAddress READ updateAddress WRITE setUpdateAddress NOTIFY updateAddressChanged)

public:
    explicit GeneralModel(QObject *parent = nullptr);

    QVariantList sections() const;
    QVariantList updates() const;
    void setUpdates(const Updates &updates);
    QString updateAddress() const { return m_updateAddress; }
    void setUpdateAddress(const QString &address);

    // Starts one update check; each answer replaces `updates`.
    Q_INVOKABLE void checkForUpdates();
    // Ends the shell at once, the orderly way: the event loop stops and everything owned is torn
    // down. Settings need no saving; every write is already on disk.
    Q_INVOKABLE static void shutDown();

signals:
    void updatesChanged();
    void updateAddressChanged();

private:
    Updates m_updates;
    QString m_updateAddress;
};
