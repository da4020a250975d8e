pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The followed lists: each with its last check, what it found new and why
// it failed; pause or resume, remove, check now.
Rectangle {
    id: view
    color: Theme.background

    // The checks of the timer or the command line may have changed the list.
    Component.onCompleted: Follows.reload()

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 4
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.pageMargin; Layout.rightMargin: Theme.pageMargin
            spacing: 10
            Text {
                textFormat: Text.PlainText
                Layout.fillWidth: true
                elide: Text.ElideRight
                //% "New entries of these lists download by themselves at each check."
                text: qsTrId("follow.view.intro")
                color: Theme.textMuted
                font.pixelSize: Theme.fontNormal
            }
            Spinner { visible: Follows.checking }
            PlainButton {
                id: checkAll
                objectName: "followCheckAll"
                visible: Follows.count > 0
                enabled: !Follows.checking
                //% "Check all now"
                text: qsTrId("follow.check_all")
                leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
                background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: checkAll.text
                    color: Theme.textEmphasis
                    opacity: checkAll.enabled ? 1 : 0.5
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
                onClicked: Follows.checkNow()
            }
        }

        ListView {
            objectName: "followList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: Follows.count > 0
            clip: true
            spacing: 2
            leftMargin: 16; rightMargin: 16; bottomMargin: 10
            model: Follows
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            delegate: FollowRow { width: ListView.view.width - 32 }
        }
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: Follows.count === 0
            Column {
                anchors.centerIn: parent
                spacing: 10
                Icon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "list.and.film"; size: 36; color: Theme.iconEmptyLog
                }
                Text {
                    objectName: "followEmpty"
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    horizontalAlignment: Text.AlignHCenter
                    width: Math.min(view.width - 40, 420)
                    wrapMode: Text.WordWrap
                    //% "Nothing followed yet. Follow a list from its header row."
                    text: qsTrId("follow.view.empty")
                    color: Theme.textMuted
                    font.pixelSize: Theme.fontLarge
                }
            }
        }
    }
}
