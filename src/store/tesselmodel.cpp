#include "tesselmodel.h"

#include "catalogue.h"
#include "makerendpoints.h"

#include <QUrl>

TesselModel::TesselModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_iconBase(QLatin1String(MakerEndpoints::IconBase))
    , m_rows(matching())
{
}

void TesselModel::setSearchString(const QString &text)
{
    if (text == m_searchString)
        return;
    m_searchString = text;
    show(matching());
    emit SearchStringChanged();
}

void TesselModel::setIconBase(const QString &base)
{
    if (base == m_iconBase)
        return;
    m_iconBase = base;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0), index(int(m_rows.size()) - 1), {IconUrlRole});
    emit iconBaseChanged();
}

QList<int> TesselModel::matching() const
{
    const QList<application> &all = catalogue();
    QList<int> rows;
    for (int i = 0; i < all.size(); ++i) {
        if (m_searchString.isEmpty() || m_contains(all.at(i).name, m_searchString))
            rows.append(i);
    }
    return rows;
}

// Both lists are in catalogue order, so removing what goes and then inserting what comes, run
// by run, turns one into the other.
void TesselModel::show(const QList<int> &next)
{
    for (qsizetype end = m_rows.size(); end > 0;) {
        if (next.contains(m_rows.at(end - 1))) {
            --end;
            continue;
        }
        qsizetype first = end - 1;
        while (first > 0 && !next.contains(m_rows.at(first - 1)))
            --first;
        beginRemoveRows({}, int(first), int(end - 1));
        m_rows.remove(first, end - first);
        endRemoveRows();
        end = first;
    }
    for (qsizetype at = 0; at < next.size();) {
        const int kept = at < m_rows.size() ? m_rows.at(at) : -1;
        if (next.at(at) == kept) {
            ++at;
            continue;
        }
        qsizetype last = at;
        while (last + 1 < next.size() && next.at(last + 1) != kept)
            ++last;
        beginInsertRows({}, int(at), int(last));
        for (qsizetype i = at; i <= last; ++i)
            m_rows.insert(i, next.at(i));
        endInsertRows();
        at = last + 1;
    }
}

int TesselModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TesselModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const application &app = catalogue().at(m_rows.at(index.row()));
    switch (role) {
    case NameRole: return app.name;
    case IconUrlRole: return QUrl(m_iconBase + app.icon + QLatin1String(MakerEndpoints::IconSuffix));
    case InstallLinkRole: return app.installLink();
    case IdRole: return app.id.toString(QUuid::WithoutBraces);
    default: return {};
    }
}

QHash<int, QByteArray> TesselModel::roleNames() const
{
    return {{NameRole, "name"}, {IconUrlRole, "iconUrl"}, {InstallLinkRole, "installLink"}, {IdRole, "appId"}};
}

bool TesselModel::install(int row, UrlOpener *opener) const
{
    if (!opener || row < 0 || row >= m_rows.size())
        return false;
    return opener->open(catalogue().at(m_rows.at(row)).installLink());
}
