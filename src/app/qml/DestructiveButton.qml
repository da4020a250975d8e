import QtQuick
import Reelix

// A button that stops or deletes something: outlined in red, never the
// highlighted default of its dialog.
PlainButton {
    id: control
    property string symbol
    topPadding: 13; bottomPadding: 13; leftPadding: 16; rightPadding: 16
    focusRadius: Theme.radiusLarge
    background: Rectangle {
        radius: Theme.radiusLarge
        color: control.hovered ? Qt.rgba(Theme.danger.r, Theme.danger.g, Theme.danger.b, 0.14)
                               : Theme.surface
        border.color: Theme.danger
        border.width: 1
    }
    // The id below makes contentItem immediate instead of deferred, which
    // costs nothing: AbstractButton has no style content item to replace.
    contentItem: Item { // qmllint disable deferred-property-id
        implicitHeight: label.implicitHeight
        implicitWidth: label.implicitWidth
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 8
            Icon {
                visible: control.symbol.length > 0
                name: control.symbol; size: 12; color: Theme.dangerText
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                textFormat: Text.PlainText
                text: control.text
                color: Theme.dangerText
                font.pixelSize: Theme.fontLarge
                font.weight: Font.Medium
            }
        }
    }
}
