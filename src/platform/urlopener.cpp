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
    if (m_handToDesktop)
        QDesktopServices::openUrl(url);
    emit handedOff(text);
    return true;
}
