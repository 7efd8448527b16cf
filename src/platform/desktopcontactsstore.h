#pragma once

#include "contactsstore.h"

#include <QUrl>

// The simulator's address book: <data root>/contacts.vcf read with our own vCard reader, behind
// a permission kept in the simulator's state file. While the permission is not determined, a
// request raises the system prompt (drawn by the simulator, which answers through answerPrompt);
// every reply is delivered from a worker thread, as a phone's contacts service would.
class DesktopContactsStore : public ContactsStore
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(Authorization authorization READ authorization NOTIFY authorizationChanged)
    Q_PROPERTY(bool promptShown READ promptShown NOTIFY promptShownChanged)
    Q_PROPERTY(QString addressBookPath READ addressBookPath CONSTANT)

public:
    struct ImportResult {
        int added = 0;
        int alreadyPresent = 0; // same names and number as a contact already in the book
        int damaged = 0;
        QString error; // non-empty: nothing was written
    };

    DesktopContactsStore(const QString &addressBookPath, const QString &stateFile, QObject *parent = nullptr);

    Authorization authorization() const override;
    void requestAccess(AccessReply reply) override;
    bool enumerate(QList<Contact> *contacts, QString *error) const override;

    bool promptShown() const { return !m_waiting.isEmpty(); }
    QString addressBookPath() const { return m_addressBook; }

    // The prompt's two buttons; every request waiting on it gets the answer.
    Q_INVOKABLE void answerPrompt(bool allow);

    // The hardware menu, standing for the phone's privacy settings. Granting or denying also
    // answers a prompt that is showing.
    Q_INVOKABLE void grant();
    Q_INVOKABLE void deny();
    Q_INVOKABLE void reset();

    // Adds the cards of a .vcf file that the book does not already hold; the book is rewritten
    // atomically, and left untouched when anything goes wrong.
    ImportResult importFile(const QString &path);
    // The same for the hardware menu: returns the text its banner shows.
    Q_INVOKABLE QString importContacts(const QUrl &file);

signals:
    void authorizationChanged();
    void promptShownChanged();

private:
    void setAuthorization(Authorization status);
    static void deliver(const QList<AccessReply> &replies, bool granted);

    QString m_addressBook;
    QString m_stateFile;
    QList<AccessReply> m_waiting;
};
