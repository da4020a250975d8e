import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Setup at first start, and the updates view later: the three tools, the
// installer's log, and exactly one set of actions for the checker's state.
Rectangle {
    id: view
    required property DependencyChecker checker
    property string version
    property bool appeared: false
    readonly property int phase: checker.phase
    readonly property bool busy: phase === DependencyChecker.Installing
                                 || phase === DependencyChecker.Updating
                                 || phase === DependencyChecker.RollingBack
    // Why a run could not reach a distributor, or what the last update left,
    // is said here in words, not only in the log box.
    readonly property bool offline: !busy && phase !== DependencyChecker.CheckingUpdates
                                    && checker.networkProblem.length > 0
    readonly property string subtitleKey: offline
        //% "Could not reach the download server: %1. Check your connection, then retry."
        ? QT_TRID_NOOP("setup.offline")
        : subtitleOf(phase)

    // The user leaves setup and updates: by "open", "skip" or the system's tools.
    signal finished()

    function subtitleOf(phase: int): string {
        switch (phase) {
        case DependencyChecker.Updating:
        case DependencyChecker.UpdatesAvailable:
            //% "Updates are available"
            return QT_TRID_NOOP("update.available")
        case DependencyChecker.RollingBack:
        case DependencyChecker.Ready:
            //% "All tools are up to date"
            return QT_TRID_NOOP("update.all_uptodate")
        case DependencyChecker.CheckingUpdates:
            //% "Checking for updates…"
            return QT_TRID_NOOP("update.checking")
        case DependencyChecker.UpdateFailed:
            //% "The update did not finish. The tools you have still work."
            return QT_TRID_NOOP("update.failed")
        case DependencyChecker.Unchecked:
            //% "Some versions could not be checked"
            return QT_TRID_NOOP("update.unchecked")
        case DependencyChecker.SystemToolsFound:
            //% "Tools were found on this computer. Continue with them, or download Reelix's own"
            //% " copies."
            return QT_TRID_NOOP("setup.system_subtitle")
        }
        //% "Reelix needs three free tools to work."
        return QT_TRID_NOOP("setup.subtitle")
    }

    color: Theme.backgroundDeep
    implicitWidth: 420
    // 500 points, 620 with the log box; more when the content needs it
    // (long translations), so nothing is ever clipped.
    readonly property int baseHeight: checker.logOutput.length > 0 ? 620 : 500
    implicitHeight: Math.max(baseHeight, layout.implicitHeight + 48)

    Component.onCompleted: {
        appeared = true
        if (!checker.allReady)
            checker.start(DependencyChecker.CheckInstalled)
    }

    // The checker ignores a job asked for while another runs.
    function install() { checker.start(DependencyChecker.InstallAll) }
    function update() { checker.start(DependencyChecker.Update) }
    function retryUpdate() { checker.start(DependencyChecker.RetryUpdate) }
    function leave() { view.finished() }
    function followLogEnd() {
        if (logFlick)
            logFlick.contentY = Math.max(0, logFlick.contentHeight - logFlick.height)
    }

    // Ctrl+Return presses the action area's default button, if it has one.
    Shortcut {
        id: defaultShortcut
        property PlainButton button: null
        sequences: ["Ctrl+Return", "Ctrl+Enter"]
        enabled: view.visible && defaultShortcut.button !== null
        onActivated: defaultShortcut.button.clicked()
    }

    // Keyboard focus that moves to a control out of sight brings it into view.
    function bringIntoView(item: Item) {
        let p = item
        while (p && p !== flick.contentItem)
            p = p.parent
        if (!p)
            return
        const top = item.mapToItem(flick.contentItem, 0, 0).y - 12
        const bottom = top + item.height + 24
        if (top < flick.contentY)
            flick.contentY = Math.max(0, top)
        else if (bottom > flick.contentY + flick.height)
            flick.contentY = Math.min(flick.contentHeight - flick.height, bottom - flick.height)
    }
    Connections {
        target: view.Window.window
        function onActiveFocusItemChanged() {
            if (view.Window.activeFocusItem)
                view.bringIntoView(view.Window.activeFocusItem)
        }
    }

    // A window smaller than the content (a small screen, a long translation)
    // scrolls, with its scroll bar in sight.
    Flickable {
        id: flick
        objectName: "setupFlick"
        anchors.fill: parent
        contentWidth: width
        contentHeight: Math.max(height, layout.implicitHeight + 48)
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {
            objectName: "setupScrollBar"
            policy: flick.contentHeight > flick.height + 1 ? ScrollBar.AlwaysOn
                                                           : ScrollBar.AsNeeded
        }
    ColumnLayout {
        id: layout
        width: flick.width
        height: flick.contentHeight
        spacing: 0
        Item { Layout.fillHeight: true }

        SetupHeader {
            Layout.alignment: Qt.AlignHCenter
            appeared: view.appeared
            version: view.version
            symbol: view.checker.allReady || view.phase === DependencyChecker.UpdateFailed
                    ? "arrow.triangle.2.circlepath" : "arrow.down"
            subtitle: view.offline ? qsTrId("setup.offline").arg(view.checker.networkProblem)
                                   : qsTrId(view.subtitleKey)
        }
        Item { Layout.preferredHeight: 36 }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.setupMargin; Layout.rightMargin: Theme.setupMargin
            spacing: 10
            DepCard {
                Layout.fillWidth: true
                dep: view.checker.ytdlp
                accent: Theme.accent
                delay: 0.25
                appeared: view.appeared
                canRollBack: dep.hasPrevious && !view.busy
                onRollBack: view.checker.start(DependencyChecker.RollBack, dep)
                canInstall: !view.busy
                queued: view.busy
                onInstallOwn: view.checker.start(DependencyChecker.InstallOne, dep)
            }
            DepCard {
                Layout.fillWidth: true
                dep: view.checker.ffmpeg
                delay: 0.35
                appeared: view.appeared
                canRollBack: dep.hasPrevious && !view.busy
                onRollBack: view.checker.start(DependencyChecker.RollBack, dep)
                canInstall: !view.busy
                queued: view.busy
                onInstallOwn: view.checker.start(DependencyChecker.InstallOne, dep)
            }
            DepCard {
                Layout.fillWidth: true
                dep: view.checker.node
                delay: 0.45
                appeared: view.appeared
                canRollBack: dep.hasPrevious && !view.busy
                onRollBack: view.checker.start(DependencyChecker.RollBack, dep)
                canInstall: !view.busy
                queued: view.busy
                onInstallOwn: view.checker.start(DependencyChecker.InstallOne, dep)
            }
        }
        Item { Layout.preferredHeight: 24 }

        Rectangle {
            objectName: "logBox"
            visible: view.checker.logOutput.length > 0
            Layout.fillWidth: true
            Layout.leftMargin: Theme.setupMargin
            Layout.rightMargin: Theme.setupMargin
            Layout.bottomMargin: 16
            Layout.preferredHeight: 110
            radius: Theme.radius
            color: Theme.logBox
            border.color: Theme.surface
            border.width: 1
            Flickable {
                id: logFlick
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                contentWidth: width
                contentHeight: logText.implicitHeight
                ScrollBar.vertical: ScrollBar {}
                Text {
                    id: logText
                    objectName: "logText"
                    textFormat: Text.PlainText
                    width: logFlick.width
                    padding: 12
                    text: view.checker.logOutput
                    color: Theme.onDarkSoft
                    font.pixelSize: Theme.fontSmall; font.family: Theme.monoFamily
                    wrapMode: Text.Wrap
                    // Qt 6.4's qmllint takes Qt.callLater for a property, not a method.
                    onTextChanged: Qt.callLater(view.followLogEnd) // qmllint disable type
                }
            }
        }

        // The action area: exactly one set of actions for the checker's state.
        Item {
            id: actionArea
            Layout.fillWidth: true
            Layout.leftMargin: Theme.setupMargin; Layout.rightMargin: Theme.setupMargin
            implicitHeight: actions.implicitHeight
            // The first state whose condition holds wins, so the order is
            // the precedence: work in progress, then checking, then the rest.
            states: [
                State {
                    name: "progress"; when: view.busy
                    PropertyChanges { target: progressRow; visible: true }
                },
                State {
                    name: "checking"; when: view.phase === DependencyChecker.CheckingUpdates
                    PropertyChanges { target: progressRow; visible: true }
                    PropertyChanges { target: progressText; text: qsTrId("update.checking") }
                },
                // An update that failed leaves working tools: retry it, or go on without it.
                State {
                    name: "updateFailed"; when: view.phase === DependencyChecker.UpdateFailed
                    PropertyChanges { target: failedUpdateActions; visible: true }
                    PropertyChanges { target: defaultShortcut; button: retryUpdateButton }
                },
                State {
                    name: "updates"; when: view.phase === DependencyChecker.UpdatesAvailable
                    PropertyChanges { target: updateActions; visible: true }
                    PropertyChanges { target: defaultShortcut; button: installUpdatesButton }
                },
                State {
                    name: "open"
                    when: view.phase === DependencyChecker.Ready
                          || view.phase === DependencyChecker.Unchecked
                    PropertyChanges { target: openButton; visible: true }
                    PropertyChanges { target: defaultShortcut; button: openButton }
                },
                // Working tools were found: going on with them is the default.
                State {
                    name: "system"; when: view.phase === DependencyChecker.SystemToolsFound
                    PropertyChanges { target: useSystemButton; visible: true }
                    PropertyChanges { target: installButton; visible: true; highlighted: false }
                    PropertyChanges { target: noSudoNote; visible: true }
                    PropertyChanges { target: defaultShortcut; button: useSystemButton }
                },
                State {
                    name: "install"; when: view.phase === DependencyChecker.Missing
                    PropertyChanges { target: installButton; visible: true }
                    PropertyChanges { target: noSudoNote; visible: true }
                    PropertyChanges { target: defaultShortcut; button: installButton }
                }
            ]
            ColumnLayout {
                id: actions
                anchors.left: parent.left; anchors.right: parent.right
                spacing: 10
                RowLayout {
                    id: progressRow
                    objectName: "progressRow"
                    visible: false
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: 13; Layout.bottomMargin: 13
                    spacing: 10
                    Spinner {
                        scaleFactor: 0.75
                        tint: Theme.iconMuted
                        implicitWidth: 22
                        implicitHeight: 22
                    }
                    Text {
                        id: progressText
                        objectName: "progressText"
                        textFormat: Text.PlainText
                        text: view.checker.currentStep
                        color: Theme.textStatus
                        font.pixelSize: Theme.fontLarge
                    }
                }
                RowLayout {
                    id: updateActions
                    visible: false
                    Layout.fillWidth: true
                    spacing: 10
                    PrimaryButton {
                        id: installUpdatesButton
                        objectName: "installUpdatesButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: implicitWidth
                        //% "Install updates"
                        text: qsTrId("update.install")
                        symbol: "arrow.triangle.2.circlepath"
                        onClicked: view.update()
                    }
                    SecondaryButton {
                        objectName: "skipButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: implicitWidth
                        //% "Not now"
                        text: qsTrId("update.skip")
                        onClicked: view.leave()
                    }
                }
                RowLayout {
                    id: failedUpdateActions
                    visible: false
                    Layout.fillWidth: true
                    spacing: 10
                    PrimaryButton {
                        id: retryUpdateButton
                        objectName: "retryUpdateButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: implicitWidth
                        text: qsTrId("action.retry")
                        symbol: "arrow.clockwise"
                        onClicked: view.retryUpdate()
                    }
                    SecondaryButton {
                        objectName: "notNowButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: implicitWidth
                        text: qsTrId("update.skip")
                        onClicked: view.leave()
                    }
                }
                PrimaryButton {
                    id: openButton
                    objectName: "openButton"
                    visible: false
                    Layout.fillWidth: true
                    //% "Open Reelix"
                    text: qsTrId("setup.open")
                    symbol: "checkmark.circle.fill"
                    onClicked: view.leave()
                }
                PrimaryButton {
                    id: useSystemButton
                    objectName: "useSystemButton"
                    visible: false
                    Layout.fillWidth: true
                    //% "Continue with the system tools"
                    text: qsTrId("setup.use_system")
                    symbol: "checkmark.circle.fill"
                    onClicked: {
                        view.checker.continueWithSystemTools()
                        view.leave()
                    }
                }
                PrimaryButton {
                    id: installButton
                    objectName: "installButton"
                    visible: false
                    Layout.fillWidth: true
                    text: view.checker.hasFailure ? qsTrId("action.retry")
                                                   //% "Install the tools"
                                                   : qsTrId("setup.download")
                    symbol: view.checker.hasFailure ? "arrow.clockwise" : "arrow.down.to.line"
                    onClicked: view.install()
                }
                Text {
                    id: noSudoNote
                    objectName: "noSudoNote"
                    textFormat: Text.PlainText
                    visible: false
                    Layout.alignment: Qt.AlignHCenter
                    //% "No administrator password needed"
                    text: qsTrId("setup.no_sudo")
                    color: Theme.onDarkLow
                    font.pixelSize: Theme.fontSmall
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
    }
}
