#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

// The phone's address book behind a permission.
class ContactsStore : public QObject
{
    Q_OBJECT

public:
    enum class Authorization { NotDetermined, Restricted, Denied, Authorized };
    Q_ENUM(Authorization)

    struct Contact {
        QString givenName;
        QString familyName;
        QString phoneNumber; // the first one, or empty
    };
    using AccessReply = std::function<void(bool granted, const QString &error)>;

    using QObject::QObject;
    virtual Authorization authorization() const = 0;
    // Asks the user when not yet determined; reply may come from another thread.
    virtual void requestAccess(AccessReply reply) = 0;
    // Every contact; false with an error description when the book cannot be read.
    virtual bool enumerate(QList<Contact> *contacts, QString *error) const = 0;
};
