import QtQuick
import QtQuick.Layouts
import Reelix

// The strip that announces tool updates, between the header and the input.
Rectangle {
    id: banner
    property string summary
    signal showUpdates()
    implicitHeight: layout.implicitHeight + 22
    color: Qt.tint(Qt.rgba(0.18, 0.15, 0.08, 1), Qt.rgba(1.0, 0.72, 0.25, 0.15))
    Rectangle {
        anchors.left: parent.left; anchors.right: parent.right; anchors.bottom: parent.bottom
        height: 1
        color: Qt.rgba(1.0, 0.72, 0.25, 0.25)
    }
    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.leftMargin: 24; anchors.rightMargin: 24; anchors.topMargin: 11; anchors.bottomMargin: 11
        spacing: 12
        Icon { name: "arrow.triangle.2.circlepath.circle.fill"; size: 16; font.weight: Font.Medium; color: Qt.rgba(1.0, 0.72, 0.25, 1) }
        ColumnLayout {
            spacing: 1
            Layout.fillWidth: true
            Text {
                text: qsTrId("update.banner.title")
                color: Qt.rgba(0.95, 0.95, 0.95, 1)
                font.pixelSize: 13; font.weight: Font.DemiBold
            }
            Text {
                objectName: "bannerSummary"
                Layout.fillWidth: true
                text: banner.summary
                color: Qt.rgba(0.6, 0.6, 0.6, 1)
                font.pixelSize: 11
                elide: Text.ElideRight
            }
        }
        PlainButton {
            objectName: "bannerAction"
            text: qsTrId("update.banner.action")
            leftPadding: 14; rightPadding: 14; topPadding: 7; bottomPadding: 7
            background: Rectangle {
                radius: 8
                gradient: Gradient {
                    GradientStop { position: 0; color: Qt.rgba(1.0, 0.6, 0.1, 1) }
                    GradientStop { position: 1; color: Qt.rgba(0.88, 0.45, 0.05, 1) }
                }
            }
            contentItem: Text {
                text: parent.text
                color: "white"
                font.pixelSize: 12; font.weight: Font.DemiBold
                horizontalAlignment: Text.AlignHCenter
            }
            onClicked: banner.showUpdates()
        }
    }
}
