import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// One tool in the setup view: icon, name, description, live status.
Rectangle {
    id: card
    required property Dependency dep
    property real delay: 0
    property bool appeared: false
    readonly property color accent: dep.name === "yt-dlp" ? Qt.rgba(0.24, 0.51, 1.0, 1) : Qt.rgba(0.72, 0.38, 1.0, 1)
    readonly property string state_: dep.statusName
    readonly property bool transferring: state_ === "downloading" || state_ === "updating"

    implicitHeight: row.implicitHeight + 28
    radius: 12
    color: Qt.rgba(0.12, 0.12, 0.12, 1)
    border.color: Qt.rgba(0.18, 0.18, 0.18, 1)
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
                NumberAnimation { target: card; property: "opacity"; duration: 450; easing.type: Easing.OutCubic }
                NumberAnimation { target: shift; property: "y"; duration: 450; easing.type: Easing.OutBack; easing.overshoot: 0.8 }
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
            radius: 10
            color: Qt.rgba(card.accent.r, card.accent.g, card.accent.b, 0.13)
            Icon { anchors.centerIn: parent; name: card.dep.icon; size: 17; font.weight: Font.Medium; color: card.accent }
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                Text {
                    text: card.dep.name
                    color: Qt.rgba(0.97, 0.97, 0.97, 1)
                    font.pixelSize: 14; font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                // The status label, by case.
                Text {
                    objectName: "waitingLabel"
                    visible: card.state_ === "unknown"
                    text: qsTrId("status.waiting")
                    color: Qt.rgba(0.55, 0.55, 0.55, 1)
                    font.pixelSize: 11
                }
                Spinner {
                    objectName: "checkingSpinner"
                    visible: card.state_ === "checking"
                    implicitWidth: 18; implicitHeight: 18
                    scaleFactor: 0.55
                    tint: Qt.rgba(0.4, 0.4, 0.4, 1)
                }
                Row {
                    objectName: "versionLabel"
                    visible: ["installed", "upToDate", "updateAvailable"].includes(card.state_)
                    spacing: 4
                    Layout.maximumWidth: 150
                    readonly property color tint: card.state_ === "updateAvailable" ? Qt.rgba(1.0, 0.72, 0.25, 1) : Qt.rgba(0.3, 0.85, 0.55, 1)
                    Icon {
                        name: card.state_ === "updateAvailable" ? "arrow.triangle.2.circlepath.circle.fill" : "checkmark.circle.fill"
                        size: 11; color: parent.tint
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        objectName: "versionText"
                        width: Math.min(implicitWidth, 130)
                        text: card.state_ === "installed" ? qsTrId("status.ready")
                              : card.state_ === "upToDate" ? card.dep.version : card.dep.latestVersion
                        elide: Text.ElideMiddle
                        color: parent.tint
                        font.pixelSize: 11; font.weight: Font.DemiBold
                    }
                }
                Text {
                    objectName: "percentLabel"
                    visible: card.state_ === "downloading"
                    text: Math.floor(card.dep.fraction * 100) + "%"
                    color: card.accent
                    font.pixelSize: 12; font.weight: Font.DemiBold; font.family: "monospace"
                }
                Row {
                    objectName: "updatingLabel"
                    visible: card.state_ === "updating"
                    spacing: 4
                    Text { text: qsTrId("update.updating"); color: Qt.rgba(1.0, 0.72, 0.25, 1); font.pixelSize: 11 }
                    Text { text: Math.floor(card.dep.fraction * 100) + "%"; color: Qt.rgba(1.0, 0.72, 0.25, 1); font.pixelSize: 11; font.weight: Font.DemiBold }
                }
                Row {
                    objectName: "failedLabel"
                    visible: card.state_ === "failed"
                    spacing: 4
                    HoverHandler { id: failHover }
                    ToolTip.visible: failHover.hovered
                    ToolTip.text: card.dep.failureMessage
                    Icon { name: "exclamationmark.circle.fill"; size: 11; color: Qt.rgba(1.0, 0.38, 0.38, 1); anchors.verticalCenter: parent.verticalCenter }
                    Text { text: qsTrId("setup.failed"); color: Qt.rgba(1.0, 0.38, 0.38, 1); font.pixelSize: 11; font.weight: Font.DemiBold }
                }
            }
            Text {
                Layout.fillWidth: true
                text: card.dep.description
                color: Qt.rgba(1, 1, 1, 0.6)
                font.pixelSize: 11
                elide: Text.ElideRight
            }
            ProgressLine {
                objectName: "cardProgress"
                visible: card.transferring
                Layout.fillWidth: true
                Layout.topMargin: 2
                value: card.dep.fraction
                accent: card.accent
                endOpacity: 0.5
                duration: 100
            }
        }
    }
}
