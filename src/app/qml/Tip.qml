import QtQuick
import QtQuick.Controls.Basic
import Reelix

// The app's tooltip, in the app's colours, long texts wrapped.
ToolTip {
    id: tip
    delay: 500
    leftPadding: 10; rightPadding: 10; topPadding: 6; bottomPadding: 6
    implicitWidth: Math.min(Theme.tipMaxWidth, implicitContentWidth + leftPadding + rightPadding)
    contentItem: Text {
        textFormat: Text.PlainText
        text: tip.text
        color: Theme.textEmphasis
        font.pixelSize: Theme.fontSmall
        wrapMode: Text.Wrap
    }
    background: Rectangle {
        radius: Theme.radiusSmall
        color: Theme.tipBackground
        border.color: Theme.menuLine
        border.width: 1
    }
}
