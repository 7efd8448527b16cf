#include "desktopcontactsstore.h"
#include "tempdataroot.h"
#include "testfiles.h"

#include <QSettings>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

QByteArray card(const QByteArray &n, const QByteArray &tel = {})
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + n + "\r\n" + (tel.isEmpty() ? "" : "TEL:" + tel + "\r\n")
           + "END:VCARD\r\n";
}

// Collects access replies, with the thread each came on.
struct Replies {
    QList<bool> answers;
    QList<QThread *> threads;
    ContactsStore::AccessReply reply()
    {
        return [this](bool granted, const QString &) {
            QMetaObject::invokeMethod(QCoreApplication::instance(), [this, granted, thread = QThread::currentThread()] {
                answers.append(granted);
                threads.append(thread);
            });
        };
    }
};

} // namespace

using TestFiles::read;
using TestFiles::write;

class TestDesktopContactsStore : public QObject
{
    Q_OBJECT

private:
    TempDataRoot *m_root = nullptr;
    std::unique_ptr<DesktopContactsStore> m_store;

    QString book() const { return m_root->filePath("contacts.vcf"); }
    QString state() const { return m_root->filePath("simulator.ini"); }
    DesktopContactsStore &reopen()
    {
        m_store = std::make_unique<DesktopContactsStore>(book(), state());
        return *m_store;
    }
    QStringList names()
    {
        QList<ContactsStore::Contact> contacts;
        QString error;
        if (!m_store->enumerate(&contacts, &error))
            return {"error: " + error};
        QStringList result;
        for (const auto &c : contacts)
            result.append(c.givenName + " " + c.familyName + (c.phoneNumber ? " " + *c.phoneNumber : QString()));
        return result;
    }

private slots:
    void init()
    {
        m_root = new TempDataRoot;
        reopen();
    }
    void cleanup()
    {
        m_store.reset();
        delete m_root;
    }

