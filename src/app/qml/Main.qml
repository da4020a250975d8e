import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import Reelix

// The main window: placeholder, setup and updates, or downloads, chosen by
// the shell; the Tools menu; one log window at most.
ApplicationWindow {
    id: window
    required property ReelixApp app
    property Window logWindow: null
    property Window preferencesWindow: null

    visible: true
    // Right-to-left languages mirror the whole window, its menus and popups.
    LayoutMirroring.enabled: Qt.locale().textDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    title: "Reelix"
    color: app.view === ReelixApp.Main ? Theme.background : Theme.backgroundDeep
    font.family: Theme.fontFamily
    width: 900
    height: 640
    minimumWidth: app.view === ReelixApp.Main ? 680 : 420
    minimumHeight: app.view === ReelixApp.Main ? 520 : 500
    readonly property int setupMaxHeight:
        Math.max(minimumHeight, Math.min(660, Screen.desktopAvailableHeight - 72))

    // Downloads that end while the window is behind are told on the desktop;
    // coming to front offers a web address copied meanwhile.
    onActiveChanged: app.windowActive = active

    function openLogs() {
        if (!logWindow)
            logWindow = logComponent.createObject(null)
        logWindow.show()
        logWindow.raise()
        logWindow.requestActivate()
    }

    function openPreferences() {
        if (!preferencesWindow)
            preferencesWindow = preferencesComponent.createObject(null,
                                                                 { manager: window.app.manager })
        preferencesWindow.show()
        preferencesWindow.raise()
        preferencesWindow.requestActivate()
    }

    // The updates view never stops running downloads without asking.
    function openUpdates() {
        const running = app.runningDownloads()
        if (running === 0) {
            app.showUpdates()
            return
        }
        stopQuestion.running = running
        stopQuestion.open()
    }

    CookieDialog { id: cookieDialog }

    StopQuestion {
        id: stopQuestion
        onStopAndCheck: {
            window.app.stopDownloads()
            window.app.showUpdates()
        }
    }

    // Leaving: closing the window or Quit asks first while downloads run;
    // the other windows go with this one.
    property bool quitConfirmed: false
    onClosing: close => {
        const running = window.app.runningDownloads()
        if (running > 0 && !window.quitConfirmed) {
            close.accepted = false
            quitQuestion.running = running
            quitQuestion.open()
            return
        }
        if (window.logWindow)
            window.logWindow.close()
        if (window.preferencesWindow)
            window.preferencesWindow.close()
    }
    QuitQuestion {
        id: quitQuestion
        onQuit: {
            window.quitConfirmed = true
            window.close()
        }
    }
    AboutDialog {
        id: aboutDialog
        checker: window.app.checker
        version: window.app.version
    }
    ShortcutsDialog { id: shortcutsDialog }
    SetupCheckDialog {
        id: setupCheckDialog
        check: SetupCheck {}
        onActionRequested: action => {
            setupCheckDialog.close()
            if (action === "install" || action === "update")
                window.openUpdates()
            else if (action === "choose-browser")
                cookieDialog.open()
            else if (action === "choose-folder")
                folderChooser.open()
            else if (action === "open-preferences")
                window.openPreferences()
        }
    }
    FolderChooser {
        id: folderChooser
        manager: window.app.manager
    }
    DesktopNotice {}
    Shortcut {
        sequence: "Ctrl+?"
        onActivated: shortcutsDialog.open()
    }
    // F10 opens the first menu; the arrow keys go on from there.
    Shortcut {
        sequence: "F10"
        onActivated: {
            const first = (window.menuBar as MenuBar).itemAt(0) as MenuBarItem
            first.menu.popup(first, 0, first.height)
        }
    }

    Connections {
        target: window.app
        function onLogWindowRequested() { window.openLogs() }
        function onViewChanged() { switcher.restart() }
        function onRaiseRequested() {
            window.show()
            window.raise()
            window.requestActivate()
        }
    }

    menuBar: MenuBar {
        objectName: "menuBar"
        palette.window: Theme.menuBar
        palette.windowText: Theme.textBright
        palette.base: Theme.menuBase
        palette.text: Theme.textBright
        palette.button: Theme.menuBar
        palette.buttonText: Theme.textBright
        palette.highlight: Theme.accent
        palette.highlightedText: Theme.textOnAccent
        palette.light: Theme.menuLine
        palette.mid: Theme.menuLine
        // Qt 6.4 gives a menu bar's entries no press: a screen reader could not open them.
        delegate: MenuBarItem {
            id: barEntry
            Accessible.onPressAction: barEntry.triggered()
        }
        AppMenu {
            objectName: "fileMenu"
            //% "&File"
            title: qsTrId("menu.file")
            Action {
                objectName: "quitAction"
                //% "Quit"
                text: qsTrId("menu.quit")
                shortcut: "Ctrl+Q"
                onTriggered: window.close()
            }
        }
        AppMenu {
            objectName: "toolsMenu"
            //% "&Tools"
            title: qsTrId("menu.tools")
            Action {
                objectName: "checkUpdatesAction"
                //% "Check for updates…"
                text: qsTrId("menu.check_updates")
                shortcut: "Ctrl+Shift+,"
                onTriggered: window.openUpdates()
            }
            Action {
                objectName: "preferencesAction"
                //% "Preferences…"
                text: qsTrId("menu.preferences")
                shortcut: "Ctrl+,"
                onTriggered: window.openPreferences()
            }
            MenuSeparator {
                contentItem: Rectangle { implicitHeight: 1; color: Theme.menuLine }
            }
            Action {
                objectName: "notificationsAction"
                //% "Notify when downloads end"
                text: qsTrId("menu.notifications")
                checkable: true
                checked: window.app.notificationsEnabled
                onToggled: window.app.notificationsEnabled = checked
            }
            Action {
                objectName: "clipboardOffersAction"
                //% "Offer copied addresses"
                text: qsTrId("menu.clipboard_offers")
                checkable: true
                checked: window.app.clipboardOffers
                onToggled: window.app.clipboardOffers = checked
            }
            Action {
                objectName: "cookiesAction"
                //% "Cookies…"
                text: qsTrId("menu.cookies")
                onTriggered: cookieDialog.open()
            }
            MenuSeparator {
                contentItem: Rectangle { implicitHeight: 1; color: Theme.menuLine }
            }
            Action {
                objectName: "debugLogsAction"
                //% "Debug logs"
                text: qsTrId("menu.debug_logs")
                shortcut: "Ctrl+Shift+L"
                onTriggered: window.openLogs()
            }
        }
        AppMenu {
            objectName: "helpMenu"
            //% "&Help"
            title: qsTrId("menu.help")
            Action {
                objectName: "shortcutsAction"
                text: qsTrId("menu.shortcuts")
                shortcut: "F1"
                onTriggered: shortcutsDialog.open()
            }
            Action {
                objectName: "setupCheckAction"
                text: qsTrId("menu.setup_check")
                onTriggered: setupCheckDialog.open()
            }
            Action {
                objectName: "aboutAction"
                //% "About Reelix"
                text: qsTrId("menu.about")
                onTriggered: aboutDialog.open()
            }
        }
    }

    // The root view, switched with a 0.25 s ease-in-out cross-fade.
    Loader {
        id: root
        objectName: "rootView"
        anchors.fill: parent
        sourceComponent: window.app.view === ReelixApp.Main ? mainView
                         : window.app.view === ReelixApp.Setup ? setupView : placeholder
        onLoaded: {
            if (window.app.view === ReelixApp.Setup) {
                window.width = 420
                // The window's height holds the menu bar too, and stays inside a
                // 1024×768 screen with its panel and title bar: the view scrolls.
                window.height = Qt.binding(() => Math.min(window.setupMaxHeight,
                                                          (item ? item.implicitHeight : 500)
                                                          + (window.menuBar ? window.menuBar.height
                                                                            : 0)))
            } else if (window.app.view === ReelixApp.Main) {
                window.height = Math.max(window.height, 640)
                window.width = Math.max(window.width, 900)
            }
        }
    }
    SequentialAnimation {
        id: switcher
        NumberAnimation {
            target: root
            property: "opacity"
            from: 0
            to: 1
            duration: Theme.durationSwitch
            easing.type: Easing.InOutQuad
        }
    }
    Behavior on height {
        enabled: window.app.view === ReelixApp.Setup
        NumberAnimation { duration: Theme.durationSwitch; easing.type: Easing.InOutQuad }
    }

    // Qt 6.4's qmllint does not see the window's ids inside a Component;
    // "pragma ComponentBehavior: Bound" would, but Qt 6.4's Loader refuses
    // to load bound components.
    // qmllint disable unqualified
    Component {
        id: placeholder
        Rectangle {
            color: Theme.backgroundDeep
            Component.onCompleted: window.app.performStartupCheck()
        }
    }
    Component {
        id: setupView
        SetupView {
            checker: window.app.checker
            version: window.app.version
            onFinished: window.app.leaveSetup()
        }
    }
    Component {
        id: mainView
        ContentView {
            checker: window.app.checker
            id: contentView
            manager: window.app.manager
            store: window.app.store
            clipboardOffers: window.app.clipboardOffers
            Connections {
                target: window
                function onActiveChanged() {
                    if (window.active)
                        contentView.offerClipboard()
                }
            }
            updateSummary: window.app.updateSummary
            onShowUpdates: window.openUpdates()
        }
    }
    // qmllint enable unqualified
    Component {
        id: preferencesComponent
        PreferencesWindow {}
    }
    Component {
        id: logComponent
        Window {
            id: logWin
            objectName: "logWindow"
            property LogViewer viewer: LogViewer { active: logWin.visible }
            LayoutMirroring.enabled: Qt.locale().textDirection === Qt.RightToLeft
            LayoutMirroring.childrenInherit: true
            //% "Reelix logs"
            title: qsTrId("log.title")
            width: 720
            height: 440
            color: Theme.logBackground
            x: Screen.width - width - 40
            y: 60
            LogView {
                anchors.fill: parent
                viewer: logWin.viewer
                focus: true
                Keys.onEscapePressed: logWin.close()
            }
        }
    }
}
