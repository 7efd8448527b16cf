import QtQuick
import QtWebEngine
import Kestrel.Apps.Browser

// The engine view a WebViewStore makes for itself. Web content gets the network and nothing of
// the device: no local files, no windows, menus or dialogs of the desktop, no downloads, no
// certificate exceptions. The store decides; this file only hands it the engine's requests.
WebEngineView {
    id: view

    property WebViewStore store

    settings.localContentCanAccessFileUrls: false
    settings.localContentCanAccessRemoteUrls: false
    settings.pluginsEnabled: false
    settings.javascriptCanAccessClipboard: false
    settings.javascriptCanPaste: false
    settings.allowWindowActivationFromJavaScript: false
    settings.screenCaptureEnabled: false
    settings.webRTCPublicInterfacesOnly: true
    settings.playbackRequiresUserGesture: true

    onNavigationRequested: request => store.vetNavigation(request)
    onNewWindowRequested: request => store.openInPlace(request)
    onJavaScriptDialogRequested: request => store.presentDialog(request)
    onFileDialogRequested: request => store.decline(request)
    onColorDialogRequested: request => store.decline(request)
    onAuthenticationDialogRequested: request => store.decline(request)
    onContextMenuRequested: request => store.decline(request)
    onTooltipRequested: request => store.decline(request)
    onCertificateError: error => store.refuseCertificate(error)
    onFeaturePermissionRequested: (origin, feature) => grantFeaturePermission(origin, feature, false)
    onFullScreenRequested: request => request.reject()

    Connections {
        target: view.profile
        function onDownloadRequested(download) { view.store.refuseDownload(download) }
    }
}
