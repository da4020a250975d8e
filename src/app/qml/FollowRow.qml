import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// One followed list in the "Following" view.
Rectangle {
    id: row
    required property int index
    required property string title
    required property string address
    required property string lastCheck
    required property int newCount
    required property string lastError
    required property bool paused
    required property bool mediaServer
    required property string lastErrorDetail
    objectName: "followRow"
    // Taller when why the last check failed takes more than a line.
    implicitHeight: Math.max(58, line.implicitHeight + 20)
    radius: Theme.radius
    color: hover.hovered ? Theme.surface : Theme.card
    HoverHandler { id: hover }

    // "Checked 07/12/2026 23:50 · 2 new", or why the last check failed.
    readonly property string summary: {
        if (row.lastError.length > 0)
            return row.lastError
        if (row.lastCheck.length === 0)
            //% "Not checked yet"
            return qsTrId("follow.not_checked")
        //% "Checked %1"
        return Theme.line([qsTrId("follow.checked").arg(row.lastCheck),
                           //% "%n new"
                           qsTrId("follow.new_count", row.newCount)], "  ·  ")
    }

    RowLayout {
        id: line
        anchors.fill: parent
        anchors.leftMargin: 14; anchors.rightMargin: 10
        spacing: 12
        Icon {
            name: row.lastError.length > 0 ? "exclamationmark.circle.fill" : "list.and.film"
            size: 16
            color: row.lastError.length > 0 ? Theme.danger : Theme.textTertiary
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3
            Text {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                //% "%1 (paused)"
                text: row.paused ? qsTrId("follow.paused_title").arg(row.title) : row.title
                elide: Text.ElideRight
                // From the leading edge, whatever script the title is in.
                horizontalAlignment: Text.AlignLeft
                color: row.paused ? Theme.textMuted : Theme.textPrimary
                font.pixelSize: Theme.fontLarge; font.weight: Font.Medium
            }
            Text {
                objectName: "followSummary"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                maximumLineCount: 3
                elide: Text.ElideRight
                text: row.summary
                horizontalAlignment: Text.AlignLeft
                color: row.lastError.length > 0 ? Theme.dangerText : Theme.textFaint
                font.pixelSize: Theme.fontSmall
                // The tool's own line behind the explanation.
                HoverHandler { id: summaryHover }
                Tip {
                    visible: summaryHover.hovered && row.lastErrorDetail.length > 0
                    text: row.lastErrorDetail
                }
            }
        }
        CheckBox {
            id: mediaBox
            objectName: "followMediaServer"
            checked: row.mediaServer
            onToggled: Follows.setMediaServer(row.index, checked)
            //% "Files for media servers"
            Accessible.name: qsTrId("follow.media_server")
            Accessible.onToggleAction: { mediaBox.toggle(); mediaBox.toggled() }
            Accessible.onPressAction: { mediaBox.toggle(); mediaBox.toggled() }
            Tip {
                visible: mediaBox.hovered
                //% "Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, "
                //% "the thumbnail, and a poster for the folder"
                text: qsTrId("follow.media_server.tip")
            }
            padding: 0
            indicator: Rectangle {
                // At the leading edge: at the right in Arabic.
                x: mediaBox.mirrored ? mediaBox.width - width : 0
                y: (mediaBox.height - height) / 2
                width: 16; height: 16
                radius: 4
                color: mediaBox.checked ? Theme.accent : Theme.control
                border.width: mediaBox.visualFocus ? Theme.focusRingWidth : 1
                border.color: mediaBox.visualFocus ? Theme.focusRing
                              : mediaBox.checked ? Theme.accent : Theme.outline
                Icon {
                    anchors.centerIn: parent
                    visible: mediaBox.checked
                    name: "checkmark"; size: 11; font.bold: true
                    color: Theme.textOnAccent
                }
            }
            contentItem: Text {
                textFormat: Text.PlainText
                leftPadding: mediaBox.mirrored ? 0 : 24
                rightPadding: mediaBox.mirrored ? 24 : 0
                text: qsTrId("follow.media_server")
                color: Theme.textStatus
                font.pixelSize: Theme.fontSmall
                verticalAlignment: Text.AlignVCenter
            }
        }
        IconButton {
            objectName: "followCheck"
            symbol: "arrow.clockwise"
            enabled: !Follows.checking && !row.paused
            //% "Check now"
            tip: qsTrId("follow.check_now")
            onClicked: Follows.checkNow(row.index)
        }
        IconButton {
            objectName: "followPause"
            symbol: row.paused ? "play.fill" : "pause.fill"
            //% "Resume"
            tip: row.paused ? qsTrId("follow.resume")
                              //% "Pause"
                            : qsTrId("follow.pause")
            onClicked: Follows.setPaused(row.index, !row.paused)
        }
        IconButton {
            objectName: "followRemove"
            symbol: "trash"
            color: Theme.danger
            //% "Remove"
            tip: qsTrId("action.remove")
            onClicked: Follows.remove(row.index)
        }
    }
}
