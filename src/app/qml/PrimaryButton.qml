import QtQuick

// The full-width blue button of the setup view.
PlainButton {
    id: control
    property string symbol
    topPadding: 13; bottomPadding: 13
    background: Rectangle {
        radius: 12
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(0.24, 0.51, 1.0, 1) }
            GradientStop { position: 1; color: Qt.rgba(0.16, 0.40, 0.88, 1) }
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
            Text { text: control.text; color: "white"; font.pixelSize: 13; font.weight: Font.DemiBold }
        }
    }
}
