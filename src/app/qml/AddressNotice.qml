import QtQuick
import QtQuick.Layouts
import Reelix

// Says how many lines of the text just added were left out as not addresses.
RowLayout {
    id: notice
    objectName: "addressNotice"
    // The lines left out by the last addition; 0 hides the notice.
    property int count: 0
    visible: count > 0
    spacing: 6
    Icon {
        name: "exclamationmark.circle.fill"
        size: 11
        color: Theme.amber
        Layout.alignment: Qt.AlignVCenter
    }
    Text {
        objectName: "addressNoticeText"
        textFormat: Text.PlainText
        Layout.fillWidth: true
        //% "%n lines were not addresses"
        text: qsTrId("input.not_addresses", notice.count)
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
        wrapMode: Text.Wrap
        Accessible.role: Accessible.AlertMessage
        Accessible.name: text
    }
    IconButton {
        objectName: "addressNoticeDismiss"
        symbol: "xmark"
        color: Theme.textMuted
        implicitWidth: 20; implicitHeight: 20
        //% "Dismiss"
        tip: qsTrId("notice.dismiss")
        onClicked: notice.count = 0
    }
}
