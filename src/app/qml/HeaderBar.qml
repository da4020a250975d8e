pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Reelix

// The bar above everything: the brand, the format picker, the download
// folder and the button that clears finished downloads.
Rectangle {
    id: bar
    required property DownloadManager manager
    // Shown, not owned: a pick goes back through formatPicked so the view
    // that owns the mode keeps its binding.
    required property int formatMode
    signal formatPicked(int mode)
    signal chooseFolder()
    property bool hasHistory: false
    property bool showingHistory: false
    signal historyToggled()
    property bool showingFollows: false
    signal followsToggled()

    readonly property bool anyDone: manager.hasCompleted
    readonly property string folderPath: String(manager.downloadFolderURL).replace(/^file:\/\//, "")

    implicitHeight: header.implicitHeight + 32
    color: Theme.background
    Rectangle {
        anchors.left: parent.left; anchors.right: parent.right; anchors.bottom: parent.bottom
        height: 1; color: Theme.hairline
    }
    RowLayout {
        id: header
        anchors.fill: parent
        anchors.leftMargin: Theme.pageMargin
        anchors.rightMargin: Theme.pageMargin
        anchors.topMargin: 16
        anchors.bottomMargin: 16
        spacing: 0
        DiagonalGradient {
            objectName: "logo"
            width: Theme.controlHeight; height: Theme.controlHeight; radius: Theme.controlHeight / 2
            Icon { anchors.centerIn: parent; name: "arrow.down"; size: 13; font.bold: true }
        }
        Text {
            textFormat: Text.PlainText
            Layout.leftMargin: 9
            text: "Reelix"
            color: Theme.textBright
            font.pixelSize: Theme.fontBrand; font.weight: Font.DemiBold
        }
        Item { Layout.fillWidth: true }
        PlainButton {
            id: followsButton
            objectName: "followsButton"
            Layout.rightMargin: 10
            checkable: true
            checked: bar.showingFollows
            //: The name of the view that lists the followed channels, playlists and feeds
            //% "Following"
            text: qsTrId("follow.view_title")
            leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
            background: Rectangle {
                radius: Theme.radiusSmall
                color: followsButton.checked ? Theme.accentMid : Theme.control
            }
            contentItem: Row {
                spacing: 5
                Icon {
                    name: "list.and.film"
                    size: 11
                    color: Theme.textEmphasis
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    textFormat: Text.PlainText
                    text: followsButton.text
                    color: Theme.textEmphasis
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
            }
            onClicked: bar.followsToggled()
        }
        PlainButton {
            id: historyButton
            objectName: "historyButton"
            visible: bar.hasHistory
            Layout.rightMargin: 10
            checkable: true
            checked: bar.showingHistory
            //% "History"
            text: qsTrId("history.title")
            leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
            background: Rectangle {
                radius: Theme.radiusSmall
                color: historyButton.checked ? Theme.accentMid : Theme.control
            }
            contentItem: Row {
                spacing: 5
                Icon {
                    name: "clock.arrow.circlepath"
                    size: 11
                    color: Theme.textEmphasis
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    textFormat: Text.PlainText
                    text: historyButton.text
                    color: Theme.textEmphasis
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
            }
            onClicked: bar.historyToggled()
        }
        PlainButton {
            id: clearButton
            objectName: "clearButton"
            Layout.rightMargin: 10
            visible: opacity > 0
            opacity: bar.anyDone ? 1 : 0
            scale: bar.anyDone ? 1 : 0.9
            Behavior on opacity { NumberAnimation { duration: Theme.durationFade } }
            Behavior on scale { NumberAnimation { duration: Theme.durationFade } }
            //% "Clear finished"
            text: qsTrId("header.clear")
            leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
            background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
            contentItem: Text {
                textFormat: Text.PlainText
                text: clearButton.text
                color: Theme.textEmphasis
                font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
            }
            onClicked: bar.manager.clearCompleted()
        }
        Rectangle {
            objectName: "formatPicker"
            radius: Theme.radius
            color: Theme.control
            implicitWidth: picker.implicitWidth + 6
            implicitHeight: picker.implicitHeight + 6
            Row {
                id: picker
                anchors.centerIn: parent
                spacing: 2
                Repeater {
                    model: [{ mode: Download.Video, label: "MP4", icon: "film" },
                            { mode: Download.Audio, label: "MP3", icon: "music.note" }]
                    delegate: PlainButton {
                        id: formatButton
                        required property var modelData
                        objectName: "format" + modelData.label
                        readonly property bool selected:
                            bar.formatMode === formatButton.modelData.mode
                        readonly property color tint:
                            selected ? Theme.textOnAccent : Theme.textTertiary
                        leftPadding: 14; rightPadding: 14; topPadding: 6; bottomPadding: 6
                        text: modelData.label
                        checkable: true
                        checked: selected
                        background: Rectangle {
                            radius: Theme.radiusSmall
                            visible: formatButton.selected
                            gradient: Gradient {
                                GradientStop { position: 0; color: Theme.accent }
                                GradientStop { position: 1; color: Theme.accentMid }
                            }
                        }
                        contentItem: Row {
                            spacing: 5
                            Icon {
                                name: formatButton.modelData.icon
                                size: 11
                                font.weight: Font.Medium
                                color: formatButton.tint
                                anchors.verticalCenter: parent.verticalCenter
                            }
                            Text {
                                textFormat: Text.PlainText
                                text: formatButton.modelData.label
                                font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                                color: formatButton.tint
                            }
                        }
                        onClicked: bar.formatPicked(formatButton.modelData.mode)
                    }
                }
            }
        }
        PlainButton {
            objectName: "folderButton"
            Layout.leftMargin: 10
            tip: bar.folderPath
            Accessible.name: tip
            leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
            background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
            contentItem: Row {
                spacing: 5
                Icon {
                    name: "folder"
                    size: 11
                    color: Theme.textSecondary
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    objectName: "folderName"
                    textFormat: Text.PlainText
                    width: Math.min(implicitWidth, 120)
                    text: Desktop.fileName(bar.folderPath)
                    elide: Text.ElideMiddle
                    color: Theme.textSecondary
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
            }
            onClicked: bar.chooseFolder()
        }
    }
}
