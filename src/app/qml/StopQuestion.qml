import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Asked before the updates view opens while downloads are running: stop them,
// or stay with the list.
Dialog {
    id: dialog
    objectName: "stopQuestion"
    property int running: 0
    signal stopAndCheck()

    anchors.centerIn: parent
    width: Math.min(440, parent ? parent.width - 48 : 440)
    modal: true
    onOpened: keepButton.forceActiveFocus()
    padding: 22
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    // The ids inside make it immediate, which a dialog made once can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        spacing: 18
        Text {
            objectName: "stopQuestionText"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            //% "%n downloads are running. Stop them and check for updates?"
            text: qsTrId("updates.stop_question", dialog.running)
            color: Theme.textPrimary
            font.pixelSize: Theme.fontLarge
            wrapMode: Text.WordWrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10
            DestructiveButton {
                objectName: "stopAndCheckButton"
                topPadding: 9; bottomPadding: 9
                //% "Stop and check"
                text: qsTrId("updates.stop_and_check")
                symbol: "stop.fill"
                onClicked: {
                    dialog.close()
                    dialog.stopAndCheck()
                }
            }
            // Keeping the downloads is the safe answer, and the default one.
            PrimaryButton {
                id: keepButton
                objectName: "keepDownloadsButton"
                topPadding: 9; bottomPadding: 9
                text: qsTrId("update.skip")
                onClicked: dialog.close()
            }
        }
    }
}
