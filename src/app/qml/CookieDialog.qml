import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The Tools menu's "Cookies…": the cookie setting in a small dialog.
Dialog {
    id: dialog
    objectName: "cookieDialog"
    anchors.centerIn: parent
    width: Math.min(460, parent ? parent.width - 48 : 460)
    modal: true
    padding: 22
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    contentItem: ColumnLayout {
        spacing: 16
        CookieSetting {
            Layout.fillWidth: true
        }
        PrimaryButton {
            objectName: "cookiesDoneButton"
            Layout.alignment: Qt.AlignRight
            topPadding: 9; bottomPadding: 9
            //% "Done"
            text: qsTrId("cookies.done")
            onClicked: dialog.close()
        }
    }
}
