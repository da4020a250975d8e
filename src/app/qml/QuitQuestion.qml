import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Asked when the window closes while downloads are running: they stop now
// and resume at the next start, or the window stays.
Dialog {
    id: dialog
    objectName: "quitQuestion"
    property int running: 0
    signal quit()

    anchors.centerIn: parent
    width: Math.min(440, parent ? parent.width - 48 : 440)
    modal: true
    padding: 22
    onOpened: stayButton.forceActiveFocus()
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
            objectName: "quitQuestionText"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            //% "%n downloads are running. Quit anyway? They will resume next time Reelix starts."
            text: qsTrId("quit.question", dialog.running)
            color: Theme.textPrimary
            font.pixelSize: Theme.fontLarge
            wrapMode: Text.WordWrap
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10
            DestructiveButton {
                objectName: "quitAnywayButton"
                topPadding: 9; bottomPadding: 9
                //% "Quit"
                text: qsTrId("quit.quit")
                onClicked: {
                    dialog.close()
                    dialog.quit()
                }
            }
            PrimaryButton {
                id: stayButton
                objectName: "stayButton"
                topPadding: 9; bottomPadding: 9
                //% "Cancel"
                text: qsTrId("quit.cancel")
                onClicked: dialog.close()
            }
        }
    }
}
