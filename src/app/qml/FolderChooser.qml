import QtQuick
import Reelix

// The one way to choose the download folder, from the header and from the
// preferences: the desktop's chooser through its portal where one answers,
// else the app's own.
Item {
    id: chooser
    required property DownloadManager manager

    anchors.fill: parent

    function open() {
        //% "Choose the download folder"
        portal.choose(qsTrId("folder.picker.title"),
                      //% "Choose"
                      qsTrId("folder.picker.choose"),
                      chooser.manager.downloadFolderURL)
    }

    FolderPortal {
        id: portal
        onChosen: folder => chooser.manager.chooseFolder(folder)
        onUnavailable: picker.open()
    }
    FolderPicker {
        id: picker
        objectName: "folderPicker"
        title: qsTrId("folder.picker.title")
        acceptLabel: qsTrId("folder.picker.choose")
        currentFolder: chooser.manager.downloadFolderURL
        onAccepted: chooser.manager.chooseFolder(selectedFolder)
    }
}
