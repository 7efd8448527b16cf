#pragma once

#include "contactinfo.h"
#include "contactsstore.h"

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

// The Phone app's contacts list: asks for the contacts permission each time the list comes on
// screen and, once allowed, re-reads the whole address book sorted by given name. It starts
// with one blank row, which stays while access is refused.
class PhoneContactsModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(ContactsStore *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // Whether the list is on screen. Each time it comes on screen the permission is checked and
    // the book read once, however many times the view reports it during its creation.
    Q_PROPERTY(bool onScreen READ onScreen WRITE setOnScreen NOTIFY onScreenChanged)

public:
    enum Role { IdRole = Qt::UserRole + 1, FirstNameRole, LastNameRole, PhoneNumberRole };

    explicit PhoneContactsModel(QObject *parent = nullptr);

    ContactsStore *store() const { return m_store; }
    void setStore(ContactsStore *store);

    QList<ContactInfo> contacts() const { return m_contacts; }
    int count() const { return int(m_contacts.size()); }
    bool onScreen() const { return m_onScreen; }
    void setOnScreen(bool onScreen);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Checks the permission; requests it unless already authorized; refreshes once allowed.
    Q_INVOKABLE void requestContactsAccess();
    // Every contact of the store, sorted by given name (stable).
    QList<ContactInfo> fetchContacts() const;

    // Ascending by given name in code point order of the canonically composed text: case
    // sensitive, not locale-aware; equal names keep their order.
    static void sortByFirstName(QList<ContactInfo> &contacts);

signals:
    void storeChanged();
    void countChanged();
    void onScreenChanged();
    // The list was replaced by a refresh.
    void refreshed();

private:
    void refresh();

    QPointer<ContactsStore> m_store;
    QList<ContactInfo> m_contacts;
    bool m_onScreen = false;
};
