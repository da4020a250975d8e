import QtQuick
import QtQuick.Layouts
import Reelix

// "In the clipboard: ADDRESS  [Paste] [×]": a web address copied elsewhere,
// offered for the address box; nothing is added without the user's click.
Rectangle {
    id: offer
    property string address
    signal accepted()
    signal dismissed()

    objectName: "clipboardOffer"
    visible: address.length > 0
    implicitHeight: visible ? 36 : 0
    radius: Theme.radiusMedium
    color: Theme.surface
    border.color: Theme.outline
    border.width: 1

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12; anchors.rightMargin: 6
        spacing: 8
        Text {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            //% "In the clipboard: %1"
            text: qsTrId("clipboard.offer").arg(offer.address)
            color: Theme.onDarkMedium
            font.pixelSize: Theme.fontNormal
            elide: Text.ElideMiddle
        }
        PlainButton {
            id: pasteButton
            objectName: "clipboardOfferButton"
            //% "Paste"
            text: qsTrId("clipboard.paste")
            implicitHeight: 26
            leftPadding: 10; rightPadding: 10
            background: Rectangle { radius: Theme.radiusSmall; color: Theme.accent }
            contentItem: Text {
                textFormat: Text.PlainText
                text: pasteButton.text
                color: Theme.textOnAccent
                font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                verticalAlignment: Text.AlignVCenter
            }
            onClicked: offer.accepted()
        }
        PlainButton {
            id: dismissButton
            objectName: "clipboardOfferDismiss"
            //% "Not this one"
            tip: qsTrId("clipboard.dismiss")
            text: "×"
            implicitWidth: 26; implicitHeight: 26
            contentItem: Text {
                textFormat: Text.PlainText
                text: dismissButton.text
                color: Theme.onDarkMedium
                font.pixelSize: Theme.fontLarge
                horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
            }
            onClicked: offer.dismissed()
        }
    }
}
