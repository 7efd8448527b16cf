#include "tesselloadermodel.h"

#include "appcontext.h"
#include "makerendpoints.h"
#include "settingsstore.h"

#include <algorithm>

TesselLoaderModel::TesselLoaderModel(QObject *parent)
    : TesselLoaderModel(AppContext::current() ? AppContext::current()->settings() : nullptr, parent)
{
}

TesselLoaderModel::TesselLoaderModel(SettingsStore *store, QObject *parent)
    : QAbstractListModel(parent), m_store(store)
{
    load();
}

ItemModel TesselLoaderModel::defaultSource()
{
    return ItemModel{{}, QStringLiteral("Tessel"), MakerEndpoints::defaultSource(), MakerEndpoints::defaultSourceIcon()};
}

void TesselLoaderModel::load()
{
    if (!m_store)
        return;
    const std::optional<QByteArray> stored = m_store->data(itemsKey());
    if (!stored)
        return;
    // A list that does not decode stays stored untouched: only the next save replaces it.
    std::optional<QList<ItemModel>> decoded = decodeItems(*stored);
    if (!decoded)
        return;
    beginResetModel();
    m_items = std::move(*decoded);
    endResetModel();
    emit countChanged();
    save();
}

void TesselLoaderModel::save() const
{
    if (m_store)
        m_store->setData(itemsKey(), encodeItems(m_items));
}

void TesselLoaderModel::add(const QString &title, const QString &repourl, const QString &repoicon)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_items.append(ItemModel{ItemModel::newId(), title, repourl, repoicon});
    endInsertRows();
    emit countChanged();
    save();
}

void TesselLoaderModel::addDefaultSource()
{
    if (!m_items.isEmpty())
        return;
    const ItemModel source = defaultSource();
    add(source.title, source.repourl, source.repoicon);
}

void TesselLoaderModel::deleteAt(const QList<int> &offsets)
{
    QList<int> rows;
    for (int row : offsets) {
        if (row >= 0 && row < count() && !rows.contains(row))
            rows.append(row);
    }
    if (rows.isEmpty())
        return;
    // From the back, so the positions still counted before removal stay right.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        beginRemoveRows({}, row, row);
        m_items.removeAt(row);
        endRemoveRows();
    }
    emit countChanged();
    save();
}

int TesselLoaderModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant TesselLoaderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const ItemModel &item = m_items.at(index.row());
    switch (role) {
    case IdRole: return item.id;
    case TitleRole: return item.title;
    case RepoUrlRole: return item.repourl;
    case RepoIconRole: return item.repoicon;
    default: return {};
    }
}

QHash<int, QByteArray> TesselLoaderModel::roleNames() const
{
    return {{IdRole, "sourceId"}, {TitleRole, "title"}, {RepoUrlRole, "repourl"}, {RepoIconRole, "repoicon"}};
}
