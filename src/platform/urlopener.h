#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// Hands a URL to the system (the desktop's URL handler), as a phone hands "tel:" and install
// links to other apps. Every hand-off is announced (the simulator shows a banner) and recorded.
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

    // Test-only controls: keep hand-offs away from the desktop; forget recorded ones.
    void setHandToDesktop(bool on) { m_handToDesktop = on; }
    void clearHandOffs() { m_handOffs.clear(); }

signals:
    void handedOff(const QString &url);

private:
    QStringList m_handOffs;
    bool m_handToDesktop = true;
};
