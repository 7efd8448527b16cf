#include "settingbinding.h"
#include "settingsstore.h"
#include "tempdataroot.h"
#include "testfiles.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataRoot> m_root;
    QString path; // the settings file of this test

private slots:
    void init()
    {
        m_root = std::make_unique<TempDataRoot>();
        path = m_root->filePath("settings.ini");
    }
    void cleanup() { m_root.reset(); }

    void absentKeysReadAsDefaultsWithoutWriting()
    {
        {
            SettingsStore store(path);
            QCOMPARE(store.value("Setup_Complete", false), QVariant(false));
            QCOMPARE(store.value("Dock_Opacity", 1).toLongLong(), 1);
            QCOMPARE(store.value("Lockscreen_Wallpaper", QString("Wallpaper")), QVariant(QString("Wallpaper")));
            QVERIFY(!store.data("items_list").has_value());
        }
        QVERIFY2(!TestFiles::read(path).contains("Setup_Complete"), "a read wrote its default");
    }

    void everyTypeRoundTripsThroughTheFile_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::newRow("bool true") << QVariant(true) << QVariant(false);
        QTest::newRow("bool false") << QVariant(false) << QVariant(true);
        QTest::newRow("integer 0") << QVariant(qint64(0)) << QVariant(qint64(1));
        QTest::newRow("negative integer") << QVariant(qint64(-3)) << QVariant(qint64(1));
        QTest::newRow("largest integer") << QVariant(std::numeric_limits<qint64>::max()) << QVariant(qint64(1));
        QTest::newRow("smallest integer") << QVariant(std::numeric_limits<qint64>::min()) << QVariant(qint64(1));
        QTest::newRow("empty string") << QVariant(QString()) << QVariant(QString("x"));
        QTest::newRow("digits keep leading zeros") << QVariant(QString("007123")) << QVariant(QString());
        QTest::newRow("INI syntax in a string") << QVariant(QString("a=b; [c] \"d\" \\ e\nf")) << QVariant(QString());
        QTest::newRow("non-Latin string") << QVariant(QString::fromUtf8("Wallpaper \xe2\x9c\x93 \xd0\x96")) << QVariant(QString());
        QTest::newRow("text that looks like a bool") << QVariant(QString("true")) << QVariant(QString());
    }

    void everyTypeRoundTripsThroughTheFile()
    {
        QFETCH(QVariant, written);
        QFETCH(QVariant, defaultValue);
        {
            SettingsStore store(path);
            QVERIFY(store.setValue("Key", written));
        }
        SettingsStore reopened(path);
        const QVariant read = reopened.value("Key", defaultValue);
        QCOMPARE(read.typeId() == QMetaType::LongLong ? QVariant(read.toLongLong()) : read,
                 written.typeId() == QMetaType::LongLong ? QVariant(written.toLongLong()) : written);
    }

    void rawDataRoundTrips()
    {
        QByteArray bytes("[{\"id\":\"A\",\"title\":\"x=y\"}]");
        bytes.append('\0').append("\xff\n", 2);
        {
            SettingsStore store(path);
            QVERIFY(store.setData("items_list", bytes));
        }
        SettingsStore reopened(path);
        QCOMPARE(reopened.data("items_list").value_or(QByteArray()), bytes);
        // A text value is not raw data.
        reopened.setValue("Lockscreen_Wallpaper", QString("Mars"));
        QVERIFY(!reopened.data("Lockscreen_Wallpaper").has_value());
    }

    void storedValueOfAnotherTypeReadsAsDefaultAndStays_data()
    {
        QTest::addColumn<QByteArray>("storedText");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::newRow("fraction for an integer") << QByteArray("1.5") << QVariant(qint64(1));
        QTest::newRow("word for an integer") << QByteArray("opaque") << QVariant(qint64(1));
        QTest::newRow("integer past 64 bits") << QByteArray("99999999999999999999") << QVariant(qint64(1));
        QTest::newRow("yes for a bool") << QByteArray("yes") << QVariant(false);
        QTest::newRow("1 for a bool") << QByteArray("1") << QVariant(false);
        QTest::newRow("list for a string") << QByteArray("a, b") << QVariant(QString("Wallpaper"));
    }

    void storedValueOfAnotherTypeReadsAsDefaultAndStays()
    {
        QFETCH(QByteArray, storedText);
        QFETCH(QVariant, defaultValue);
        QVERIFY(TestFiles::write(path, "[General]\nKey=" + storedText + "\nOther=kept\n"));

        SettingsStore store(path);
        QCOMPARE(store.value("Key", defaultValue), defaultValue);
        store.setValue("Other", QString("changed"));
        QVERIFY2(TestFiles::read(path).contains("Key=" + storedText), "the value of another type was rewritten");
    }

    void bindingsOnOneKeySeeEveryWrite()
    {
        SettingsStore store(path);
        SettingBinding home(&store, "Dock_Opacity", 1);
        SettingBinding tweaks(&store, "Dock_Opacity", qint64(1)); // as the tweaks declare and write it
        SettingBinding unrelated(&store, "Use_Passcode", false);
        QSignalSpy homeSpy(&home, &SettingBinding::valueChanged);
        QSignalSpy unrelatedSpy(&unrelated, &SettingBinding::valueChanged);

        QVERIFY(tweaks.setValue(qint64(0)));
        QCOMPARE(homeSpy.count(), 1);
        QCOMPARE(home.toInteger(), 0);
        QCOMPARE(unrelatedSpy.count(), 0);

        // A binding converts to its key's type and refuses what cannot be stored as it.
        QVERIFY(tweaks.setValue(5.0));
        QCOMPARE(home.toInteger(), 5);
        QVERIFY(!tweaks.setValue(QString("five")));
        QVERIFY(!tweaks.setValue(0.5));
        QVERIFY(home.setValue(6));
        QCOMPARE(tweaks.toInteger(), 6);

        // Clearing the store tells every binding.
        QVERIFY(store.clear());
        QCOMPARE(homeSpy.count(), 4);
        QCOMPARE(home.toInteger(), 1);
    }

    void writesSurviveTheProcess()
    {
        // The child writes and is killed at once: only what reached the disk before setValue
        // returned can be read back.
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child-write", path});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        SettingsStore store(path);
        QCOMPARE(store.value("Setup_Complete", false), QVariant(true));
        QCOMPARE(store.value("App_Passcode", QString()), QVariant(QString("123456")));
        QCOMPARE(store.value("Dock_Opacity", qint64(1)).toLongLong(), 0);
    }

    void unparsableFileIsKeptAsideAndDefaultsUsed()
    {
        const QByteArray broken("[General\nSetup_Complete=true\n");
        QVERIFY(TestFiles::write(path, broken));

        SettingsStore store(path);
        QCOMPARE(store.value("Setup_Complete", false), QVariant(false));
        QCOMPARE(TestFiles::read(path + ".broken"), broken);
        QVERIFY(store.setValue("Use_Passcode", true));
        SettingsStore reopened(path);
        QCOMPARE(reopened.value("Use_Passcode", false), QVariant(true));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child-write") == 0) {
        SettingsStore store(QString::fromLocal8Bit(argv[2]));
        store.setValue("Setup_Complete", true);
        store.setValue("App_Passcode", QString("123456"));
        store.setValue("Dock_Opacity", qint64(0));
        std::abort(); // no orderly shutdown that could flush anything late
    }
    QCoreApplication app(argc, argv);
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
