import QtQuick
import Reelix

// A small round icon button: tinted circle on hover, the tooltip as its
// accessible name.
PlainButton {
    id: button
    property string symbol
    property color color: Theme.textBright
    implicitWidth: 28
    implicitHeight: 28
    focusRadius: width / 2
    background: Rectangle {
        radius: width / 2
        color: Qt.rgba(button.color.r, button.color.g, button.color.b, button.hovered ? 0.2 : 0)
        Behavior on color {
            ColorAnimation { duration: Theme.durationHover; easing.type: Easing.InOutQuad }
        }
    }
    contentItem: Icon {
        name: button.symbol
        size: 12
        color: Qt.rgba(button.color.r, button.color.g, button.color.b, button.hovered ? 1
                                                                   : Theme.iconRestOpacity)
        Behavior on color {
            ColorAnimation { duration: Theme.durationHover; easing.type: Easing.InOutQuad }
        }
    }
}
