#pragma once

#include "standardcontains.h"
#include "urlopener.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The store screen's rows: the catalogue, in table order, narrowed to the apps whose name
// contains SearchString (see StandardContains). The rows are worked out again on every change
// of the search; rows that stay keep their place (and their delegates and icons), rows that
// go or come are removed or inserted, never the whole list reset.
class TesselModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString SearchString READ searchString WRITE setSearchString NOTIFY SearchStringChanged)
    // The icon server's base address (ends in "/"); the compiled-in one unless a test sets another.
    Q_PROPERTY(QString iconBase READ iconBase WRITE setIconBase NOTIFY iconBaseChanged)

public:
    enum Role { NameRole = Qt::UserRole + 1, IconUrlRole, InstallLinkRole, IdRole };

    explicit TesselModel(QObject *parent = nullptr);

    QString searchString() const { return m_searchString; }
    void setSearchString(const QString &text);
    QString iconBase() const { return m_iconBase; }
    void setIconBase(const QString &base);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Positions in the catalogue of the rows shown, in order.
    const QList<int> &rows() const { return m_rows; }

    // Hands the row's install link to the system; false, and nothing happens, when it cannot.
    Q_INVOKABLE bool install(int row, UrlOpener *opener) const;

signals:
    void SearchStringChanged();
    void iconBaseChanged();

private:
    QList<int> matching() const;
    void show(const QList<int> &next);

    QString m_searchString;
    QString m_iconBase;
    QList<int> m_rows;
    StandardContains m_contains;
};
