import QtQuick

// The full-width blue button of the setup view.
PlainButton {
    id: control
    property string symbol
    topPadding: 13; bottomPadding: 13
    background: Rectangle {
        radius: Theme.radiusLarge
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.accent }
            GradientStop { position: 1; color: Theme.accentDeep }
        }
    }
    contentItem: Item {
        implicitHeight: label.implicitHeight
        implicitWidth: label.implicitWidth
        Row {
            id: label
            anchors.centerIn: parent
            spacing: 8
            Icon { name: control.symbol; size: 13; anchors.verticalCenter: parent.verticalCenter }
            Text { text: control.text; color: Theme.textBright; font.pixelSize: Theme.fontLarge; font.weight: Font.DemiBold }
        }
    }
}
