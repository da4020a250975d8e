import QtQuick
import Reelix

// Offered by a row that failed on a page Reelix's own copy of yt-dlp, well
// behind its newest release, could not read: opens the updates, as the
// setup check's Update does.
PlainButton {
    id: offer
    objectName: "updateOffer"
    leftPadding: 10; rightPadding: 10; topPadding: 5; bottomPadding: 5
    focusRadius: height / 2
    //% "Update"
    text: qsTrId("action.update_ytdlp")
    //% "Update yt-dlp in Tools ▸ Check for updates"
    tip: qsTrId("action.update_ytdlp.tip")
    background: Rectangle {
        radius: height / 2
        color: offer.hovered ? Theme.accentMid : Theme.accentDeep
    }
    contentItem: Row {
        spacing: 5
        Icon {
            name: "arrow.down.circle"
            size: 10
            color: Theme.textOnAccent
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            textFormat: Text.PlainText
            text: offer.text
            font.pixelSize: Theme.fontSmall
            font.weight: Font.DemiBold
            color: Theme.textOnAccent
        }
    }
}
