#include "safarimodel.h"

#include "appcontext.h"
#include "makerendpoints.h"
#include "settingsstore.h"
#include "webviewstore.h"

namespace {

const char SearchPrefix[] = "https://www.google.com/search?q=";
const char SearchSuffix[] = "&client=safari&channel=iphone";

struct Favourite
{
    const char *name;
    const char *picture;
    const char *address;
};

constexpr Favourite Favourites[] = {
    {"Apple", "AppleFav", "https://www.apple.com"},
    {"Bing", "BingFav", "https://www.bing.com"},
    {"Google", "GoogleFav", "https://www.google.com"},
    {"Yahoo", "YahooFav", "https://www.yahoo.com"},
};

} // namespace

SafariModel::SafariModel(QObject *parent)
    : SafariModel(AppContext::current() ? AppContext::current()->settings() : nullptr, parent)
{
}

SafariModel::SafariModel(SettingsStore *settings, QObject *parent)
    : QObject(parent),
      m_settings(settings)
{
}

void SafariModel::setSearchString(const QString &text)
{
    if (text == m_searchString)
        return;
    m_searchString = text;
    emit searchStringChanged();
}

QVariantList SafariModel::favourites()
{
    QVariantList list;
    for (const Favourite &f : Favourites)
        list.append(QVariantMap{{QStringLiteral("name"), QString::fromLatin1(f.name)},
                                {QStringLiteral("picture"), QString::fromLatin1(f.picture)},
                                {QStringLiteral("address"), QString::fromLatin1(f.address)}});
    return list;
}

void SafariModel::commit()
{
    m_showingWebView = !m_showingWebView;
    emit showingWebViewChanged();
}

void SafariModel::openFavourite(int index)
{
    if (index < 0 || index >= int(std::size(Favourites)))
        return;
    setSearchString(QString::fromLatin1(Favourites[index].address));
    commit();
}

SafariModel::Install SafariModel::installFor(const QString &typed)
{
    if (typed == QLatin1String(MakerEndpoints::PackageManagerHome))
        return Install::PackageManager;
    if (typed == MakerEndpoints::addToKestrel())
        return Install::Store;
    return Install::Nothing;
}

QString SafariModel::addressFor(const QString &typed)
{
    if (typed.contains(QLatin1String("://")))
        return typed;
    QString query = typed;
    query.replace(QLatin1Char(' '), QLatin1String("%20"));
    return QLatin1String(SearchPrefix) + query + QLatin1String(SearchSuffix);
}

QUrl SafariModel::urlFor(const QString &typed)
{
    const QUrl url(addressFor(typed), QUrl::StrictMode);
    return url.isValid() ? url : QUrl();
}

bool SafariModel::loadInto(WebViewStore *store)
{
    if (m_settings) {
        switch (installFor(m_searchString)) {
        case Install::PackageManager:
            m_settings->setValue(QStringLiteral("Cydia_Installed"), true);
            break;
        case Install::Store:
            m_settings->setValue(QStringLiteral("Tessel_Installed"), true);
            break;
        case Install::Nothing:
            break;
        }
    }
    const QUrl url = urlFor(m_searchString);
    return store && !url.isEmpty() && store->load(url);
}
