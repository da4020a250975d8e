# `cpack` (see scripts/package): a Debian package of what `cmake --install` puts
# into the prefix.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reelix)
set(CPACK_PACKAGE_VENDOR "The Reelix developers")
set(CPACK_PACKAGE_CONTACT "The Reelix developers <dev@reelix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Download video and audio from web pages")
# The extended description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Paste the addresses of web pages, pick video or audio and a quality,
and Reelix downloads them with yt-dlp and ffmpeg, with live progress and
files that play in the system player. It keeps its own copies of the tools
up to date. reelix-cli does the same from a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://reelix.org")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The libraries the executables link are found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What is loaded at run time rather than linked: the QML modules the views
# import, the fonts they draw with, the SQLite driver of the saved list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, \
qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-layouts, \
qml6-module-qtquick-window, qml6-module-qtquick-templates, qml6-module-qtquick-dialogs, \
qml6-module-qt-labs-folderlistmodel, qml6-module-qt-labs-settings, \
qml6-module-qt5compat-graphicaleffects, fonts-inter, fonts-materialdesignicons-webfont, \
libqt6sql6-sqlite")
# Reelix installs its own copies, but uses the system's when they are there;
# Qt's translations put its standard dialogs and messages in French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "yt-dlp, ffmpeg, nodejs, unzip, xz-utils, qt6-translations-l10n")
# The browser's host manifest in /etc is the package's one configuration file.
file(WRITE ${CMAKE_BINARY_DIR}/package/conffiles
     "/etc/chromium/native-messaging-hosts/org.reelix.reelix.json\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package/conffiles)
include(CPack)
