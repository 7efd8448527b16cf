#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The Choose page: a photo picked from disk (file dialog or a drop onto the window) is read off
// the GUI thread, kept as "CustomWallpaper" at once and opened on the Set page as a custom choice.
class ChooseNewWallpaperModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The picked photo; null when the picked file held no picture.
    Q_PROPERTY(QImage inputImage READ inputImage NOTIFY inputImageChanged)
    // The Set page is shown in this page's place.
    Q_PROPERTY(bool SetWallpaper READ setWallpaper NOTIFY SetWallpaperChanged)
    // A picked file is being read.
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    // Where the photo dialog opens: the user's Pictures folder, or home when there is none.
    Q_PROPERTY(QUrl picturesFolder READ picturesFolder CONSTANT)

public:
    explicit ChooseNewWallpaperModel(QObject *parent = nullptr);

    QImage inputImage() const { return m_inputImage; }
    bool setWallpaper() const { return m_setWallpaper; }
    bool loading() const { return m_watcher.isRunning(); }
    static QUrl picturesFolder();

    // A file was picked. Only local files count; anything else changes nothing, like a cancel.
    Q_INVOKABLE void pick(const QUrl &file);

signals:
    void inputImageChanged();
    void SetWallpaperChanged();
    void loadingChanged();

private:
    void picked(const QImage &picture);

    // Dies with the page; a read still running then finishes unheard (it holds nothing of ours).
    QFutureWatcher<QImage> m_watcher;
    QImage m_inputImage;
    bool m_setWallpaper = false;
};
