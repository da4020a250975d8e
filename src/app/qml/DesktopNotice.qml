import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A short notice at the foot of the window when the desktop could not open,
// show or delete a file: something happens for every click.
Popup {
    id: notice
    objectName: "desktopNotice"
    property string message

    x: ((parent ? parent.width : 0) - width) / 2
    y: (parent ? parent.height : 0) - height - 24
    padding: 12
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.danger
        border.width: 1
    }
    contentItem: Text {
        objectName: "desktopNoticeText"
        textFormat: Text.PlainText
        width: Math.min(implicitWidth, 480)
        text: notice.message
        color: Theme.textPrimary
        font.pixelSize: Theme.fontNormal
        wrapMode: Text.Wrap
    }
    Timer {
        id: hide
        interval: 6000
        onTriggered: notice.close()
    }
    Connections {
        target: Desktop
        function onFailed(action: string, path: string) {
            const name = Desktop.fileName(path)
            //% "No application could open “%1”."
            notice.message = action === "open" ? qsTrId("desktop.open_failed").arg(name)
                             //% "No file manager could show “%1”."
                             : action === "reveal" ? qsTrId("desktop.reveal_failed").arg(name)
                             //% "“%1” could not be deleted."
                             : qsTrId("desktop.delete_failed").arg(name)
            notice.open()
            hide.restart()
        }
    }
}
