pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// A menu of the menu bar, each entry with its shortcut.
Menu {
    id: menu
    padding: 4
    background: Rectangle {
        implicitWidth: 320
        radius: Theme.radiusMedium
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    delegate: MenuItem {
        id: entry
        implicitHeight: Theme.controlHeight
        leftPadding: 10; rightPadding: 10
        // The check is drawn below; the style's own, in the default palette,
        // would show beside it over a light menu.
        indicator: null
        contentItem: RowLayout {
            spacing: 24
            Text {
                textFormat: Text.PlainText
                // A check for the settings entries.
                visible: entry.checkable
                text: entry.checked ? "✓" : ""
                Layout.preferredWidth: 12
                Layout.rightMargin: -16
                color: entry.highlighted ? Theme.textOnAccent : Theme.textBright
                font.pixelSize: Theme.fontNormal
            }
            Text {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: entry.text
                color: entry.highlighted ? Theme.textOnAccent
                       : entry.enabled ? Theme.textBright : Theme.textMuted
                font.pixelSize: Theme.fontNormal
            }
            Text {
                objectName: "shortcutText"
                textFormat: Text.PlainText
                text: entry.action ? Desktop.shortcutText(entry.action.shortcut) : ""
                color: entry.highlighted ? Theme.textOnAccent : Theme.textFaint
                font.pixelSize: Theme.fontNormal
            }
        }
        // A disabled entry is dimmed and never lights up.
        opacity: enabled ? 1 : 0.45
        background: Rectangle {
            radius: Theme.radiusSmall
            color: entry.highlighted && entry.enabled ? Theme.accent : "transparent"
        }
    }
}
