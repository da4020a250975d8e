import QtQuick
import QtQuick.Layouts
import Reelix

// One tool in the setup view: icon, name, description, live status.
Rectangle {
    id: card
    required property Dependency dep
    property real delay: 0
    property bool appeared: false
    // The setup view gives the first tool the app's own blue.
    property color accent: Theme.purple
    readonly property int kind: dep.kind
    readonly property bool transferring: kind === DepState.Downloading || kind === DepState.Updating
    readonly property bool hasVersion: kind === DepState.Installed || kind === DepState.UpToDate
                                       || kind === DepState.UpdateAvailable
    // The view hides it while tools are being installed.
    property bool canRollBack: dep.hasPrevious
    signal rollBack()
    // Our own copy of a tool whose system copy is old; not while a run goes on.
    property bool canInstall: true
    // An installation runs: a missing tool waits for its turn.
    property bool queued: false
    signal installOwn()
    readonly property bool onSystem: dep.systemPath.length > 0

    implicitHeight: row.implicitHeight + 28
    radius: Theme.radiusLarge
    color: Theme.card
    border.color: Theme.track
    border.width: 1

    opacity: 0
    transform: Translate { id: shift; y: 12 }
    states: State {
        name: "shown"; when: card.appeared
        PropertyChanges { target: card; opacity: 1 }
        PropertyChanges { target: shift; y: 0 }
    }
    transitions: Transition {
        SequentialAnimation {
            PauseAnimation { duration: card.delay * 1000 }
            ParallelAnimation {
                NumberAnimation {
                    target: card
                    property: "opacity"
                    duration: Theme.durationCardEntrance
                    easing.type: Easing.OutCubic
                }
                NumberAnimation {
                    target: shift
                    property: "y"
                    duration: Theme.durationCardEntrance
                    easing.type: Easing.OutBack
                    easing.overshoot: 0.8
                }
            }
        }
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 14
        spacing: 14
        Rectangle {
            Layout.preferredWidth: 42; Layout.preferredHeight: 42
            Layout.alignment: Qt.AlignTop
            radius: Theme.radius
            color: Theme.tint(card.accent)
            Icon {
                anchors.centerIn: parent
                name: card.dep.icon
                size: 17
                font.weight: Font.Medium
                color: card.accent
            }
        }
        // A column, not a layout: a description that wraps moves what follows it down
        // at once, where nested layouts could leave it drawn over the next line.
        Column {
            Layout.fillWidth: true
            spacing: 4
            RowLayout {
                width: parent.width
                spacing: 8
                Text {
                    textFormat: Text.PlainText
                    text: card.dep.name
                    color: Theme.textPrimary
                    font.pixelSize: Theme.fontTitle; font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                // The status label, by case.
                Text {
                    objectName: "waitingLabel"
                    textFormat: Text.PlainText
                    visible: card.kind === DepState.Unknown && !card.onSystem
                    //% "Waiting"
                    text: card.queued ? qsTrId("status.waiting")
                                      //% "Not installed"
                                      : qsTrId("setup.not_installed")
                    color: Theme.textMuted
                    font.pixelSize: Theme.fontSmall
                }
                Row {
                    objectName: "systemLabel"
                    visible: card.kind === DepState.Unknown && card.onSystem
                    spacing: 4
                    readonly property color tint: card.dep.systemTooOld ? Theme.warning
                                                                             : Theme.success
                    Icon {
                        name: card.dep.systemTooOld ? "exclamationmark.triangle.fill"
                                                     : "checkmark.circle.fill"
                        size: 11; color: parent.tint
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        width: Math.min(implicitWidth, 110)
                        text: card.dep.systemVersion
                        elide: Text.ElideMiddle
                        color: parent.tint
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                    }
                }
                Spinner {
                    objectName: "checkingSpinner"
                    visible: card.kind === DepState.Checking
                    implicitWidth: 18; implicitHeight: 18
                    scaleFactor: 0.55
                    tint: Theme.spinnerFaint
                }
                Row {
                    objectName: "versionLabel"
                    visible: card.hasVersion
                    spacing: 4
                    Layout.maximumWidth: 150
                    readonly property bool updatable: card.kind === DepState.UpdateAvailable
                    readonly property color tint: updatable ? Theme.warning : Theme.success
                    Icon {
                        name: parent.updatable ? "arrow.triangle.2.circlepath.circle.fill"
                                               : "checkmark.circle.fill"
                        size: 11; color: parent.tint
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        objectName: "versionText"
                        textFormat: Text.PlainText
                        width: Math.min(implicitWidth, 130)
                        //% "Ready"
                        text: card.kind === DepState.Installed ? qsTrId("status.ready")
                              : card.kind === DepState.UpToDate ? card.dep.version
                              : card.dep.latestVersion
                        elide: Text.ElideMiddle
                        color: parent.tint
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                    }
                }
                // The tool works; its published version is unknown, and the tip says why.
                Row {
                    objectName: "uncheckedLabel"
                    visible: card.kind === DepState.Unchecked
                    spacing: 4
                    HoverHandler { id: uncheckedHover }
                    // The app's tip: the reason comes from a server and is shown as plain text.
                    Tip { visible: uncheckedHover.hovered; text: card.dep.uncheckedReason }
                    Icon {
                        name: "exclamationmark.triangle.fill"
                        size: 11
                        color: Theme.warning
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        width: Math.min(implicitWidth, 80)
                        text: card.dep.version
                        elide: Text.ElideMiddle
                        color: Theme.warning
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                    }
                    Text {
                        textFormat: Text.PlainText
                        //% "Could not check"
                        text: "· " + qsTrId("setup.unchecked")
                        color: Theme.warning
                        font.pixelSize: Theme.fontSmall
                    }
                }
                Text {
                    objectName: "percentLabel"
                    textFormat: Text.PlainText
                    visible: card.kind === DepState.Downloading
                    text: qsTrId("progress.percent").arg(Math.floor(card.dep.fraction * 100))
                    color: card.accent
                    font.pixelSize: Theme.fontNormal
                    font.weight: Font.DemiBold
                    font.family: Theme.monoFamily
                }
                Row {
                    objectName: "updatingLabel"
                    visible: card.kind === DepState.Updating
                    spacing: 4
                    Text {
                        textFormat: Text.PlainText
                        //% "Updating…"
                        text: qsTrId("update.updating")
                        color: Theme.warning
                        font.pixelSize: Theme.fontSmall
                    }
                    Text {
                        textFormat: Text.PlainText
                        text: qsTrId("progress.percent").arg(Math.floor(card.dep.fraction * 100))
                        color: Theme.warning
                        font.pixelSize: Theme.fontSmall
                        font.weight: Font.DemiBold
                    }
                }
                Row {
                    objectName: "failedLabel"
                    visible: card.kind === DepState.Failed
                    spacing: 4
                    HoverHandler { id: failHover }
                    // The app's tip: the reason comes from a server and is shown as plain text.
                    Tip { visible: failHover.hovered; text: card.dep.failureMessage }
                    Icon {
                        name: "exclamationmark.circle.fill"
                        size: 11
                        color: Theme.danger
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        //% "Failed"
                        text: qsTrId("setup.failed")
                        color: Theme.danger
                        font.pixelSize: Theme.fontSmall
                        font.weight: Font.DemiBold
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                objectName: "descriptionText"
                text: card.dep.description
                color: Theme.onDarkSoft
                font.pixelSize: Theme.fontSmall
                wrapMode: Text.WordWrap
            }
            RowLayout {
                visible: card.hasVersion
                width: parent.width
                spacing: 8
                // How the installed download was checked against what its distributor publishes.
                Text {
                    objectName: "verificationLabel"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    //% "Verified (SHA-256)"
                    text: card.dep.verification === "sha256" ? qsTrId("verify.card.sha256")
                          //% "Verified (MD5 only)"
                          : card.dep.verification === "md5" ? qsTrId("verify.card.md5")
                          : card.dep.verification === "not verifiable"
                            //% "Not verifiable: the source publishes no checksum"
                            ? qsTrId("verify.card.not_verifiable")
                          //% "Not verified"
                          : qsTrId("verify.card.not_verified")
                    color: card.dep.verified ? Theme.success : Theme.textMuted
                    font.pixelSize: Theme.fontSmall
                    wrapMode: Text.WordWrap
                }
                PlainButton {
                    id: rollbackButton
                    objectName: "rollbackButton"
                    visible: card.canRollBack
                    //% "Roll back"
                    text: qsTrId("rollback.button")
                    //% "Put back the version this update replaced"
                    tip: qsTrId("rollback.tip")
                    onClicked: card.rollBack()
                    contentItem: Text {
                        textFormat: Text.PlainText
                        text: rollbackButton.text
                        color: Theme.accentText
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                    }
                }
            }
            // The system's copy the engine uses while ours is missing.
            Text {
                objectName: "systemText"
                textFormat: Text.PlainText
                visible: card.onSystem
                width: parent.width
                //% "On this computer: %1"
                text: card.onSystem ? qsTrId("setup.system_found").arg(card.dep.systemPath) : ""
                color: Theme.onDarkSoft
                font.pixelSize: Theme.fontSmall
                wrapMode: Text.Wrap
            }
            RowLayout {
                objectName: "tooOldLine"
                visible: card.onSystem && card.dep.systemTooOld
                width: parent.width
                spacing: 8
                Text {
                    objectName: "tooOldText"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    //% "May be too old for some sites"
                    text: qsTrId("setup.system_too_old")
                    color: Theme.warning
                    font.pixelSize: Theme.fontSmall
                    wrapMode: Text.WordWrap
                }
                PlainButton {
                    id: installOwnButton
                    objectName: "installOwnButton"
                    visible: card.canInstall
                    //% "Install"
                    text: qsTrId("setup.install_one")
                    //% "Download Reelix's own, current copy; it is used in place of this one"
                    tip: qsTrId("setup.install_one.tip")
                    onClicked: card.installOwn()
                    contentItem: Text {
                        textFormat: Text.PlainText
                        text: installOwnButton.text
                        color: Theme.accentText
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                    }
                }
            }
            ProgressLine {
                objectName: "cardProgress"
                visible: card.transferring
                width: parent.width
                value: card.dep.fraction
                accent: card.accent
                endOpacity: 0.5
                duration: Theme.durationHover
            }
        }
    }
}
