#include "repodetailmodel.h"

#include "appcontext.h"
#include "loadappsfunc.h"
#include "tweaks.h"

RepoDetailModel::RepoDetailModel(QObject *parent)
    : RepoDetailModel(AppContext::current() ? AppContext::current()->network() : nullptr, parent)
{
}

RepoDetailModel::RepoDetailModel(QNetworkAccessManager *network, QObject *parent)
    : QAbstractListModel(parent), m_network(network)
{
}

void RepoDetailModel::setCurrentRepoUrl(const QString &url)
{
    if (url == m_currentRepoUrl)
        return;
    m_currentRepoUrl = url;
    emit currentRepoUrlChanged();
}

void RepoDetailModel::fetch()
{
    LoadAppsFunc::fetch(m_network, m_currentRepoUrl, this, [this](const QList<Packages> &packages) {
        ++m_fetchesCompleted;
        setPackages(packages);
    });
}

void RepoDetailModel::apply(int row, Tweaks *tweaks) const
{
    if (tweaks && row >= 0 && row < count())
        tweaks->applyPackage(m_packages.at(m_tweaks.at(row)));
}

void RepoDetailModel::setPackages(const QList<Packages> &packages)
{
    beginResetModel();
    m_packages = packages;
    m_tweaks.clear();
    for (qsizetype i = 0; i < m_packages.size(); ++i) {
        if (m_packages.at(i).Category() == QLatin1String("Tweaks"))
            m_tweaks.append(i);
    }
    endResetModel();
    emit packagesChanged();
}

int RepoDetailModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant RepoDetailModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Packages &package = m_packages.at(m_tweaks.at(index.row()));
    switch (role) {
    case PackageIdRole: return package.id.toString(QUuid::WithoutBraces).toUpper();
    case PackageNameRole: return package.PackageName();
    case AppIconRole: return package.AppIcon().value_or(QString());
    default: return {};
    }
}

QHash<int, QByteArray> RepoDetailModel::roleNames() const
{
    return {{PackageIdRole, "packageId"}, {PackageNameRole, "packageName"}, {AppIconRole, "appIcon"}};
}
