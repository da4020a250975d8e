import QtQuick
import Reelix

// An icon and a short text, tinted, for the log window's bar.
PlainButton {
    id: control
    property string symbol
    property color tint: Theme.textBright
    contentItem: Row {
        spacing: 4
        Icon {
            name: control.symbol
            size: 11
            color: control.tint
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            textFormat: Text.PlainText
            text: control.text
            color: control.tint
            font.pixelSize: Theme.fontSmall
        }
    }
}
