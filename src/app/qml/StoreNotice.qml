import QtQuick
import QtQuick.Layouts
import Reelix

// Says why the list starts empty when the saved one could not be read.
Rectangle {
    id: notice
    objectName: "storeNotice"
    property QueueStore store: null
    readonly property string text: store ? store.notice : ""
    visible: text.length > 0
    implicitHeight: visible ? row.implicitHeight + 22 : 0
    color: Theme.warningBase
    Rectangle { anchors.fill: parent; color: Theme.warningWash }
    Rectangle {
        anchors.left: parent.left; anchors.right: parent.right; anchors.bottom: parent.bottom
        height: 1; color: Theme.warningLine
    }
    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: Theme.pageMargin; anchors.rightMargin: 12
        spacing: 12
        Icon { name: "exclamationmark.triangle.fill"; size: 14; color: Theme.warning }
        Text {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            objectName: "storeNoticeText"
            text: Theme.wholeValues(notice.text)
            wrapMode: Text.Wrap
            color: Theme.textEmphasis
            font.pixelSize: Theme.fontNormal
        }
        IconButton {
            objectName: "dismissNotice"
            symbol: "xmark"
            tip: qsTrId("notice.dismiss")
            onClicked: notice.store.dismissNotice()
        }
    }
}
