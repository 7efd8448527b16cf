#include "diagnosticlines.h"
#include "phonecontactsmodel.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <thread>

namespace {

// A contacts store whose permission, answer and contents a test sets; like a phone's, it
// answers access requests from a thread of its own.
class FakeContactsStore : public ContactsStore
{
public:
    Authorization status = Authorization::Authorized;
    bool grantOnRequest = true;
    int requests = 0;
    int enumerations = 0;
    QList<Contact> contacts;
    QString failure; // non-empty: enumeration fails after the contacts above
    std::optional<AccessReply> held;   // when set, requests wait here until released
    bool holdReplies = false;

    Authorization authorization() const override { return status; }
    void requestAccess(AccessReply reply) override
    {
        ++requests;
        if (holdReplies) {
            held = reply;
            return;
        }
        std::thread([reply, granted = grantOnRequest] { reply(granted, QString()); }).detach();
    }
    bool enumerate(QList<Contact> *out, QString *error) const override
    {
        ++const_cast<FakeContactsStore *>(this)->enumerations;
        *out = contacts;
        if (failure.isEmpty())
            return true;
        *error = failure;
        return false;
    }
};

QStringList rows(const PhoneContactsModel &model)
{
    QStringList result;
    for (const ContactInfo &c : model.contacts())
        result.append(c.firstName + " " + c.lastName);
    return result;
}

} // namespace

class TestPhoneContactsModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { DiagnosticLines::start(); }
    void cleanup() { DiagnosticLines::stop(); }

    void permissionDecidesTheRefresh_data()
    {
        QTest::addColumn<ContactsStore::Authorization>("status");
        QTest::addColumn<bool>("grant");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("refreshed");
        QTest::addColumn<QStringList>("said");
        using A = ContactsStore::Authorization;
        QTest::newRow("authorized: no request") << A::Authorized << false << 0 << true << QStringList();
        QTest::newRow("not determined, allowed") << A::NotDetermined << true << 1 << true << QStringList();
        QTest::newRow("not determined, refused") << A::NotDetermined << false << 1 << false << QStringList();
        QTest::newRow("restricted asks and is refused") << A::Restricted << false << 1 << false << QStringList();
        QTest::newRow("denied asks and is refused") << A::Denied << false << 1 << false << QStringList();
        QTest::newRow("unknown says error, asks nothing") << A::Unknown << true << 0 << false << QStringList{"error"};
    }

    void permissionDecidesTheRefresh()
    {
        QFETCH(ContactsStore::Authorization, status);
        QFETCH(bool, grant);
        QFETCH(bool, refreshed);
        FakeContactsStore store;
        store.status = status;
        store.grantOnRequest = grant;
        store.contacts = {{"Zoe", "Ng", "1"}, {"Al", "Bo", std::nullopt}};
        PhoneContactsModel model;
        model.setStore(&store);
        QThread *refreshThread = nullptr;
        connect(&model, &PhoneContactsModel::refreshed, this, [&] { refreshThread = QThread::currentThread(); });

        model.requestContactsAccess();
        QCOMPARE(store.enumerations, 0); // never synchronously
        QTEST(store.requests, "requests");
        if (refreshed) {
            QTRY_COMPARE(rows(model), QStringList({"Al Bo", "Zoe Ng"}));
            QCOMPARE(refreshThread, QThread::currentThread());
            QCOMPARE(*model.contacts().last().phoneNumber, "1");
            QVERIFY(!model.contacts().first().phoneNumber);
            // Every appearance reads again and makes the records anew, each with its own id.
            const QUuid first = model.contacts().first().id;
            store.contacts.append({"Cy", "", std::nullopt});
            model.requestContactsAccess();
            QTRY_COMPARE(rows(model), QStringList({"Al Bo", "Cy ", "Zoe Ng"}));
            QVERIFY(model.contacts().first().id != first && model.contacts().at(0).id != model.contacts().at(1).id);
            QCOMPARE(model.contacts().at(1).id.version(), QUuid::Random);
        } else {
            // The one blank row a screen starts with stays.
            QTest::qWait(50);
            QCOMPARE(store.enumerations, 0);
            QCOMPARE(model.rowCount(), 1);
            const QModelIndex row = model.index(0);
            QCOMPARE(row.data(PhoneContactsModel::FirstNameRole).toString() + row.data(PhoneContactsModel::LastNameRole).toString(), "");
            QVERIFY(row.data(PhoneContactsModel::PhoneNumberRole).isNull());
            QVERIFY(!row.data(PhoneContactsModel::IdRole).toString().isEmpty());
        }
        QTEST(DiagnosticLines::said, "said");
    }

    void enumerationFailureKeepsWhatWasRead()
    {
        FakeContactsStore store;
        store.contacts = {{"Kept", "One", std::nullopt}};
        store.failure = "/data/contacts.vcf: Is a directory";
        PhoneContactsModel model;
        model.setStore(&store);
        const QList<ContactInfo> fetched = model.fetchContacts();
        QCOMPARE(fetched.size(), 1);
        QCOMPARE(fetched.first().firstName, "Kept");
        QCOMPARE(DiagnosticLines::said, QStringList{"Failed /data/contacts.vcf: Is a directory"});
    }

    void replyAfterTheScreenIsGoneIsIgnored()
    {
        FakeContactsStore store;
        store.status = ContactsStore::Authorization::NotDetermined;
        store.holdReplies = true;
        auto *model = new PhoneContactsModel;
        model->setStore(&store);
        model->requestContactsAccess();
        QVERIFY(store.held);
        delete model;
        std::thread([reply = *store.held] { reply(true, QString()); }).join();
        QTest::qWait(20);
        QCOMPARE(store.enumerations, 0);
    }

    // By code point, not by locale; equal names (also when composed differently) keep the
    // store's order.
    void sortsByGivenNameInCodePointOrder_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("empty first, upper case before lower case")
            << QStringList{"bob", "Zed", "", "alice", "Anna"} << QList<int>{2, 4, 1, 3, 0};
        QTest::newRow("accented letters after plain ones")
            << QStringList{QString::fromUtf8("\xc3\x89mile"), "zoe", "Emil"} << QList<int>{2, 1, 0};
        QTest::newRow("prefix first") << QStringList{"Annabel", "Ann", "Anna"} << QList<int>{1, 2, 0};
        // By code point U+FF21 comes before U+1D400; by UTF-16 code unit it would come after.
        QTest::newRow("beyond the basic plane")
            << QStringList{QString::fromUtf8("\xf0\x9d\x90\x80"), QString::fromUtf8("\xef\xbc\xa1")} << QList<int>{1, 0};
        QTest::newRow("equal names keep their order")
            << QStringList{"Li", QString::fromUtf8("e\xcc\x81va"), "Li", "f", QString::fromUtf8("\xc3\xa9va"), "Li"}
            << QList<int>{0, 2, 5, 3, 1, 4};
    }

    void sortsByGivenNameInCodePointOrder()
    {
        QFETCH(QStringList, given);
        QList<ContactInfo> contacts;
        for (int i = 0; i < given.size(); ++i)
            contacts.append({QUuid::createUuid(), given.at(i), QString::number(i), std::nullopt});
        PhoneContactsModel::sortByFirstName(contacts);
        QList<int> order;
        for (const ContactInfo &c : contacts)
            order.append(c.lastName.toInt());
        QTEST(order, "order");
    }
};

QTEST_GUILESS_MAIN(TestPhoneContactsModel)
#include "tst_phonecontactsmodel.moc"
