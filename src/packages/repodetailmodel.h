#pragma once

#include "packages.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <QNetworkAccessManager>
#include "tweaks.h"

// One opened source: its packages, fetched anew each time its "Sections" list comes on screen,
// and as rows the packages of the Tweaks page (Category exactly "Tweaks", in document order).
// Until a fetch completes the list is empty; a fetch that fails leaves it as it was.
class RepoDetailModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString currentRepoUrl READ currentRepoUrl WRITE setCurrentRepoUrl NOTIFY currentRepoUrlChanged)
    Q_PROPERTY(int packageCount READ packageCount NOTIFY packagesChanged)
    Q_PROPERTY(int count READ count NOTIFY packagesChanged)
    Q_PROPERTY(int fetchesCompleted READ fetchesCompleted NOTIFY packagesChanged)

public:
    enum Role { PackageIdRole = Qt::UserRole + 1, PackageNameRole, AppIconRole };

    explicit RepoDetailModel(QObject *parent = nullptr); // QML: the current context's network
    explicit RepoDetailModel(QNetworkAccessManager *network, QObject *parent = nullptr);

    QString currentRepoUrl() const { return m_currentRepoUrl; }
    void setCurrentRepoUrl(const QString &url);
    const QList<Packages> &packages() const { return m_packages; }
    int packageCount() const { return int(m_packages.size()); }
    int count() const { return int(m_tweaks.size()); }
    int fetchesCompleted() const { return m_fetchesCompleted; }

    Q_INVOKABLE void fetch();
    // The tap on a Tweaks row: applies that package at once.
    Q_INVOKABLE void apply(int row, Tweaks *tweaks) const;

    void setPackages(const QList<Packages> &packages);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void currentRepoUrlChanged();
    void packagesChanged();

private:
    QPointer<QNetworkAccessManager> m_network;
    QString m_currentRepoUrl;
    QList<Packages> m_packages;
    QList<qsizetype> m_tweaks; // positions in m_packages
    int m_fetchesCompleted = 0;
};
