import QtQuick
import QtQuick.Layouts
import Reelix

// The strip that announces tool updates, between the header and the input.
Rectangle {
    id: banner
    property string summary
    signal showUpdates()
    implicitHeight: layout.implicitHeight + 22
    color: Qt.tint(Theme.warningBase, Theme.warningWash)
    Rectangle {
        anchors.left: parent.left; anchors.right: parent.right; anchors.bottom: parent.bottom
        height: 1
        color: Theme.warningLine
    }
    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.leftMargin: Theme.pageMargin
        anchors.rightMargin: Theme.pageMargin
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 12
        Icon {
            name: "arrow.triangle.2.circlepath.circle.fill"
            size: 16
            font.weight: Font.Medium
            color: Theme.warning
        }
        ColumnLayout {
            spacing: 1
            Layout.fillWidth: true
            Text {
                textFormat: Text.PlainText
                //% "Tool updates available"
                text: qsTrId("update.banner.title")
                color: Theme.textHeading
                font.pixelSize: Theme.fontLarge; font.weight: Font.DemiBold
            }
            Text {
                objectName: "bannerSummary"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: banner.summary
                // Under the title, though it starts with a tool's Latin name.
                horizontalAlignment: Text.AlignLeft
                color: Theme.textFaint
                font.pixelSize: Theme.fontSmall
                elide: Text.ElideRight
            }
        }
        PlainButton {
            id: actionButton
            objectName: "bannerAction"
            //% "Update"
            text: qsTrId("update.banner.action")
            leftPadding: 14; rightPadding: 14; topPadding: 7; bottomPadding: 7
            background: Rectangle {
                radius: Theme.radiusMedium
                gradient: Gradient {
                    GradientStop { position: 0; color: Theme.convertTop }
                    GradientStop { position: 1; color: Theme.convertBottom }
                }
            }
            contentItem: Text {
                textFormat: Text.PlainText
                text: actionButton.text
                color: Theme.textOnWarm
                font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                horizontalAlignment: Text.AlignHCenter
            }
            onClicked: banner.showUpdates()
        }
    }
}
