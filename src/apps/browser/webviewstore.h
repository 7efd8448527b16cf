#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <QWebEngineCertificateError>

// The observable holder of one web view, shared by the browser and the package manager.
//
// A screen creates one with itself and shows its view through WebView; both go with the screen:
//
//     WebViewStore { id: store }
//     WebView { store: store; anchors.fill: parent }
//     Component.onCompleted: store.load("https://example.org")
//     Text { text: store.title }   // and store.canGoBack, store.goBack(), ...
//
// Unless a view is handed in (webView: ...), it makes its own engine view when first shown by
// a WebView or asked to load, so the engine starts only when a page is really wanted. That
// view is kept safe: no local files, new windows in place, downloads and bad certificates
// refused, script dialogs held here for WebView to draw inside the phone. The store watches
// the view's properties through their change signals, so any object with the same properties
// can stand in for it.
class WebViewStore : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QObject *webView READ webView WRITE setWebView NOTIFY webViewChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QUrl url READ url NOTIFY urlChanged)
    // The current address as text, empty when there is none.
    Q_PROPERTY(QString address READ address NOTIFY urlChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(double estimatedProgress READ estimatedProgress NOTIFY estimatedProgressChanged)
    // HTTPS page whose certificate was not refused.
    Q_PROPERTY(bool hasOnlySecureContent READ hasOnlySecureContent NOTIFY securityChanged)
    // The certificate of the current page was refused ("" when none was).
    Q_PROPERTY(QString certificateError READ certificateError NOTIFY securityChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY canGoBackChanged)
    Q_PROPERTY(bool canGoForward READ canGoForward NOTIFY canGoForwardChanged)
    // A load that has not finished after this long is stopped.
    Q_PROPERTY(int timeoutMs READ timeoutMs WRITE setTimeoutMs NOTIFY timeoutMsChanged)
    // The script dialog waiting for an answer: "" (none), "alert", "confirm" or "prompt".
    Q_PROPERTY(QString dialogKind READ dialogKind NOTIFY dialogChanged)
    Q_PROPERTY(QString dialogMessage READ dialogMessage NOTIFY dialogChanged)
    Q_PROPERTY(QString dialogDefaultText READ dialogDefaultText NOTIFY dialogChanged)
    // Downloads refused so far.
    Q_PROPERTY(int refusedDownloads READ refusedDownloads NOTIFY refusedDownloadsChanged)

public:
    static constexpr int DefaultTimeoutMs = 60000;

    explicit WebViewStore(QObject *parent = nullptr);
    ~WebViewStore() override;

    QObject *webView() const { return m_view; }
    // Only before the view is in use; a store keeps one view for its life.
    void setWebView(QObject *view);

    QString title() const { return m_title; }
    QUrl url() const { return m_url; }
    QString address() const { return m_url.isEmpty() ? QString() : m_url.toString(); }
    bool isLoading() const { return m_loading; }
    double estimatedProgress() const { return m_progress; }
    bool hasOnlySecureContent() const;
    QString certificateError() const { return m_certificateError; }
    bool canGoBack() const { return m_canGoBack; }
    bool canGoForward() const { return m_canGoForward; }
    int timeoutMs() const { return m_timeout.interval(); }
    void setTimeoutMs(int ms);
    QString dialogKind() const { return m_dialogKind; }
    QString dialogMessage() const { return m_dialogMessage; }
    QString dialogDefaultText() const { return m_dialogDefaultText; }
    int refusedDownloads() const { return m_refusedDownloads; }

    // Makes the store's own engine view unless it has one (needs the store made by QML).
    Q_INVOKABLE void makeView();
    // Web addresses only: false, and nothing loads, for an invalid URL or a local scheme.
    Q_INVOKABLE bool load(const QUrl &url);
    Q_INVOKABLE void goBack();
    Q_INVOKABLE void goForward();
    Q_INVOKABLE void reload();
    Q_INVOKABLE void stop();

    // Answers the waiting script dialog (text only matters for a prompt).
    Q_INVOKABLE void acceptDialog(const QString &text = QString());
    Q_INVOKABLE void rejectDialog();

    // Called by the store's own engine view for the engine's requests.
    Q_INVOKABLE void presentDialog(QObject *request);
    Q_INVOKABLE void decline(QObject *request);
    Q_INVOKABLE void vetNavigation(QObject *request);
    Q_INVOKABLE void openInPlace(QObject *request);
    Q_INVOKABLE void refuseDownload(QObject *download);
    Q_INVOKABLE void refuseCertificate(QWebEngineCertificateError error);

    // Schemes a page may be loaded from.
    static bool isWebAddress(const QUrl &url);


signals:
    // Any of the observed values is about to be seen changed: one signal for whole-screen redraws.
    void changed();
    void webViewChanged();
    void titleChanged();
    void urlChanged();
    void loadingChanged();
    void estimatedProgressChanged();
    void securityChanged();
    void canGoBackChanged();
    void canGoForwardChanged();
    void timeoutMsChanged();
    void dialogChanged();
    void refusedDownloadsChanged();

private slots:
    void readView();

private:
    void observe(QObject *view);
    void clearDialog();

    QPointer<QObject> m_view;
    bool m_ownsView = false;
    QString m_title;
    QUrl m_url;
    bool m_loading = false;
    double m_progress = 0;
    QString m_certificateError;
    bool m_canGoBack = false;
    bool m_canGoForward = false;
    QTimer m_timeout;
    QPointer<QObject> m_dialog;
    QString m_dialogKind;
    QString m_dialogMessage;
    QString m_dialogDefaultText;
    int m_refusedDownloads = 0;
};
