#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class SettingsStore;
#include "webviewstore.h"

// The browser screen's state and its loading rules: what the typed text installs, which address
// it becomes, and handing that to the screen's web view.
class SafariModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool ShowingWebView READ showingWebView NOTIFY showingWebViewChanged)
    Q_PROPERTY(QString SearchString READ searchString WRITE setSearchString NOTIFY searchStringChanged)
    Q_PROPERTY(int TabItemsSize READ tabItemsSize CONSTANT)
    Q_PROPERTY(QVariantList favourites READ favourites CONSTANT)

public:
    // Exact addresses that install an app when typed; anything else installs nothing.
    enum class Install { Nothing, Store, PackageManager };

    explicit SafariModel(QObject *parent = nullptr); // QML: the current application context's settings
    explicit SafariModel(SettingsStore *settings, QObject *parent = nullptr);

    bool showingWebView() const { return m_showingWebView; }
    QString searchString() const { return m_searchString; }
    void setSearchString(const QString &text);
    static constexpr int tabItemsSize() { return 25; }
    // { name, picture, address } of the four favourite sites, in order.
    static QVariantList favourites();

    // Return in the field, or a favourite tapped (after setting its address).
    Q_INVOKABLE void commit();
    Q_INVOKABLE void openFavourite(int index);
    // Runs when the page view is shown: install flags, then the load. False when nothing loads.
    Q_INVOKABLE bool loadInto(WebViewStore *store);

    static Install installFor(const QString &typed);
    // The text itself when it holds "://", otherwise the web search for it.
    static QString addressFor(const QString &typed);
    // The address as a URL, or an empty one when it does not form a valid URL.
    static QUrl urlFor(const QString &typed);

signals:
    void showingWebViewChanged();
    void searchStringChanged();

private:
    QPointer<SettingsStore> m_settings;
    bool m_showingWebView = false;
    QString m_searchString;
};
