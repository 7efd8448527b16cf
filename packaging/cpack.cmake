# `make package`: a Debian package of the install tree. dpkg-shlibdeps finds the libraries the
# programs link; the QML modules, platform plugins, the SVG image plugin (the icons) and the
# fonts are loaded at run time, so they are named here. A screen importing a new Qt module adds its package to this list.
set(KESTREL_RUNTIME_PACKAGES
    qml6-module-qtqml
    qml6-module-qtqml-models
    qml6-module-qtqml-workerscript
    qml6-module-qtquick
    qml6-module-qtquick-window
    qml6-module-qtquick-controls
    qml6-module-qtquick-templates
    qml6-module-qtquick-layouts
    qml6-module-qtquick-dialogs
    qml6-module-qt5compat-graphicaleffects
    qt6-qpa-plugins
    libqt6svg6
    fonts-inter
    fonts-material-design-icons-iconfont)
list(JOIN KESTREL_RUNTIME_PACKAGES ", " KESTREL_RUNTIME_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrel)
set(CPACK_PACKAGE_VERSION ${KESTREL_VERSION})
set(CPACK_PACKAGE_CONTACT "Kestrel developers <kestrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulated phone shell")
set(CPACK_PACKAGE_DESCRIPTION "Kestrel runs a phone's lock screen, home screen and built-in apps in a window the size of a phone, or full screen on a touch device, with its own maker server for updates and icons.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KESTREL_RUNTIME_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
