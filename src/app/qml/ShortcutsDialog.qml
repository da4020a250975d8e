pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Every keyboard shortcut of the window, with what it does.
Dialog {
    id: dialog
    objectName: "shortcutsDialog"

    // "Alt+T" for a menu titled "&Tools".
    function mnemonic(id: string): string {
        const title = qsTrId(id)
        const at = title.indexOf("&")
        return at >= 0 ? "Alt+" + title.charAt(at + 1).toUpperCase() : ""
    }

    // Each entry: the key sequences, and the id of what they do.
    readonly property var entries: [
        //% "Add the addresses typed, or press the highlighted button"
        { keys: ["Ctrl+Return", "Ctrl+Enter"], what: QT_TRID_NOOP("shortcuts.add") },
        { keys: ["Ctrl+,"], what: "menu.preferences" },
        { keys: ["Ctrl+Shift+,"], what: "menu.check_updates" },
        { keys: ["Ctrl+Shift+L"], what: "menu.debug_logs" },
        { keys: ["F1", "Ctrl+?"], what: "menu.shortcuts" },
        //% "Open the menu bar"
        { keys: ["F10"], what: QT_TRID_NOOP("shortcuts.menu_bar") },
        { keys: [dialog.mnemonic("menu.file"), dialog.mnemonic("menu.tools"),
                 dialog.mnemonic("menu.help")],
          //% "Open a menu"
          what: QT_TRID_NOOP("shortcuts.menus") },
        //% "Close a dialog, the preferences or the log"
        { keys: ["Esc", "Ctrl+W"], what: QT_TRID_NOOP("shortcuts.close") },
        { keys: ["Ctrl+Q"], what: "menu.quit" }
    ]

    anchors.centerIn: parent
    width: Math.min(460, parent ? parent.width - 48 : 460)
    modal: true
    padding: 22
    onOpened: doneButton.forceActiveFocus()
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    // The ids inside make it immediate, which a dialog made once can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        spacing: 12
        Text {
            textFormat: Text.PlainText
            //% "Keyboard shortcuts"
            text: qsTrId("menu.shortcuts")
            color: Theme.textBright
            font.pixelSize: Theme.fontTitle; font.weight: Font.DemiBold
        }
        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 18
            rowSpacing: 6
            Repeater {
                model: dialog.entries
                delegate: Text {
                    required property var modelData
                    required property int index
                    objectName: "shortcutKeys"
                    // The sequences as written in the list, read by the tests.
                    readonly property var sequences: modelData.keys
                    Layout.row: index
                    Layout.column: 0
                    textFormat: Text.PlainText
                    text: modelData.keys.map(k => Desktop.shortcutText(k)).join(", ")
                    color: Theme.textPrimary
                    font.pixelSize: Theme.fontNormal; font.family: Theme.monoFamily
                }
            }
            Repeater {
                model: dialog.entries
                delegate: Text {
                    required property var modelData
                    required property int index
                    Layout.row: index
                    Layout.column: 1
                    Layout.fillWidth: true
                    textFormat: Text.PlainText
                    text: qsTrId(modelData.what).replace("&", "").replace("…", "")
                    color: Theme.textSecondary
                    font.pixelSize: Theme.fontNormal
                    wrapMode: Text.WordWrap
                }
            }
        }
        PrimaryButton {
            id: doneButton
            objectName: "shortcutsCloseButton"
            Layout.alignment: Qt.AlignRight
            topPadding: 9; bottomPadding: 9
            text: qsTrId("about.close")
            onClicked: dialog.close()
        }
    }
}
