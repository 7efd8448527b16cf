#pragma once

#include <QImage>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class SettingsStore;
class WallpaperFiles;

// The Set page: the full-screen preview of one choice and the action sheet that stores it for
// the lock screen, the home screen or both. A catalogue choice is stored by name with the custom
// flag cleared and leaves the custom files alone; a photo is stored as files with the flag set
// and leaves the names alone.
class SetWallpaperModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The photo picked on the Choose page; null for a catalogue choice.
    Q_PROPERTY(QImage CustomWallpaper READ customWallpaper WRITE setCustomWallpaper NOTIFY CustomWallpaperChanged)
    Q_PROPERTY(bool hasCustomWallpaper READ hasCustomWallpaper NOTIFY CustomWallpaperChanged)
    // A catalogue name, or empty for a photo.
    Q_PROPERTY(QString Wallpaper READ wallpaper WRITE setWallpaper NOTIFY WallpaperChanged)
    // The action sheet is shown.
    Q_PROPERTY(bool SetButton READ setButton NOTIFY SetButtonChanged)
    // The page has been left for the Stills page ("Cancel" or a stored choice).
    Q_PROPERTY(bool Cancel READ cancel NOTIFY CancelChanged)

public:
    enum Target { LockScreen, HomeScreen, BothScreens };
    Q_ENUM(Target)

    explicit SetWallpaperModel(QObject *parent = nullptr);

    QImage customWallpaper() const { return m_customWallpaper; }
    void setCustomWallpaper(const QImage &picture);
    bool hasCustomWallpaper() const { return !m_customWallpaper.isNull(); }
    QString wallpaper() const { return m_wallpaper; }
    void setWallpaper(const QString &name);
    bool setButton() const { return m_setButton; }
    bool cancel() const { return m_cancel; }

    // "Set": shows the action sheet. "Cancel" on the page: leaves, storing nothing.
    Q_INVOKABLE void pressSet();
    Q_INVOKABLE void pressCancel();
    // The sheet's own "Cancel": closes it, storing nothing.
    Q_INVOKABLE void dismissSheet();
    // "Set Lock Screen", "Set Home Screen", "Set Both": stores the choice, then leaves.
    Q_INVOKABLE void apply(Target target);

signals:
    void CustomWallpaperChanged();
    void WallpaperChanged();
    void SetButtonChanged();
    void CancelChanged();

private:
    void storeNamed(const QString &nameKey, const QString &customKey);
    void storeCustom(const QString &fileName, const QString &customKey, const QImage &picture);

    SettingsStore *m_store;
    WallpaperFiles *m_files;
    QImage m_customWallpaper;
    QString m_wallpaper;
    bool m_setButton = false;
    bool m_cancel = false;
};
