pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Qt.labs.folderlistmodel
import Reelix

// The download folder chooser, drawn like the rest of the app: the folder
// shown is the one chosen; a click enters a subfolder, the arrow goes up,
// and "New folder" makes one inside the folder shown.
Popup {
    id: picker
    property string title
    property string acceptLabel
    // Where it opens, and after acceptance the folder chosen.
    property url currentFolder
    property url selectedFolder
    property url folder
    property bool naming: false
    property string error
    signal accepted()

    modal: true
    focus: true
    anchors.centerIn: parent
    width: Math.min(520, (parent ? parent.width : 520) - 40)
    height: Math.min(460, (parent ? parent.height : 460) - 40)
    padding: 18
    closePolicy: Popup.CloseOnEscape
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.background
        border.color: Theme.outline
        border.width: 1
    }

    onAboutToShow: {
        folder = FolderMaker.existingFolder(currentFolder)
        naming = false
        error = ""
    }

    function browse(url) {
        folder = url
        error = ""
    }
    function startNaming() {
        naming = true
        error = ""
        nameField.text = ""
        nameField.forceActiveFocus()
    }
    function createFolder() {
        const problem = FolderMaker.create(folder, nameField.text)
        if (problem.length > 0) {
            error = problem
            return
        }
        const made = FolderMaker.childOf(folder, nameField.text.trim())
        naming = false
        browse(made)
    }
    function accept() {
        selectedFolder = folder
        close()
        accepted()
    }

    FolderListModel {
        id: folders
        folder: picker.folder
        showFiles: false
        showDotAndDotDot: false
        showHidden: false
        sortCaseSensitive: false
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12
        Text {
            objectName: "pickerTitle"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: picker.title
            color: Theme.textHeading
            font.pixelSize: Theme.fontHeading; font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            IconButton {
                objectName: "upButton"
                symbol: "arrow.up"
                //% "Up one folder"
                tip: qsTrId("folder.up")
                enabled: !FolderMaker.isRoot(picker.folder)
                onClicked: picker.browse(FolderMaker.parentOf(picker.folder))
            }
            Text {
                objectName: "pickerPath"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                // Beside the arrow, and one left-to-right piece in any language.
                text: Theme.leftToRight(FolderMaker.displayPath(picker.folder))
                horizontalAlignment: Text.AlignLeft
                color: Theme.textSecondary
                font.pixelSize: Theme.fontNormal; font.family: Theme.monoFamily
                elide: Text.ElideMiddle
            }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: Theme.radius
            color: Theme.card
            border.color: Theme.track
            border.width: 1
            ListView {
                id: list
                objectName: "folderList"
                anchors.fill: parent
                anchors.margins: 4
                clip: true
                model: folders
                ScrollBar.vertical: ScrollBar {}
                delegate: PlainButton {
                    id: entry
                    required property string fileName
                    required property url fileUrl
                    width: ListView.view.width
                    implicitHeight: Theme.controlHeight
                    text: fileName
                    onClicked: picker.browse(entry.fileUrl)
                    background: Rectangle {
                        radius: Theme.radiusSmall
                        color: entry.hovered ? Theme.surfaceHover : "transparent"
                    }
                    contentItem: RowLayout {
                        spacing: 8
                        Icon { Layout.leftMargin: 8; name: "folder"; size: 13; color: Theme.info }
                        Text {
                            objectName: "folderName"
                            textFormat: Text.PlainText
                            Layout.fillWidth: true
                            text: entry.fileName
                            // Beside its icon, whatever the name's own script.
                            horizontalAlignment: Text.AlignLeft
                            color: Theme.textPrimary
                            font.pixelSize: Theme.fontNormal
                            elide: Text.ElideRight
                        }
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                anchors.centerIn: parent
                visible: folders.status === FolderListModel.Ready && folders.count === 0
                //% "No folders here"
                text: qsTrId("folder.empty")
                color: Theme.textMuted
                font.pixelSize: Theme.fontNormal
            }
        }
        // A name for the new folder, and why it cannot be made.
        RowLayout {
            objectName: "newFolderRow"
            visible: picker.naming
            Layout.fillWidth: true
            spacing: 8
            TextField {
                id: nameField
                objectName: "newFolderName"
                Layout.fillWidth: true
                //% "Name of the new folder"
                placeholderText: qsTrId("folder.new.placeholder")
                placeholderTextColor: Theme.textHint
                color: Theme.textPrimary
                selectionColor: Theme.accentSelection
                font.pixelSize: Theme.fontNormal
                background: Rectangle {
                    radius: Theme.radiusSmall
                    color: Theme.field
                    border.color: nameField.activeFocus ? Theme.focusRing : Theme.outline
                    border.width: 1
                }
                onAccepted: picker.createFolder()
                onTextEdited: picker.error = ""
                Keys.onEscapePressed: picker.naming = false
            }
            SmallButton {
                objectName: "createFolderButton"
                //% "Create"
                text: qsTrId("folder.new.create")
                primary: true
                onClicked: picker.createFolder()
            }
        }
        Text {
            objectName: "newFolderError"
            textFormat: Text.PlainText
            visible: picker.error.length > 0
            Layout.fillWidth: true
            text: picker.error
            color: Theme.dangerText
            font.pixelSize: Theme.fontSmall
            wrapMode: Text.WordWrap
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            SmallButton {
                objectName: "newFolderButton"
                symbol: "folder.badge.plus"
                //% "New folder"
                text: qsTrId("folder.new")
                visible: !picker.naming
                onClicked: picker.startNaming()
            }
            Item { Layout.fillWidth: true }
            SmallButton {
                objectName: "cancelFolderButton"
                //% "Cancel"
                text: qsTrId("folder.cancel")
                onClicked: picker.close()
            }
            SmallButton {
                objectName: "chooseFolderButton"
                text: picker.acceptLabel
                primary: true
                onClicked: picker.accept()
            }
        }
    }

    // The dialog's buttons: blue for the main one, outlined grey otherwise.
    component SmallButton: PlainButton {
        id: small
        property bool primary: false
        property string symbol
        topPadding: 8; bottomPadding: 8; leftPadding: 14; rightPadding: 14
        focusRadius: Theme.radiusMedium
        background: Rectangle {
            radius: Theme.radiusMedium
            color: small.primary ? (small.hovered ? Theme.accentMid : Theme.accent)
                                 : (small.hovered ? Theme.surfaceHover : Theme.surface)
            border.color: small.primary ? "transparent" : Theme.outline
            border.width: 1
        }
        contentItem: RowLayout {
            spacing: 6
            Icon {
                visible: small.symbol.length > 0
                name: small.symbol
                size: 12
                color: Theme.textSecondary
            }
            Text {
                textFormat: Text.PlainText
                text: small.text
                color: small.primary ? Theme.textOnAccent : Theme.textSecondary
                font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
            }
        }
    }
}
