import QtQuick
import Reelix

// What the list area shows before the first download is added: the whole
// way from an address to a file, as the auto-start setting makes it.
Item {
    objectName: "emptyState"
    Preferences { id: settings }
    Column {
        anchors.centerIn: parent
        width: parent.width - 80
        spacing: 14
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 72
            height: 72
            radius: 36
            color: Theme.well
            Icon {
                anchors.centerIn: parent
                name: "arrow.down.to.line"
                size: 28
                font.weight: Font.Light
                color: Theme.textMuted
            }
        }
        Column {
            width: parent.width
            spacing: 6
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                //% "No downloads yet"
                text: qsTrId("empty.title")
                color: Theme.textEmphasis
                font.pixelSize: Theme.fontHeading
                font.weight: Font.DemiBold
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                objectName: "emptySubtitle"
                //% "Paste a video or playlist address above and press Enter — the download starts"
                //% " by itself."
                text: settings.autoStart ? qsTrId("empty.subtitle_auto")
                                         //% "Paste a video or playlist address above and press"
                                         //% " Enter, then choose the quality and click Download."
                                         : qsTrId("empty.subtitle")
                color: Theme.textMuted
                font.pixelSize: Theme.fontNormal
            }
        }
    }
}
