#pragma once

#include "itemmodel.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class SettingsStore;

// The package sources the "Sources" tab lists, kept in the settings store under "items_list"
// as raw JSON data. Every change of the list is saved at once. Each Sources screen makes its own
// model, which reloads the stored list.
class TesselLoaderModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QString itemsKey READ itemsKey CONSTANT)

public:
    enum Role { IdRole = Qt::UserRole + 1, TitleRole, RepoUrlRole, RepoIconRole };

    explicit TesselLoaderModel(QObject *parent = nullptr); // QML: the current context's store
    explicit TesselLoaderModel(SettingsStore *store, QObject *parent = nullptr);

    static QString itemsKey() { return QStringLiteral("items_list"); }
    // The source put back whenever the list is shown empty: the maker's own repository.
    static ItemModel defaultSource();

    const QList<ItemModel> &items() const { return m_items; }
    int count() const { return int(m_items.size()); }

    // Appends a source with a fresh id, exactly as given (no checks), and saves.
    Q_INVOKABLE void add(const QString &title, const QString &repourl, const QString &repoicon);
    // What the empty list's placeholder row does when it comes on screen; a second call while the
    // default is already back adds nothing.
    Q_INVOKABLE void addDefaultSource();
    // Removes the sources at these positions (all counted before removal) and saves.
    Q_INVOKABLE void deleteAt(const QList<int> &offsets);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    void load();
    void save() const;

    QPointer<SettingsStore> m_store;
    QList<ItemModel> m_items;
};
