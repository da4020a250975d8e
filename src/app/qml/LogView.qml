import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The log window's content: the switch, copy, clear, folder, and the text.
Rectangle {
    id: view
    required property LogViewer viewer
    color: Theme.logBackground
    implicitWidth: 700
    implicitHeight: 420

    // A ScrollView's content item is its Flickable, but it is declared as
    // an Item, and Qt 6.4 cannot cast ("as" crashes its qmlcachegen).
    function followEnd() {
        const flick = scroll.contentItem
        if (flick)
            flick.contentY = Math.max(0, flick.contentHeight - flick.height) // qmllint disable type
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: bar.implicitHeight + 20
            color: Theme.card
            RowLayout {
                id: bar
                anchors.fill: parent
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                anchors.topMargin: 10
                anchors.bottomMargin: 10
                spacing: 12
                Switch {
                    id: toggle
                    objectName: "loggingSwitch"
                    checked: view.viewer.isEnabled
                    onToggled: view.viewer.isEnabled = checked
                    //% "Enable logs"
                    Accessible.name: qsTrId("log.enable")
                    Accessible.onToggleAction: { toggle.toggle(); toggle.toggled() }
                    Accessible.onPressAction: { toggle.toggle(); toggle.toggled() }
                    indicator: Rectangle {
                        implicitWidth: 34; implicitHeight: 20
                        // On the leading side, its knob at the trailing end when on.
                        x: toggle.mirrored ? toggle.width - width - toggle.rightPadding
                                           : toggle.leftPadding
                        y: parent.height / 2 - height / 2
                        radius: 10
                        color: toggle.checked ? Theme.switchOn : Theme.switchOff
                        border.width: toggle.visualFocus ? Theme.focusRingWidth : 0
                        border.color: Theme.focusRing
                        Rectangle {
                            x: toggle.checked !== toggle.mirrored ? parent.width - width - 2 : 2
                            y: 2
                            width: 16; height: 16; radius: 8
                            color: Theme.textOnAccent
                            Behavior on x { NumberAnimation { duration: Theme.durationToggle } }
                        }
                    }
                    contentItem: Text {
                        textFormat: Text.PlainText
                        leftPadding: toggle.mirrored ? 0 : toggle.indicator.width + 8
                        rightPadding: toggle.mirrored ? toggle.indicator.width + 8 : 0
                        horizontalAlignment: Text.AlignLeft
                        text: qsTrId("log.enable")
                        color: Theme.textSecondary
                        font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                        verticalAlignment: Text.AlignVCenter
                    }
                }
                Item { Layout.fillWidth: true }
                LogButton {
                    objectName: "copyButton"
                    visible: view.viewer.logText.length > 0
                    symbol: view.viewer.copied ? "checkmark" : "doc.on.clipboard"
                    text: view.viewer.copied
                          //% "Copied!"
                          ? qsTrId("log.copied")
                          //% "Copy"
                          : qsTrId("log.copy")
                    tint: view.viewer.copied ? Theme.success : Theme.textFaint
                    onClicked: view.viewer.copyLog()
                }
                LogButton {
                    objectName: "clearButton"
                    visible: view.viewer.logText.length > 0
                    symbol: "trash"
                    //% "Clear"
                    text: qsTrId("log.clear")
                    tint: Theme.danger
                    onClicked: view.viewer.clearLog()
                }
                LogButton {
                    objectName: "folderButton"
                    symbol: "folder"
                    //% "Folder"
                    text: qsTrId("log.folder")
                    tint: Theme.iconMuted
                    onClicked: view.viewer.openLogFolder()
                }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.surfaceHover }

        Item {
            objectName: "emptyLog"
            visible: view.viewer.logText.length === 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Column {
                anchors.centerIn: parent
                spacing: 10
                Icon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "doc.text"
                    size: 32
                    color: Theme.iconEmptyLog
                }
                Text {
                    objectName: "emptyText"
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: view.viewer.isEnabled
                          //% "No logs yet"
                          ? qsTrId("log.empty")
                          //% "Turn on logs above to begin"
                          : qsTrId("log.enable_hint")
                    color: Theme.textEmptyLog
                    font.pixelSize: Theme.fontNormal
                }
            }
        }
        ScrollView {
            id: scroll
            objectName: "logScroll"
            visible: view.viewer.logText.length > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
            contentWidth: availableWidth
            TextArea {
                id: text
                objectName: "logTextArea"
                textFormat: TextEdit.PlainText
                readOnly: true
                selectByMouse: true
                text: view.viewer.logText
                color: Theme.textTertiary
                selectionColor: Theme.accentSelection
                font.pixelSize: Theme.fontSmall; font.family: Theme.monoFamily
                wrapMode: TextEdit.Wrap
                padding: 12
                background: null
                // Follow the end of the log whenever its text changes.
                // Qt 6.4's qmllint takes Qt.callLater for a property, not a method.
                onTextChanged: Qt.callLater(view.followEnd) // qmllint disable type
            }
        }
    }
}
