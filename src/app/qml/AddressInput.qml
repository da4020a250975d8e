import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The multi-line address field with its Add and Paste buttons.
RowLayout {
    id: row
    property alias text: input.text
    readonly property bool hasText: text.trim().length > 0
    readonly property bool editorFocused: input.activeFocus
    signal submit()
    signal paste()

    function focusEditor() { input.forceActiveFocus() }

    function enterPressed(event: KeyEvent) {
        if (event.modifiers & Qt.ShiftModifier) {
            event.accepted = false
            return
        }
        if (row.hasText)
            row.submit()
    }

    spacing: 12
    Rectangle {
        objectName: "addressInput"
        Layout.fillWidth: true
        Layout.preferredHeight: 72
        radius: Theme.radius
        color: Theme.field
        border.width: 0
        Rectangle {
            objectName: "focusRing"
            anchors.fill: parent
            radius: Theme.radius
            color: "transparent"
            border.width: 1.5
            border.color: Theme.outline
            visible: !input.activeFocus
        }
        Rectangle {
            // The gradient ring while the input has focus.
            anchors.fill: parent
            radius: Theme.radius
            visible: input.activeFocus
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Theme.accent }
                GradientStop { position: 1; color: Theme.violet }
            }
            Rectangle {
                anchors.fill: parent
                anchors.margins: 1.5
                radius: 9
                color: Theme.field
            }
        }
        Text {
            objectName: "placeholder"
            textFormat: Text.PlainText
            visible: input.text.length === 0
            anchors.left: parent.left; anchors.top: parent.top; anchors.right: parent.right
            anchors.leftMargin: 14; anchors.rightMargin: 14; anchors.topMargin: 12
            //% "Paste one or more video addresses, one per line"
            text: qsTrId("input.placeholder")
            color: Theme.textMuted
            font.pixelSize: Theme.fontLarge; font.family: Theme.monoFamily
            elide: Text.ElideRight
        }
        ScrollView {
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            anchors.topMargin: 2
            anchors.bottomMargin: 2
            TextArea {
                id: input
                objectName: "addressEditor"
                // Addresses read left to right in every language.
                LayoutMirroring.enabled: false
                horizontalAlignment: TextEdit.AlignLeft
                Accessible.name: qsTrId("input.placeholder")
                leftPadding: 10; rightPadding: 10; topPadding: 8; bottomPadding: 8
                color: Theme.textPrimary
                selectionColor: Theme.accentSelection
                font.pixelSize: Theme.fontLarge; font.family: Theme.monoFamily
                wrapMode: TextEdit.NoWrap
                background: null
                // Enter adds what was typed or pasted; Shift+Enter starts a new line.
                Keys.onReturnPressed: (event) => row.enterPressed(event)
                Keys.onEnterPressed: (event) => row.enterPressed(event)
                // Tab moves to the next control: a tab is never part of an address.
                Keys.onTabPressed: {
                    input.nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                }
                Keys.onBacktabPressed: {
                    input.nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                }
            }
        }
    }
    ColumnLayout {
        spacing: 8
        PlainButton {
            objectName: "addButton"
            enabled: row.hasText
            //% "Add"
            text: qsTrId("input.add")
            implicitWidth: 72; implicitHeight: 46
            focusRadius: Theme.radius
            background: Rectangle {
                radius: Theme.radius
                gradient: Gradient {
                    GradientStop {
                        position: 0
                        color: row.hasText ? Theme.accent : Theme.surfaceHover
                    }
                    GradientStop {
                        position: 1
                        color: row.hasText ? Theme.accentDeep : Theme.track
                    }
                }
            }
            contentItem: Column {
                spacing: 4
                topPadding: 6
                Icon {
                    name: "plus"
                    size: 14
                    font.weight: Font.DemiBold
                    color: row.hasText ? Theme.textOnAccent : Theme.textBright
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Text {
                    textFormat: Text.PlainText
                    text: qsTrId("input.add")
                    color: row.hasText ? Theme.textOnAccent : Theme.textBright
                    font.pixelSize: Theme.fontSmall
                    font.weight: Font.Medium
                    anchors.horizontalCenter: parent.horizontalCenter
                }
            }
            onClicked: row.submit()
        }
        PlainButton {
            objectName: "pasteButton"
            //% "Paste"
            text: qsTrId("input.paste")
            implicitWidth: 72; implicitHeight: 46
            focusRadius: Theme.radius
            background: Rectangle { radius: Theme.radius; color: Theme.surface }
            contentItem: Column {
                spacing: 4
                topPadding: 6
                Icon {
                    name: "doc.on.clipboard"
                    size: 13
                    color: Theme.textSecondary
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Text {
                    textFormat: Text.PlainText
                    text: qsTrId("input.paste")
                    color: Theme.textSecondary
                    font.pixelSize: Theme.fontSmall
                    font.weight: Font.Medium
                    anchors.horizontalCenter: parent.horizontalCenter
                }
            }
            onClicked: row.paste()
        }
    }
}
