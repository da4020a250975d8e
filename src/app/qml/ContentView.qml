import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Dialogs
import QtQuick.Layouts
import Reelix

// The main view: header, update banner, address input and the list.
Rectangle {
    id: view
    required property DependencyChecker checker
    property string updateSummary
    property alias manager: downloadManager
    property alias urlText: input.text
    property int formatMode: Download.Video
    readonly property bool urlFieldFocused: input.activeFocus
    readonly property bool hasText: urlText.trim().length > 0
    readonly property bool anyDone: downloadManager.hasCompleted
    signal showUpdates()

    color: Theme.background
    implicitWidth: 680
    implicitHeight: 520

    DownloadManager { id: downloadManager }
    function submitURLs() {
        const addresses = Desktop.addresses(urlText)
        for (const address of addresses)
            downloadManager.addDownload(address, formatMode)
        urlText = ""
    }

    function pasteFromClipboard() {
        if (Desktop.clipboardHasText())
            urlText = Desktop.clipboardText()
    }

    FolderDialog {
        id: folderDialog
        title: qsTrId("folder.picker.title")
        acceptLabel: qsTrId("folder.picker.choose")
        currentFolder: downloadManager.downloadFolderURL
        onAccepted: downloadManager.chooseFolder(selectedFolder)
    }

    Shortcut {
        sequences: ["Ctrl+Return", "Ctrl+Enter"]
        enabled: view.hasText && view.visible
        onActivated: view.submitURLs()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Header
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: header.implicitHeight + 32
            color: Theme.background
            Rectangle {
                anchors.left: parent.left; anchors.right: parent.right; anchors.bottom: parent.bottom
                height: 1; color: Theme.hairline
            }
            RowLayout {
                id: header
                anchors.fill: parent
                anchors.leftMargin: Theme.pageMargin; anchors.rightMargin: Theme.pageMargin; anchors.topMargin: 16; anchors.bottomMargin: 16
                spacing: 0
                Rectangle {
                    width: 30; height: 30; radius: 15
                    gradient: Gradient {
                        orientation: Gradient.Horizontal
                        GradientStop { position: 0; color: Theme.accent }
                        GradientStop { position: 1; color: Theme.violet }
                    }
                    Icon { anchors.centerIn: parent; name: "arrow.down"; size: 13; font.bold: true }
                }
                Text {
                    Layout.leftMargin: 9
                    text: "Reelix"
                    color: Theme.textBright
                    font.pixelSize: Theme.fontBrand; font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
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
                                required property var modelData
                                objectName: "format" + modelData.label
                                readonly property bool selected: view.formatMode === modelData.mode
                                leftPadding: 14; rightPadding: 14; topPadding: 6; bottomPadding: 6
                                text: modelData.label
                                checkable: true
                                checked: selected
                                background: Rectangle {
                                    radius: Theme.radiusSmall
                                    visible: parent.selected
                                    gradient: Gradient {
                                        GradientStop { position: 0; color: Theme.accent }
                                        GradientStop { position: 1; color: Theme.accentMid }
                                    }
                                }
                                contentItem: Row {
                                    spacing: 5
                                    Icon {
                                        name: modelData.icon; size: 11; font.weight: Font.Medium
                                        color: parent.parent.selected ? Theme.textBright : Theme.textTertiary
                                        anchors.verticalCenter: parent.verticalCenter
                                    }
                                    Text {
                                        text: modelData.label
                                        font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                                        color: parent.parent.selected ? Theme.textBright : Theme.textTertiary
                                    }
                                }
                                onClicked: view.formatMode = modelData.mode
                            }
                        }
                    }
                }
                PlainButton {
                    objectName: "folderButton"
                    Layout.leftMargin: 10
                    tip: downloadManager.downloadFolderURL.toString().replace(/^file:\/\//, "")
                    Accessible.name: tip
                    leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
                    background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
                    contentItem: Row {
                        spacing: 5
                        Icon { name: "folder"; size: 11; color: Theme.textSecondary; anchors.verticalCenter: parent.verticalCenter }
                        Text {
                            objectName: "folderName"
                            width: Math.min(implicitWidth, 120)
                            text: Desktop.fileName(downloadManager.downloadFolderURL.toString().replace(/^file:\/\//, ""))
                            elide: Text.ElideMiddle
                            color: Theme.textSecondary
                            font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                        }
                    }
                    onClicked: folderDialog.open()
                }
                PlainButton {
                    objectName: "clearButton"
                    Layout.leftMargin: 10
                    visible: opacity > 0
                    opacity: view.anyDone ? 1 : 0
                    scale: view.anyDone ? 1 : 0.9
                    Behavior on opacity { NumberAnimation { duration: 200 } }
                    Behavior on scale { NumberAnimation { duration: 200 } }
                    text: qsTrId("header.clear")
                    leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
                    background: Rectangle { radius: Theme.radiusSmall; color: Theme.control }
                    contentItem: Text {
                        text: parent.text
                        color: Theme.textEmphasis
                        font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                    }
                    onClicked: downloadManager.clearCompleted()
                }
            }
        }

        // The banner slides in from the top edge and fades.
        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: view.checker.hasUpdates ? banner.implicitHeight : 0
            Behavior on Layout.preferredHeight { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
            clip: true
            UpdateBanner {
                id: banner
                objectName: "updateBanner"
                width: parent.width
                y: view.checker.hasUpdates ? 0 : -height
                visible: opacity > 0
                opacity: view.checker.hasUpdates ? 1 : 0
                Behavior on y { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
                Behavior on opacity { NumberAnimation { duration: 250 } }
                summary: view.updateSummary
                onShowUpdates: view.showUpdates()
            }
        }

        // Input row
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.pageMargin; Layout.rightMargin: Theme.pageMargin; Layout.topMargin: 20; Layout.bottomMargin: 16
            spacing: 12
            Rectangle {
                objectName: "addressInput"
                Layout.fillWidth: true
                Layout.preferredHeight: 72
                radius: Theme.radius
                color: Theme.field
                border.width: 0
                Rectangle {
                    objectName: "focusRing"
                    anchors.fill: parent
                    radius: Theme.radius
                    color: "transparent"
                    border.width: 1.5
                    border.color: Theme.outline
                    visible: !view.urlFieldFocused
                }
                Rectangle {
                    // The gradient ring while the input has focus.
                    anchors.fill: parent
                    radius: Theme.radius
                    visible: view.urlFieldFocused
                    gradient: Gradient {
                        orientation: Gradient.Horizontal
                        GradientStop { position: 0; color: Theme.accent }
                        GradientStop { position: 1; color: Theme.violet }
                    }
                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: 1.5
                        radius: 9
                        color: Theme.field
                    }
                }
                Text {
                    objectName: "placeholder"
                    visible: view.urlText.length === 0
                    anchors.left: parent.left; anchors.top: parent.top; anchors.right: parent.right
                    anchors.leftMargin: 14; anchors.rightMargin: 14; anchors.topMargin: 12
                    text: qsTrId("input.placeholder")
                    color: Theme.textMuted
                    font.pixelSize: Theme.fontLarge; font.family: Theme.monoFamily
                    elide: Text.ElideRight
                }
                ScrollView {
                    anchors.fill: parent
                    anchors.leftMargin: 4; anchors.rightMargin: 4; anchors.topMargin: 2; anchors.bottomMargin: 2
                    TextArea {
                        id: input
                        objectName: "addressEditor"
                        Accessible.name: qsTrId("input.placeholder")
                        leftPadding: 10; rightPadding: 10; topPadding: 8; bottomPadding: 8
                        color: Theme.textPrimary
                        selectionColor: Theme.accentSelection
                        font.pixelSize: Theme.fontLarge; font.family: Theme.monoFamily
                        wrapMode: TextEdit.NoWrap
                        background: null
                    }
                }
            }
            ColumnLayout {
                spacing: 8
                PlainButton {
                    objectName: "addButton"
                    enabled: view.hasText
                    text: qsTrId("input.add")
                    implicitWidth: 72; implicitHeight: 46
                    background: Rectangle {
                        radius: Theme.radius
                        gradient: Gradient {
                            GradientStop { position: 0; color: view.hasText ? Theme.accent : Theme.surfaceHover }
                            GradientStop { position: 1; color: view.hasText ? Theme.accentDeep : Theme.track }
                        }
                    }
                    contentItem: Column {
                        spacing: 4
                        topPadding: 6
                        Icon { name: "plus"; size: 14; font.weight: Font.DemiBold; anchors.horizontalCenter: parent.horizontalCenter }
                        Text { text: qsTrId("input.add"); color: Theme.textBright; font.pixelSize: Theme.fontSmall; font.weight: Font.Medium; anchors.horizontalCenter: parent.horizontalCenter }
                    }
                    onClicked: view.submitURLs()
                }
                PlainButton {
                    objectName: "pasteButton"
                    text: qsTrId("input.paste")
                    implicitWidth: 72; implicitHeight: 46
                    background: Rectangle { radius: Theme.radius; color: Theme.surface }
                    contentItem: Column {
                        spacing: 4
                        topPadding: 6
                        Icon { name: "doc.on.clipboard"; size: 13; color: Theme.textSecondary; anchors.horizontalCenter: parent.horizontalCenter }
                        Text { text: qsTrId("input.paste"); color: Theme.textSecondary; font.pixelSize: Theme.fontSmall; font.weight: Font.Medium; anchors.horizontalCenter: parent.horizontalCenter }
                    }
                    onClicked: view.pasteFromClipboard()
                }
            }
        }

        // The list, or the empty state
        ListView {
            id: list
            objectName: "downloadList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: downloadManager.count > 0
            clip: true
            spacing: 2
            leftMargin: 16; rightMargin: 16; topMargin: 10; bottomMargin: 10
            model: downloadManager
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            delegate: DownloadRow {
                required property var model
                width: ListView.view.width - 32
                item: model.item
                manager: downloadManager
            }
            add: Transition {
                ParallelAnimation {
                    NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 300 }
                    NumberAnimation { property: "y"; from: -20; duration: 350; easing.type: Easing.OutBack }
                }
            }
            remove: Transition { NumberAnimation { property: "opacity"; to: 0; duration: 200 } }
            displaced: Transition { NumberAnimation { properties: "y"; duration: 350; easing.type: Easing.OutQuad } }
        }
        Item {
            objectName: "emptyState"
            visible: downloadManager.count === 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Column {
                anchors.centerIn: parent
                width: parent.width - 80
                spacing: 14
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 72
                    height: 72
                    radius: 36
                    color: Theme.well
                    Icon {
                        anchors.centerIn: parent
                        name: "arrow.down.to.line"
                        size: 28
                        font.weight: Font.Light
                        color: Theme.textMuted
                    }
                }
                Column {
                    width: parent.width
                    spacing: 6
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTrId("empty.title")
                        color: Theme.textEmphasis
                        font.pixelSize: Theme.fontHeading
                        font.weight: Font.DemiBold
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTrId("empty.subtitle")
                        color: Theme.textMuted
                        font.pixelSize: Theme.fontNormal
                    }
                }
            }
        }
    }
}
