import QtQuick
import Reelix

// The outlined grey button of the setup view.
PlainButton {
    id: control
    topPadding: 13; bottomPadding: 13; leftPadding: 16; rightPadding: 16
    focusRadius: Theme.radiusLarge
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.surface
        border.color: Theme.outline
        border.width: 1
    }
    contentItem: Text {
        textFormat: Text.PlainText
        text: control.text
        color: Theme.onDarkMedium
        font.pixelSize: Theme.fontLarge; font.weight: Font.Medium
        horizontalAlignment: Text.AlignHCenter
    }
}
