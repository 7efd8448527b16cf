#include "phonecontactsmodel.h"

#include "diagnostics.h"

#include <QCoreApplication>
#include <algorithm>

PhoneContactsModel::PhoneContactsModel(QObject *parent) : QAbstractListModel(parent), m_contacts{ContactInfo{}} {}

void PhoneContactsModel::setStore(ContactsStore *store)
{
    if (m_store == store)
        return;
    const bool first = !m_store;
    m_store = store;
    emit storeChanged();
    // Already on screen before the store arrived (QML sets properties in any order).
    if (first && m_store && m_onScreen)
        requestContactsAccess();
}

int PhoneContactsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant PhoneContactsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_contacts.size())
        return {};
    const ContactInfo &contact = m_contacts.at(index.row());
    switch (role) {
    case IdRole:
        return contact.id.toString(QUuid::WithoutBraces);
    case FirstNameRole:
        return contact.firstName;
    case LastNameRole:
        return contact.lastName;
    case PhoneNumberRole:
        return contact.phoneNumber ? QVariant(*contact.phoneNumber) : QVariant();
    default:
        return {};
    }
}

QHash<int, QByteArray> PhoneContactsModel::roleNames() const
{
    return {{IdRole, "contactId"}, {FirstNameRole, "firstName"}, {LastNameRole, "lastName"},
            {PhoneNumberRole, "phoneNumber"}};
}

void PhoneContactsModel::setOnScreen(bool onScreen)
{
    if (m_onScreen == onScreen)
        return;
    m_onScreen = onScreen;
    emit onScreenChanged();
    if (onScreen)
        requestContactsAccess();
}

void PhoneContactsModel::requestContactsAccess()
{
    if (!m_store)
        return;
    switch (m_store->authorization()) {
    case ContactsStore::Authorization::NotDetermined:
    case ContactsStore::Authorization::Restricted:
    case ContactsStore::Authorization::Denied: {
        // The reply comes on a thread of the store's choosing; the list is only touched back on
        // the GUI thread, and not at all once this screen is gone.
        QPointer<PhoneContactsModel> self(this);
        m_store->requestAccess([self](bool granted, const QString &) {
            if (!granted)
                return;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self] {
                    if (self)
                        self->refresh();
                },
                Qt::QueuedConnection);
        });
        return;
    }
    case ContactsStore::Authorization::Authorized:
        QMetaObject::invokeMethod(this, &PhoneContactsModel::refresh, Qt::QueuedConnection);
        return;
    default:
        kestrel::diagnostic(QStringLiteral("error"));
        return;
    }
}

QList<ContactInfo> PhoneContactsModel::fetchContacts() const
{
    QList<ContactInfo> result;
    if (!m_store)
        return result;
    QList<ContactsStore::Contact> contacts;
    QString error;
    const bool ok = m_store->enumerate(&contacts, &error);
    result.reserve(contacts.size());
    for (const ContactsStore::Contact &contact : std::as_const(contacts))
        result.append({newContactId(), contact.givenName, contact.familyName, contact.phoneNumber});
    if (!ok)
        kestrel::diagnostic(QStringLiteral("Failed ") + error);
    sortByFirstName(result);
    return result;
}

void PhoneContactsModel::sortByFirstName(QList<ContactInfo> &contacts)
{
    // Keys are made once: composed, then as code points, so "é" written as e + accent sorts as
    // "é", and letters beyond the basic plane sort after every letter within it.
    struct Keyed {
        QList<uint> key;
        qsizetype index;
    };
    QList<Keyed> keyed;
    keyed.reserve(contacts.size());
    for (qsizetype i = 0; i < contacts.size(); ++i)
        keyed.append({contacts.at(i).firstName.normalized(QString::NormalizationForm_C).toUcs4(), i});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        return std::lexicographical_compare(a.key.begin(), a.key.end(), b.key.begin(), b.key.end());
    });
    QList<ContactInfo> sorted;
    sorted.reserve(contacts.size());
    for (const Keyed &k : std::as_const(keyed))
        sorted.append(std::move(contacts[k.index]));
    contacts = std::move(sorted);
}

void PhoneContactsModel::refresh()
{
    QList<ContactInfo> fetched = fetchContacts();
    const int before = count();
    beginResetModel();
    m_contacts = std::move(fetched);
    endResetModel();
    if (count() != before)
        emit countChanged();
    emit refreshed();
}
