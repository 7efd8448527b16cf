#include "webviewstore.h"

#include "appcontext.h"
#include "browserengine.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWebEngineProfile>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>

namespace {

// The view's properties the store follows; the engine view notifies canGoBack and canGoForward
// through its loading signal, so every notification re-reads all of them.
const char *const ObservedProperties[] = {"title", "url", "loading", "loadProgress", "canGoBack", "canGoForward"};

// The engine's script dialog kinds, in the order of its enumeration.
QString dialogKindName(int type)
{
    switch (type) {
    case 0: return QStringLiteral("alert");
    case 2: return QStringLiteral("prompt");
    default: return QStringLiteral("confirm"); // confirm, and "leave this page?"
    }
}

} // namespace

WebViewStore::WebViewStore(QObject *parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(DefaultTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &WebViewStore::stop);
}

WebViewStore::~WebViewStore()
{
    rejectDialog();
    if (m_view) {
        disconnect(m_view, nullptr, this, nullptr);
        if (m_ownsView)
            delete m_view.data();
    }
}

void WebViewStore::setWebView(QObject *view)
{
    if (m_view || !view)
        return;
    observe(view);
}

void WebViewStore::makeView()
{
    if (m_view)
        return;
    QQmlEngine *engine = qmlEngine(this);
    AppContext *context = AppContext::current();
    if (!engine || !context)
        return;
    QQuickWebEngineProfile *profile = BrowserEngine::profileFor(engine, context->dataRoot());
    QQmlComponent component(engine, QUrl(QStringLiteral("qrc:/Kestrel/Apps/Browser/BrowserEngineView.qml")));
    QObject *view = component.createWithInitialProperties(
        {{QStringLiteral("store"), QVariant::fromValue(this)}, {QStringLiteral("profile"), QVariant::fromValue(profile)}},
        qmlContext(this));
    if (!view) {
        qWarning("%s", qPrintable(component.errorString()));
        return;
    }
    QQmlEngine::setObjectOwnership(view, QQmlEngine::CppOwnership);
    view->setParent(this);
    m_ownsView = true;
    observe(view);
}

void WebViewStore::observe(QObject *view)
{
    m_view = view;
    const QMetaObject *meta = view->metaObject();
    const QMetaMethod reread = metaObject()->method(metaObject()->indexOfSlot("readView()"));
    for (const char *name : ObservedProperties) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        if (property.hasNotifySignal())
            connect(view, property.notifySignal(), this, reread, Qt::UniqueConnection);
    }
    emit webViewChanged();
    readView();
}

void WebViewStore::readView()
{
    if (!m_view)
        return;
    const QString title = m_view->property("title").toString();
    const QUrl url = m_view->property("url").toUrl();
    const bool loading = m_view->property("loading").toBool();
    const double progress = m_view->property("loadProgress").toInt() / 100.0;
    const bool back = m_view->property("canGoBack").toBool();
    const bool forward = m_view->property("canGoForward").toBool();
    if (title == m_title && url == m_url && loading == m_loading && progress == m_progress && back == m_canGoBack
        && forward == m_canGoForward)
        return;
    emit changed();

    const bool securityWas = hasOnlySecureContent();
    const QString certificateWas = m_certificateError;
    if (loading != m_loading) {
        m_loading = loading;
        if (loading) {
            // A new load answers for its own certificate.
            m_certificateError.clear();
            m_timeout.start();
        } else {
            m_timeout.stop();
        }
        emit loadingChanged();
    }
    if (title != m_title) {
        m_title = title;
        emit titleChanged();
    }
    if (url != m_url) {
        m_url = url;
        emit urlChanged();
    }
    if (progress != m_progress) {
        m_progress = progress;
        emit estimatedProgressChanged();
    }
    if (back != m_canGoBack) {
        m_canGoBack = back;
        emit canGoBackChanged();
    }
    if (forward != m_canGoForward) {
        m_canGoForward = forward;
        emit canGoForwardChanged();
    }
    if (securityWas != hasOnlySecureContent() || certificateWas != m_certificateError)
        emit securityChanged();
}

bool WebViewStore::hasOnlySecureContent() const
{
    return m_url.scheme() == QLatin1String("https") && m_certificateError.isEmpty();
}

void WebViewStore::setTimeoutMs(int ms)
{
    if (ms == m_timeout.interval() || ms <= 0)
        return;
    m_timeout.setInterval(ms);
    emit timeoutMsChanged();
}

bool WebViewStore::isWebAddress(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

bool WebViewStore::load(const QUrl &url)
{
    if (!isWebAddress(url))
        return false;
    makeView();
    if (!m_view)
        return false;
    m_view->setProperty("url", url);
    return true;
}

void WebViewStore::goBack()
{
    if (m_view && m_canGoBack)
        QMetaObject::invokeMethod(m_view, "goBack");
}

void WebViewStore::goForward()
{
    if (m_view && m_canGoForward)
        QMetaObject::invokeMethod(m_view, "goForward");
}

void WebViewStore::reload()
{
    if (m_view)
        QMetaObject::invokeMethod(m_view, "reload");
}

void WebViewStore::stop()
{
    if (m_view)
        QMetaObject::invokeMethod(m_view, "stop");
}

void WebViewStore::presentDialog(QObject *request)
{
    if (!request)
        return;
    request->setProperty("accepted", true);
    if (m_dialog) { // the page waits for one answer at a time
        QMetaObject::invokeMethod(request, "dialogReject");
        return;
    }
    m_dialog = request;
    m_dialogKind = dialogKindName(request->property("type").toInt());
    m_dialogMessage = request->property("message").toString();
    m_dialogDefaultText = request->property("defaultText").toString();
    emit dialogChanged();
}

void WebViewStore::acceptDialog(const QString &text)
{
    if (m_dialog)
        QMetaObject::invokeMethod(m_dialog, "dialogAccept", Q_ARG(QString, text));
    clearDialog();
}

void WebViewStore::rejectDialog()
{
    if (m_dialog)
        QMetaObject::invokeMethod(m_dialog, "dialogReject");
    clearDialog();
}

void WebViewStore::clearDialog()
{
    const bool had = !m_dialogKind.isEmpty();
    m_dialog = nullptr;
    m_dialogKind.clear();
    m_dialogMessage.clear();
    m_dialogDefaultText.clear();
    if (had)
        emit dialogChanged();
}

void WebViewStore::decline(QObject *request)
{
    if (!request)
        return;
    // Accepted means "handled here": the engine then opens no window or menu of its own.
    request->setProperty("accepted", true);
    if (request->metaObject()->indexOfMethod("dialogReject()") >= 0)
        QMetaObject::invokeMethod(request, "dialogReject");
}

void WebViewStore::vetNavigation(QObject *request)
{
    auto *navigation = qobject_cast<QWebEngineNavigationRequest *>(request);
    if (navigation && !isWebAddress(navigation->url()) && navigation->url() != QUrl(QStringLiteral("about:blank")))
        navigation->reject();
}

void WebViewStore::openInPlace(QObject *request)
{
    if (auto *window = qobject_cast<QWebEngineNewWindowRequest *>(request))
        load(window->requestedUrl());
}

void WebViewStore::refuseDownload(QObject *download)
{
    if (auto *request = qobject_cast<QWebEngineDownloadRequest *>(download)) {
        request->cancel();
        ++m_refusedDownloads;
        emit refusedDownloadsChanged();
    }
}

void WebViewStore::refuseCertificate(QWebEngineCertificateError error)
{
    error.rejectCertificate();
    m_certificateError = error.description().isEmpty() ? QStringLiteral("refused") : error.description();
    emit changed();
    emit securityChanged();
}
