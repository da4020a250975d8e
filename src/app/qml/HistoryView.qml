pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Finished downloads, newest first: search by title, open, show in the
// folder, download again, remove one, clear all.
Rectangle {
    id: view
    required property HistoryModel history
    required property DownloadManager manager
    color: Theme.background

    // The files may have gone since the history was last shown.
    Component.onCompleted: view.history.refreshFiles()

    HistoryFilter {
        id: shown
        sourceModel: view.history
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 4
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.pageMargin; Layout.rightMargin: Theme.pageMargin
            spacing: 10
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: Theme.controlHeight
                radius: Theme.radiusSmall
                color: Theme.field
                border.color: search.activeFocus ? Theme.focusRing : Theme.outline
                border.width: search.activeFocus ? Theme.focusRingWidth : 1
                // Anchored, not placed, so the field mirrors in Arabic.
                Icon {
                    id: glass
                    objectName: "historySearchIcon"
                    anchors.left: parent.left; anchors.leftMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    name: "magnifyingglass"; size: 12; color: Theme.textMuted
                }
                TextInput {
                    id: search
                    objectName: "historySearch"
                    anchors.left: glass.right; anchors.leftMargin: 8
                    anchors.right: parent.right; anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    // Starts at the leading edge whatever the script typed.
                    horizontalAlignment: TextInput.AlignLeft
                    color: Theme.textPrimary
                    selectionColor: Theme.accentSelection
                    font.pixelSize: Theme.fontNormal
                    clip: true
                    onTextChanged: shown.search = text
                    activeFocusOnTab: true
                    Accessible.role: Accessible.EditableText
                    //% "Search by title"
                    Accessible.name: qsTrId("history.search")
                    Text {
                        objectName: "historySearchHint"
                        textFormat: Text.PlainText
                        width: search.width
                        horizontalAlignment: Text.AlignLeft
                        elide: Text.ElideRight
                        visible: search.text.length === 0
                        text: qsTrId("history.search")
                        color: Theme.textHint
                        font.pixelSize: Theme.fontNormal
                    }
                }
            }
            PlainButton {
                id: clearAll
                objectName: "clearHistoryButton"
                visible: view.history.count > 0
                //% "Clear all"
                text: qsTrId("history.clear_all")
                leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
                background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: clearAll.text
                    color: Theme.dangerText
                    font.pixelSize: Theme.fontNormal
                    font.weight: Font.Medium
                }
                onClicked: view.history.clearAll()
            }
        }

        ListView {
            id: list
            objectName: "historyList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: shown.count > 0
            clip: true
            spacing: 2
            leftMargin: 16; rightMargin: 16; bottomMargin: 10
            model: shown
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            delegate: Rectangle {
                id: entry
                required property int index
                required property string title
                required property string site
                required property string size
                required property string date
                required property string filePath
                required property bool fileExists
                required property string url
                required property int format
                objectName: "historyRow"
                width: ListView.view.width - 32
                implicitHeight: 58
                radius: Theme.radius
                color: hover.hovered ? Theme.surface : Theme.card
                HoverHandler { id: hover }
                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 14; anchors.rightMargin: 10
                    spacing: 12
                    Icon {
                        name: entry.format === Download.Audio ? "music.note" : "film"
                        size: 16; color: Theme.textTertiary
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 3
                        Text {
                            textFormat: Text.PlainText
                            Layout.fillWidth: true
                            text: entry.title
                            elide: Text.ElideRight
                            // From the leading edge, whatever script the title is in.
                            horizontalAlignment: Text.AlignLeft
                            color: Theme.textPrimary
                            font.pixelSize: Theme.fontLarge; font.weight: Font.Medium
                        }
                        Text {
                            textFormat: Text.PlainText
                            Layout.fillWidth: true
                            elide: Text.ElideRight
                            horizontalAlignment: Text.AlignLeft
                            text: Theme.line([entry.site, entry.size, entry.date,
                                              //% "File missing"
                                              entry.fileExists ? "" : qsTrId("error.file_missing")],
                                             "  ·  ")
                            color: entry.fileExists ? Theme.textFaint : Theme.dangerText
                            font.pixelSize: Theme.fontSmall
                        }
                    }
                    IconButton {
                        objectName: "historyOpen"
                        symbol: "arrow.up.forward.square"
                        enabled: entry.fileExists
                        tip: qsTrId("history.open")
                        onClicked: Desktop.open(entry.filePath)
                    }
                    IconButton {
                        objectName: "historyReveal"
                        symbol: "folder"
                        enabled: entry.fileExists
                        tip: qsTrId("action.show_finder")
                        onClicked: Desktop.reveal(entry.filePath)
                    }
                    IconButton {
                        objectName: "historyAgain"
                        symbol: "arrow.down.to.line"
                        //% "Download again"
                        tip: qsTrId("history.download_again")
                        onClicked: view.manager.addDownload(entry.url, entry.format)
                    }
                    IconButton {
                        objectName: "historyRemove"
                        symbol: "trash"
                        color: Theme.danger
                        tip: qsTrId("action.remove")
                        onClicked: shown.remove(entry.index)
                    }
                }
            }
        }
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: shown.count === 0
            Column {
                anchors.centerIn: parent
                spacing: 10
                Icon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "clock.arrow.circlepath"; size: 36; color: Theme.iconEmptyLog
                }
                Text {
                    objectName: "historyEmpty"
                    textFormat: Text.PlainText
                    anchors.horizontalCenter: parent.horizontalCenter
                    //% "No finished downloads yet"
                    text: view.history.count === 0 ? qsTrId("history.empty")
                                                    //% "No download matches this search"
                                                    : qsTrId("history.no_match")
                    color: Theme.textMuted
                    font.pixelSize: Theme.fontLarge
                }
            }
        }
    }
}
