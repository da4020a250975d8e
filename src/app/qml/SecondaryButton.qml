import QtQuick

// The outlined grey button of the setup view.
PlainButton {
    id: control
    topPadding: 13; bottomPadding: 13
    background: Rectangle {
        radius: 12
        color: Qt.rgba(0.16, 0.16, 0.16, 1)
        border.color: Qt.rgba(0.22, 0.22, 0.22, 1)
        border.width: 1
    }
    contentItem: Text {
        text: control.text
        color: Qt.rgba(1, 1, 1, 0.65)
        font.pixelSize: 13; font.weight: Font.Medium
        horizontalAlignment: Text.AlignHCenter
    }
}
