#pragma once

#include <QObject>
#include <QSettings>
#include <QVariant>
#include <memory>

// The one persistent key-value store of the shell: <data root>/settings.ini.
//
// Values are typed by the default each reader supplies: INI stores every value as text, so a
// read converts the stored text to the default's type and falls back to the default when the
// key is absent or the text does not convert. Reads never write. A write is synced to disk
// before it returns and announced through valueChanged(key), so every live binding re-reads.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(const QString &filePath, QObject *parent = nullptr);
    ~SettingsStore() override;

    QString filePath() const { return m_filePath; }

    // Stored value converted to defaultValue's type (bool, integer, string, bytes), else the default.
    QVariant value(const QString &key, const QVariant &defaultValue) const;
    bool contains(const QString &key) const;

    // Stores v; returns true only once the file on disk holds it.
    bool setValue(const QString &key, const QVariant &v);

    // Raw bytes, used for the package manager's source list.
    std::optional<QByteArray> data(const QString &key) const;
    bool setData(const QString &key, const QByteArray &bytes);

    // Removes a key (readers then see their defaults).
    bool remove(const QString &key);
    // Removes every key, as on a first launch.
    bool clear();

    // Converts v to the type of defaultValue; nullopt when that is not possible without loss.
    static std::optional<QVariant> convert(const QVariant &v, const QVariant &defaultValue);

signals:
    void valueChanged(const QString &key);

private:
    bool commit(const QString &key);

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
};
