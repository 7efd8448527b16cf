#include "appcontext.h"
#include "faceidpasscodemodel.h"
#include "passcodegatemodel.h"
#include "tempdataroot.h"

#include <QtTest>

// Stands in for the Settings screen, which owns the digits typed at the gate.
class ScreenModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Password MEMBER password NOTIFY PasswordChanged)
public:
    QString password;
signals:
    void PasswordChanged();
};

class TestPasscodeRules : public QObject
{
    Q_OBJECT

    TempDataRoot *m_root = nullptr;
    SettingsStore *store() { return m_root->context()->settings(); }
    void stored(bool usePasscode, const QString &code, bool biometrics = false)
    {
        store()->setValue("Use_Passcode", usePasscode);
        store()->setValue("App_Passcode", code);
        store()->setValue("Use_FaceID_TouchID", biometrics);
    }
    QString storedCode() { return store()->value("App_Passcode", QString()).toString(); }
    static void type(PasscodeGateModel &gate, const QString &digits)
    {
        for (const QChar d : digits)
            gate.pressDigit(QString(d));
    }

private slots:
    void init()
    {
        m_root = new TempDataRoot;
        m_root->context();
    }
    void cleanup() { delete m_root; }

    void gateLetsInWithoutAUsableCode_data()
    {
        QTest::addColumn<bool>("usePasscode");
        QTest::addColumn<QString>("code");
        QTest::newRow("passcode off, code stored") << false << "123456";
        QTest::newRow("on, none made") << true << "";
        QTest::newRow("on, five digits left over") << true << "12345";
    }
    void gateLetsInWithoutAUsableCode()
    {
        QFETCH(bool, usePasscode);
        QFETCH(QString, code);
        stored(usePasscode, code);
        ScreenModel screen;
        PasscodeGateModel gate;
        gate.setScreenModel(&screen);
        QVERIFY(gate.showsSettings());
        // The list then discards an unfinished code, and only that.
        FaceIDPasscodeModel page;
        page.listShown();
        QCOMPARE(storedCode(), code.size() < 6 ? QString() : code);
    }

    void gateClearsWrongDigitsAndRemembersRightOnesForTheScreen()
    {
        stored(true, "123456");
        ScreenModel screen;
        {
            PasscodeGateModel gate;
            gate.setScreenModel(&screen);
            QVERIFY(!gate.showsSettings());
            type(gate, "12345");
            QCOMPARE(screen.password, "12345");
            type(gate, "9");
            QVERIFY2(screen.password.isEmpty(), "six wrong digits must start the entry over");
            QVERIFY(!gate.showsSettings());
            type(gate, "1234567");
            QVERIFY(gate.showsSettings());
            QCOMPARE(screen.password, "123456");
        }
        PasscodeGateModel again;
        again.setScreenModel(&screen);
        QVERIFY2(again.showsSettings(), "the right code holds while the Settings screen lives");
        ScreenModel reopened;
        again.setScreenModel(&reopened);
        QVERIFY2(!again.showsSettings(), "a newly opened Settings asks again");
    }

    void turningOffAndOnKeepsTheCodeAndCarriesBiometrics()
    {
        stored(true, "123456", false);
        FaceIDPasscodeModel page;
        page.togglePasscode();
        QCOMPARE(store()->value("Use_Passcode", true).toBool(), false);
        QCOMPARE(store()->value("Use_FaceID_TouchID", true).toBool(), false);
        page.togglePasscode();
        QCOMPARE(store()->value("Use_Passcode", false).toBool(), true);
        QCOMPARE(store()->value("Use_FaceID_TouchID", false).toBool(), true);
        QCOMPARE(storedCode(), "123456");
        page.setUseBiometrics(false);
        QCOMPARE(store()->value("Use_FaceID_TouchID", true).toBool(), false);

        // The gate behind a live page follows the turn at once.
        ScreenModel screen;
        PasscodeGateModel gate;
        gate.setScreenModel(&screen);
        QSignalSpy shown(&gate, &PasscodeGateModel::shownChanged);
        page.togglePasscode();
        QVERIFY(gate.showsSettings());
        QVERIFY(!shown.isEmpty());
    }

    void makingAPasscodeStoresEachDigitUpToSix()
    {
        stored(false, "111111");
        FaceIDPasscodeModel page;
        page.startChangePasscode();
        QVERIFY2(!page.changePasscode(), "no new passcode while the passcode is off");
        page.togglePasscode();
        page.pressDigit("5");
        QCOMPARE(storedCode(), "111111");

        page.startChangePasscode();
        QVERIFY(page.changePasscode());
        QCOMPARE(storedCode(), QString());
        for (const char *d : {"9", "8", "7"})
            page.pressDigit(d);
        QCOMPARE(storedCode(), "987");
        page.pressDigit("x");
        QCOMPARE(storedCode(), "987");
        for (const char *d : {"6", "5", "4", "3"})
            page.pressDigit(d);
        QCOMPARE(storedCode(), "987654");

        page.startChangePasscode(); // already on the screen: nothing is cleared again
        QCOMPARE(storedCode(), "987654");
    }

    void leavingAnUnfinishedPasscodeLeavesNone()
    {
        stored(true, "123456");
        {
            FaceIDPasscodeModel page;
            page.startChangePasscode();
            page.pressDigit("4");
            page.pressDigit("2");
            page.pressDigit("0");
        }
        FaceIDPasscodeModel fresh;
        QVERIFY(!fresh.changePasscode());
        fresh.listShown();
        QCOMPARE(storedCode(), QString());
        QCOMPARE(store()->value("Use_Passcode", false).toBool(), true);
    }
};

QTEST_MAIN(TestPasscodeRules)
#include "tst_passcoderules.moc"
