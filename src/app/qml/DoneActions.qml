import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// What a finished download's row offers: open the file, show it in its
// folder, take the row off the list (the file stays), or delete the file
// after a question that names it.
Row {
    id: actions
    required property DownloadItem download
    required property DownloadManager manager
    property bool settling: false
    readonly property string path: download.filePath

    spacing: 4

    // The question is made when asked: a long list holds many finished rows.
    function askDelete() {
        const question = deleteQuestion.createObject(actions.Window.window.contentItem) as Dialog
        question.closed.connect(question.destroy)
        question.open()
    }

    function openFile() {
        if (actions.path.length > 0)
            Desktop.open(actions.path)
    }

    IconButton {
        objectName: "openButton"
        symbol: "arrow.up.forward.square"; color: Theme.accent
        //% "Open"
        tip: qsTrId("history.open")
        onClicked: actions.openFile()
    }
    IconButton {
        objectName: "revealButton"
        symbol: "folder"; color: Theme.iconMuted
        //% "Show in folder"
        tip: qsTrId("action.show_finder")
        onClicked: {
            if (actions.path.length > 0)
                Desktop.reveal(actions.path)
        }
    }
    IconButton {
        objectName: "deleteFileButton"
        enabled: !actions.settling
        symbol: "trash"; color: Theme.textMuted
        //% "Delete file…"
        tip: qsTrId("action.delete_file")
        onClicked: actions.askDelete()
    }
    IconButton {
        objectName: "removeButton"
        enabled: !actions.settling
        symbol: "xmark"; color: Theme.textMuted
        //% "Remove from list (keeps the file)"
        tip: qsTrId("action.remove_keep_file")
        onClicked: actions.manager.remove(actions.download)
    }

    // qmllint disable unqualified
    Component {
        id: deleteQuestion
        Dialog {
            id: question
            objectName: "deleteQuestion"
            anchors.centerIn: parent
            width: Math.min(440, parent ? parent.width - 48 : 440)
            modal: true
            padding: 22
            onOpened: keepButton.forceActiveFocus()
            background: Rectangle {
                radius: Theme.radiusLarge
                color: Theme.menuBase
                border.color: Theme.menuLine
                border.width: 1
            }
            // The ids inside make it immediate; the dialog is made when asked.
            contentItem: ColumnLayout { // qmllint disable deferred-property-id
                spacing: 18
                Text {
                    objectName: "deleteQuestionText"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    //% "Delete “%1”? It goes to the trash, and the row leaves the list."
                    text: qsTrId("delete.question").arg(Desktop.fileName(actions.path))
                    color: Theme.textPrimary
                    font.pixelSize: Theme.fontLarge
                    wrapMode: Text.Wrap
                }
                RowLayout {
                    Layout.alignment: Qt.AlignRight
                    spacing: 10
                    DestructiveButton {
                        objectName: "confirmDeleteButton"
                        topPadding: 9; bottomPadding: 9
                        //% "Delete file"
                        text: qsTrId("delete.confirm")
                        symbol: "trash"
                        onClicked: {
                            const download = actions.download
                            const manager = actions.manager
                            question.close()
                            if (Desktop.deleteFile(download.filePath))
                                manager.remove(download)
                        }
                    }
                    PrimaryButton {
                        id: keepButton
                        objectName: "keepFileButton"
                        topPadding: 9; bottomPadding: 9
                        text: qsTrId("quit.cancel")
                        onClicked: question.close()
                    }
                }
            }
        }
    }
    // qmllint enable unqualified
}
