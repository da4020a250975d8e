import QtQuick
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
    objectName: "followRow"
    implicitHeight: 58
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
        return qsTrId("follow.checked").arg(row.lastCheck) + "  ·  "
                //% "%n new"
                + qsTrId("follow.new_count", row.newCount)
    }

    RowLayout {
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
                color: row.paused ? Theme.textMuted : Theme.textPrimary
                font.pixelSize: Theme.fontLarge; font.weight: Font.Medium
            }
            Text {
                objectName: "followSummary"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: row.summary
                color: row.lastError.length > 0 ? Theme.dangerText : Theme.textFaint
                font.pixelSize: Theme.fontSmall
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
