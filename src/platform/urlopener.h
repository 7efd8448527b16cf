#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// Hands a URL to the system (the desktop's URL handler), as a phone hands "tel:" and install
// links to other apps. Every hand-off is recorded and announced (the simulator shows a banner),
// with whether the desktop had anything to open it with.
class UrlOpener : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(QStringList handOffs READ handOffs NOTIFY handedOff)

public:
    explicit UrlOpener(QObject *parent = nullptr);

    // False, and nothing happens, when the text does not form an absolute URL.
    Q_INVOKABLE bool open(const QString &url);

    QStringList handOffs() const { return m_handOffs; }

    // The banner's words for a hand-off: "Opened …", or "No app to open …" when the desktop
    // refused it.
    Q_INVOKABLE static QString announcement(const QString &url, bool opened);

    // Test-only controls: keep hand-offs away from the desktop (and say what it would have
    // answered); forget recorded ones.
    void setHandToDesktop(bool on) { m_handToDesktop = on; }
    void setDesktopAccepts(bool accepts) { m_desktopAccepts = accepts; }
    void clearHandOffs() { m_handOffs.clear(); }

signals:
    // `opened` is false when the desktop has no handler for the URL; it is recorded all the same.
    void handedOff(const QString &url, bool opened);

private:
    QStringList m_handOffs;
    bool m_handToDesktop = true;
    bool m_desktopAccepts = true;
};
