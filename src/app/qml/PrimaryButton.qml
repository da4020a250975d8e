import QtQuick
import Reelix

// The full-width blue button of the setup view.
PlainButton {
    id: control
    property string symbol
    topPadding: 13; bottomPadding: 13; leftPadding: 16; rightPadding: 16
    focusRadius: Theme.radiusLarge
    background: Rectangle {
        radius: Theme.radiusLarge
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.accent }
            GradientStop { position: 1; color: Theme.accentDeep }
        }
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
            Icon { name: control.symbol; size: 13; anchors.verticalCenter: parent.verticalCenter }
            Text {
                textFormat: Text.PlainText
                text: control.text
                color: Theme.textOnAccent
                font.pixelSize: Theme.fontLarge
                font.weight: Font.DemiBold
            }
        }
    }
}
