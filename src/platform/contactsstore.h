#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <optional>

// The phone's address book behind a permission.
class ContactsStore : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A platform service owned by AppContext")

public:
    // Unknown: a status this shell does not know (for instance a damaged state file).
    enum class Authorization { NotDetermined, Restricted, Denied, Authorized, Unknown };
    Q_ENUM(Authorization)

    struct Contact {
        QString givenName;
        QString familyName;
        std::optional<QString> phoneNumber; // the first one, absent when there is none
    };
    using AccessReply = std::function<void(bool granted, const QString &error)>;

    using QObject::QObject;
    virtual Authorization authorization() const = 0;
    // Asks the user when not yet determined; reply may come from another thread.
    virtual void requestAccess(AccessReply reply) = 0;
    // Every contact in the store's order; false with an error description when the book cannot
    // be read (the contacts read before the failure are kept).
    virtual bool enumerate(QList<Contact> *contacts, QString *error) const = 0;
};
