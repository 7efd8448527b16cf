#include "appcontext.h"
#include "biometricunlock.h"
#include "tempdataroot.h"
#include "unlockscreenmodel.h"

#include <QThread>
#include <atomic>
#include <QtTest>

class TestLockModels : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataRoot> m_root;
    AppContext *m_context = nullptr;

    void setPasscode(bool use, const QString &passcode = {}, bool biometrics = false)
    {
        m_context->settings()->setValue("Use_Passcode", use);
        m_context->settings()->setValue("App_Passcode", passcode);
        m_context->settings()->setValue("Use_FaceID_TouchID", biometrics);
    }

    // Types the digits, letting each result act as the screen would when it comes into view.
    static void type(UnlockscreenModel &model, const QString &digits)
    {
        for (QChar digit : digits) {
            model.pressDigit(digit);
            model.resultAppeared();
        }
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempDataRoot>();
        m_context = m_root->context();
        m_context->haptics()->setUseFeedbackd(false);
    }
    void cleanup() { m_root.reset(); }

    void passcodeEntry_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QString>("left");
        QTest::newRow("right six digits") << "123456" << "123456" << true << "123456";
        QTest::newRow("wrong six digits clear") << "123456" << "123450" << false << "";
        QTest::newRow("retry after a wrong entry") << "123456" << "000000123456" << true << "123456";
        QTest::newRow("short passcode as soon as it matches") << "42" << "42" << true << "42";
        QTest::newRow("short passcode, wrong entry kept until six") << "42" << "4300" << false << "4300";
        QTest::newRow("short passcode, wrong entry cleared at six") << "42" << "430000" << false << "";
        QTest::newRow("long passcode can never be typed") << "1234567" << "1234567" << false << "7";
        QTest::newRow("empty stored passcode: accepted on sight") << "" << "" << true << "";
    }

    void passcodeEntry()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, unlocked);
        setPasscode(true, stored);
        UnlockscreenModel model;
        type(model, typed);
        model.resultAppeared(); // appearing again changes nothing
        QCOMPARE(model.unlocked(), unlocked);
        QCOMPARE(model.shown(), unlocked ? UnlockscreenModel::Home : UnlockscreenModel::Keypad);
        QTEST(model.password(), "left");
    }

    void keysDeleteAndCancel()
    {
        setPasscode(true, "123456");
        UnlockscreenModel model;
        for (const QString &bad : {QString("a"), QString("12"), QString(), QString("\u0663")})
            model.pressDigit(bad);
        QCOMPARE(model.password(), QString());
        type(model, "1");
        model.pressCancel(); // only while nothing is typed
        QCOMPARE(model.shown(), UnlockscreenModel::Keypad);
        model.pressDelete();
        model.pressDelete(); // nothing left to delete
        QCOMPARE(model.password(), QString());
        model.pressCancel();
        QCOMPARE(model.shown(), UnlockscreenModel::NewLockscreen);
        model.pressDigit("1"); // a screen that is gone takes no keys
        QCOMPARE(model.password(), QString());
    }

    // The Face ID titles are seen on the screens (the lock flow's test).
    void titleOnAPhoneWithAHomeButton()
    {
        setPasscode(true, "1", true);
        m_context = m_root->relaunch(DeviceInfo::TouchIdPhone);
        QCOMPARE(UnlockscreenModel().title(), QString("Touch ID or Enter Passcode"));
    }

    void biometricReplyArrivesOnTheGuiThreadAndNeverForAGoneScreen()
    {
        setPasscode(true, "1", true);
        std::atomic<QThread *> replyThread = nullptr;
        QThread *effectThread = nullptr;
        auto owner = std::make_unique<QObject>();
        // The sensor's reply runs elsewhere; watch from where it comes.
        m_context->biometrics()->evaluate("probe", [&](bool) { replyThread = QThread::currentThread(); });
        m_context->biometrics()->answer(SimulatedBiometrics::Matching);
        QTRY_VERIFY(replyThread);
        QVERIFY(replyThread != QThread::currentThread());

        requestBiometricUnlock(owner.get(), [&] { effectThread = QThread::currentThread(); });
        QVERIFY(m_context->biometrics()->evaluating());
        m_context->biometrics()->answer(SimulatedBiometrics::Matching);
        QTRY_VERIFY(effectThread);
        QCOMPARE(effectThread, QThread::currentThread());

        bool ranForGoneOwner = false;
        requestBiometricUnlock(owner.get(), [&] { ranForGoneOwner = true; });
        owner.reset();
        m_context->biometrics()->answer(SimulatedBiometrics::Matching);
        QTest::qWait(50);
        QVERIFY(!ranForGoneOwner);
    }

    void sensorThatCannotEvaluateShowsNothing()
    {
        setPasscode(true, "1", true);
        m_context->biometrics()->setEnrolled(false);
        bool ran = false;
        requestBiometricUnlock(this, [&] { ran = true; });
        QVERIFY(!m_context->biometrics()->evaluating());
        // Enrolment is the simulator's own state and survives a relaunch.
        m_context = m_root->relaunch();
        QVERIFY(!m_context->biometrics()->enrolled());
        m_context->biometrics()->setEnrolled(true);
        m_context = m_root->relaunch();
        QVERIFY(m_context->biometrics()->enrolled());
        QTest::qWait(20);
        QVERIFY(!ran);
    }

    void newCheckCancelsTheWaitingOne()
    {
        setPasscode(true, "1", true);
        int results = 0;
        bool firstSucceeded = true;
        m_context->biometrics()->evaluate("first", [&](bool ok) { firstSucceeded = ok; ++results; });
        m_context->biometrics()->evaluate("second", [&](bool) { ++results; });
        m_context->biometrics()->answer(SimulatedBiometrics::Cancel);
        QTRY_COMPARE(results, 2);
        QVERIFY(!firstSucceeded);
        QVERIFY(!m_context->biometrics()->evaluating());
    }
};

QTEST_MAIN(TestLockModels)
#include "tst_lockmodels.moc"