    // The permission as stored in the state file; a decided one answers at once, unprompted.
    void permissionLivesInTheStateFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<ContactsStore::Authorization>("status");
        QTest::addColumn<bool>("granted");
        using A = ContactsStore::Authorization;
        QTest::newRow("authorized") << "Authorized" << A::Authorized << true;
        QTest::newRow("denied") << "Denied" << A::Denied << false;
        QTest::newRow("restricted") << "Restricted" << A::Restricted << false;
        QTest::newRow("damaged") << "maybe" << A::Unknown << false;
    }

    void permissionLivesInTheStateFile()
    {
        QFETCH(QString, stored);
        QFETCH(bool, granted);
        QSettings(state(), QSettings::IniFormat).setValue("Contacts/Authorization", stored);
        QTEST(reopen().authorization(), "status");
        Replies replies;
        m_store->requestAccess(replies.reply());
        QVERIFY(!m_store->promptShown());
        QTRY_COMPARE(replies.answers, QList<bool>{granted});
        m_store->answerPrompt(!granted); // no prompt: nothing to answer
        QTest::qWait(20);
        QCOMPARE(replies.answers.size(), 1);
    }

    // Grant and deny persist through the prompt table's menu rows; here the rest.
    void menuChoicesPersistAndKeepTheRestOfTheFile()
    {
        QSettings(state(), QSettings::IniFormat).setValue("Biometrics/Enrolled", false);
        QSignalSpy changed(m_store.get(), &DesktopContactsStore::authorizationChanged);
        m_store->grant();
        m_store->grant();
        QCOMPARE(changed.count(), 1);
        m_store->reset();
        QCOMPARE(reopen().authorization(), ContactsStore::Authorization::NotDetermined);
        QCOMPARE(QSettings(state(), QSettings::IniFormat).value("Biometrics/Enrolled").toString(), "false");
    }

    void promptAnswersEveryWaitingRequestFromAnotherThread_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::addColumn<bool>("throughMenu");
        QTest::newRow("OK") << true << false;
        QTest::newRow("Don't Allow") << false << false;
        QTest::newRow("menu grant") << true << true;
        QTest::newRow("menu deny") << false << true;
    }

    void promptAnswersEveryWaitingRequestFromAnotherThread()
    {
        QFETCH(bool, allow);
        QFETCH(bool, throughMenu);
        QSignalSpy prompt(m_store.get(), &DesktopContactsStore::promptShownChanged);
        Replies replies;
        m_store->requestAccess(replies.reply());
        m_store->requestAccess(replies.reply());
        QVERIFY(m_store->promptShown());
        QCOMPARE(prompt.count(), 1);
        QTest::qWait(50);
        QVERIFY2(replies.answers.isEmpty(), "answered before the user chose");
        m_store->reset();
        QVERIFY2(m_store->promptShown(), "a reset while the prompt shows must keep it waiting");

        if (throughMenu)
            allow ? m_store->grant() : m_store->deny();
        else
            m_store->answerPrompt(allow);
        QVERIFY(!m_store->promptShown());
        QCOMPARE(prompt.count(), 2);
        QTRY_COMPARE(replies.answers, QList<bool>({allow, allow}));
        for (QThread *thread : std::as_const(replies.threads))
            QVERIFY2(thread != QThread::currentThread(), "the reply came on the GUI thread");
        QCOMPARE(reopen().authorization(),
                 allow ? ContactsStore::Authorization::Authorized : ContactsStore::Authorization::Denied);
    }

    // Damaged cards are skipped; a book that cannot be read is a failure that names it.
    void enumeratesTheBookInItsOrder()
    {
        QCOMPARE(names(), QStringList());
        QVERIFY(write(book(), card("Zed;Al", "1") + "BEGIN:VCARD\r\nbroken\r\nEND:VCARD\r\n" + card("Be;Cy")));
        QCOMPARE(names(), QStringList({"Al Zed 1", "Cy Be"}));
        QVERIFY(QFile::remove(book()) && QDir().mkpath(book()));
        QVERIFY2(names().value(0).startsWith("error: " + book()), qPrintable(names().value(0)));
    }

    void importMergesNewCards()
    {
        QVERIFY(write(book(), card("Ash;Bea", "1") + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Unended;Card"));
        const QString source = m_root->filePath("import.vcf");
        QVERIFY(write(source, card("Ash;Bea", "1") + card("Ash;Bea", "2") + "BEGIN:VCARD\r\nVERSION:7\r\nEND:VCARD\r\n"
                                  + card("Cole;Dee") + card("Cole;Dee")));
        const DesktopContactsStore::ImportResult result = m_store->importFile(source);
        QCOMPARE(result.error, QString());
        QCOMPARE(result.added, 2);
        QCOMPARE(result.alreadyPresent, 2);
        QCOMPARE(result.damaged, 1);
        // The damaged tail of the old book stays as it was; the new cards follow it intact.
        QCOMPARE(names(), QStringList({"Bea Ash 1", "Bea Ash 2", "Dee Cole"}));
        QVERIFY(read(book()).startsWith(card("Ash;Bea", "1") + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Unended;Card\r\n"));

        const QByteArray before = read(book());
        const DesktopContactsStore::ImportResult again = m_store->importFile(source);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.alreadyPresent, 4);
        QCOMPARE(read(book()), before);
        QCOMPARE(m_store->importContacts(QUrl::fromLocalFile(source)), "Every contact in import.vcf is already present");
        QVERIFY(write(source, "no cards here"));
        QCOMPARE(m_store->importContacts(QUrl::fromLocalFile(source)), "No contacts found in import.vcf");
        // Into a book that does not exist yet.
        QVERIFY(QFile::remove(book()));
        QVERIFY(write(source, card("A;B") + card("C;D") + "BEGIN:VCARD\r\nx\r\nEND:VCARD\r\n"));
        QCOMPARE(m_store->importContacts(QUrl::fromLocalFile(source)), "Imported 2 contacts, 1 damaged skipped");
        QCOMPARE(names(), QStringList({"B A", "D C"}));
    }

    void importFailuresLeaveTheBookAlone_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing source") << "source";
        QTest::newRow("book unreadable") << "book";
        QTest::newRow("book cannot be written") << "write";
    }

    void importFailuresLeaveTheBookAlone()
    {
        QFETCH(QString, problem);
        const QString source = m_root->filePath("import.vcf");
        if (problem != "source")
            QVERIFY(write(source, card("New;Nia")));
        QString bookPath = book();
        if (problem == "book")
            QVERIFY(QDir().mkpath(bookPath));
        else if (problem == "write") {
            // A book whose folder is a plain file cannot be written at all.
            QVERIFY(write(m_root->filePath("blocked"), "x"));
            bookPath = m_root->filePath("blocked/contacts.vcf");
        } else
            QVERIFY(write(bookPath, card("Old;Oz")));
        DesktopContactsStore store(bookPath, state());
        const DesktopContactsStore::ImportResult result = store.importFile(source);
        QVERIFY2(!result.error.isEmpty(), "a failed import reported success");
        QCOMPARE(result.added, 0);
        if (problem == "source")
            QCOMPARE(read(bookPath), card("Old;Oz"));
        QVERIFY(store.importContacts(QUrl::fromLocalFile(source)).startsWith("Could not import"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopContactsStore)
#include "tst_desktopcontactsstore.moc"
