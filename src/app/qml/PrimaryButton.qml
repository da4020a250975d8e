import QtQuick
import Reelix

// The full-width blue button of the setup view; not highlighted, it takes
// the outlined grey look of a second choice.
PlainButton {
    id: control
    property string symbol
    property bool highlighted: true
    topPadding: 13; bottomPadding: 13; leftPadding: 16; rightPadding: 16
    focusRadius: Theme.radiusLarge
    // The gradient's id makes the background immediate; it costs nothing here.
    background: Rectangle { // qmllint disable deferred-property-id
        radius: Theme.radiusLarge
        color: Theme.surface
        border.color: Theme.outline
        border.width: control.highlighted ? 0 : 1
        gradient: control.highlighted ? fill : null
        Gradient {
            id: fill
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
            Icon {
                name: control.symbol; size: 13
                color: control.highlighted ? Theme.textOnAccent : Theme.onDarkMedium
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                textFormat: Text.PlainText
                text: control.text
                color: control.highlighted ? Theme.textOnAccent : Theme.onDarkMedium
                font.pixelSize: Theme.fontLarge
                font.weight: control.highlighted ? Font.DemiBold : Font.Medium
            }
        }
    }
}
