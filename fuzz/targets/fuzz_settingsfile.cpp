// The settings file, as a damaged disk or a hand edit may leave it: the shell must start, and
// every typed read must give a value of the asked type.
#include "../fuzzmain.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString dir = QDir::tempPath() + QStringLiteral("/kestrel-fuzz-settings-%1").arg(getpid());
    static const QString path = dir + QStringLiteral("/settings.ini");
    QDir().mkpath(dir);
    QFile::remove(path + QStringLiteral(".broken"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    SettingsStore store(path);
    const QStringList keys = QSettings(path, QSettings::IniFormat).allKeys();
    for (const QString &key : keys) {
        const QVariant b = store.value(key, false);
        FUZZ_CHECK(b.typeId() == QMetaType::Bool);
        const QVariant n = store.value(key, 7);
        FUZZ_CHECK(n.typeId() == QMetaType::Int || n.typeId() == QMetaType::LongLong);
        const QVariant s = store.value(key, QStringLiteral("x"));
        FUZZ_CHECK(s.typeId() == QMetaType::QString);
        (void)store.data(key);
    }
    // The shell's own keys, read whatever the file holds.
    for (const char *key : {"items_list", "Cydia_Installed", "Tessel_Installed", "wallpaper", "passcode"})
        (void)store.value(QString::fromLatin1(key), QString());
    return 0;
}
