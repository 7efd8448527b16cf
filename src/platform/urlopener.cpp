#include "urlopener.h"

#include <QDesktopServices>
#include <QUrl>

UrlOpener::UrlOpener(QObject *parent) : QObject(parent) {}

bool UrlOpener::open(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid() || url.scheme().isEmpty())
        return false;
    m_handOffs.append(text);
    const bool opened = m_handToDesktop ? QDesktopServices::openUrl(url) : m_desktopAccepts;
    emit handedOff(text, opened);
    return true;
}

QString UrlOpener::announcement(const QString &url, bool opened)
{
    return (opened ? QStringLiteral("Opened ") : QStringLiteral("No app to open ")) + url;
}
