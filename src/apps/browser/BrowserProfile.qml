import QtWebEngine

// The one profile of the shell's web views, kept on disk like a phone browser's (the store
// gives the paths under the data root). Downloads are refused by the views.
WebEngineProfile {
    storageName: "Kestrel"
    offTheRecord: false
    httpCacheType: WebEngineProfile.DiskHttpCache
    persistentCookiesPolicy: WebEngineProfile.AllowPersistentCookies
}
