import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// One entry of the download list and the controls its status allows.
Rectangle {
    id: row
    required property DownloadItem item
    required property DownloadManager manager
    property bool isHovered: hover.hovered

    readonly property int status: item.status
    readonly property bool isAudio: item.format === Download.Audio
    readonly property color accentColor: status === Download.Converting ? Qt.rgba(1.0, 0.6, 0.1, 1)
                                        : isAudio ? Qt.rgba(0.72, 0.38, 1.0, 1) : Qt.rgba(0.24, 0.51, 1.0, 1)
    readonly property var statusInfo: ({
        [Download.Waiting]: ["status.waiting", "clock", Qt.rgba(0.65, 0.65, 0.65, 1)],
        [Download.Fetching]: ["status.fetching", "network", Qt.rgba(0.4, 0.7, 1.0, 1)],
        [Download.Ready]: ["status.ready", "checkmark.circle", Qt.rgba(0.3, 0.85, 0.55, 1)],
        [Download.Downloading]: ["status.downloading", "arrow.down.circle", Qt.rgba(0.24, 0.51, 1.0, 1)],
        [Download.Converting]: ["status.converting", "arrow.triangle.2.circlepath", Qt.rgba(1.0, 0.6, 0.1, 1)],
        [Download.Done]: ["status.done", "checkmark.circle.fill", Qt.rgba(0.3, 0.85, 0.55, 1)],
        [Download.Cancelled]: ["status.cancelled", "xmark.circle", Qt.rgba(0.55, 0.55, 0.55, 1)],
        [Download.Error]: ["status.error", "exclamationmark.circle.fill", Qt.rgba(1.0, 0.38, 0.38, 1)]
    })[status]

    implicitHeight: content.implicitHeight + 22
    radius: 12
    color: isHovered ? Qt.rgba(0.2, 0.2, 0.2, 1) : Qt.rgba(0.16, 0.16, 0.16, 1)
    Behavior on color { ColorAnimation { duration: 120; easing.type: Easing.InOutQuad } }

    HoverHandler { id: hover }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 14

        Rectangle {
            objectName: "thumbnail"
            Layout.preferredWidth: 42
            Layout.preferredHeight: 42
            radius: 10
            color: Qt.rgba(row.accentColor.r, row.accentColor.g, row.accentColor.b, 0.13)
            Icon {
                anchors.centerIn: parent
                name: row.isAudio ? "music.note" : "play.rectangle.fill"
                size: 16
                color: row.accentColor
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 5
            Text {
                objectName: "title"
                Layout.fillWidth: true
                text: row.item.title.length > 0 ? row.item.title : row.item.url
                color: Qt.rgba(0.97, 0.97, 0.97, 1)
                font.pixelSize: 13
                font.weight: Font.Medium
                elide: Text.ElideRight
                maximumLineCount: 1
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                Row {
                    objectName: "statusLabel"
                    spacing: 4
                    Icon { name: row.statusInfo[1]; size: 10; color: row.statusInfo[2]; anchors.verticalCenter: parent.verticalCenter }
                    Text {
                        text: qsTrId(row.statusInfo[0])
                        color: row.statusInfo[2]
                        font.pixelSize: 11
                        font.weight: Font.DemiBold
                    }
                }
                Text {
                    objectName: "detailMessage"
                    visible: row.status === Download.Downloading || row.status === Download.Converting
                             || row.status === Download.Error
                    Layout.fillWidth: true
                    text: row.status === Download.Error ? row.item.errorMessage : row.item.statusMessage
                    color: row.status === Download.Error ? Qt.rgba(1.0, 0.4, 0.4, 1) : Qt.rgba(0.65, 0.65, 0.65, 1)
                    font.pixelSize: 11
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
                Text {
                    objectName: "fileSize"
                    visible: row.status === Download.Done && row.item.fileSize.length > 0
                    text: row.item.fileSize
                    color: Qt.rgba(0.6, 0.6, 0.6, 1)
                    font.pixelSize: 11
                    font.family: "monospace"
                }
                Row {
                    objectName: "codecBadge"
                    visible: row.status === Download.Done && row.item.codecInfo.length > 0
                    spacing: 3
                    readonly property color tint: row.item.needsConversion ? Qt.rgba(1.0, 0.65, 0.1, 1) : Qt.rgba(0.45, 0.45, 0.45, 1)
                    Icon {
                        objectName: "conversionWarning"
                        visible: row.item.needsConversion
                        name: "exclamationmark.triangle.fill"
                        size: 9
                        color: Qt.rgba(1.0, 0.65, 0.1, 1)
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        text: row.item.codecInfo
                        color: parent.tint
                        font.pixelSize: 10
                        font.weight: Font.Medium
                        font.family: "monospace"
                    }
                }
                Text {
                    objectName: "doneError"
                    visible: row.status === Download.Done && row.item.errorMessage.length > 0
                    Layout.fillWidth: true
                    text: row.item.errorMessage
                    color: Qt.rgba(1.0, 0.4, 0.4, 1)
                    font.pixelSize: 11
                    elide: Text.ElideRight
                }
                Item { Layout.fillWidth: true; visible: row.status !== Download.Downloading && row.status !== Download.Converting && row.status !== Download.Error }
            }
            ProgressLine {
                objectName: "progressBar"
                visible: row.status === Download.Downloading || row.status === Download.Converting
                Layout.fillWidth: true
                value: row.item.progress
                accent: row.accentColor
            }
        }

        ComboBox {
            id: formatMenu
            objectName: "formatMenu"
            visible: row.status === Download.Ready && row.item.formats.length > 0
            Layout.preferredWidth: 130
            font.pixelSize: 12
            textRole: "label"
            valueRole: "id"
            model: [{ label: qsTrId("quality.best"), id: "" }].concat(row.item.formats)
            currentIndex: {
                const formats = row.item.formats
                for (let i = 0; i < formats.length; ++i) {
                    if (formats[i].id === row.item.selectedFormatID)
                        return i + 1
                }
                return 0
            }
            onActivated: row.item.selectedFormatID = currentValue
            Accessible.name: qsTrId("quality.best")
            palette.button: Qt.rgba(0.22, 0.22, 0.24, 1)
            palette.buttonText: "white"
            palette.window: Qt.rgba(0.16, 0.16, 0.18, 1)
            palette.windowText: "white"
            palette.base: Qt.rgba(0.16, 0.16, 0.18, 1)
            palette.text: "white"
            palette.highlight: Qt.rgba(0.24, 0.51, 1.0, 1)
            palette.highlightedText: "white"
            delegate: ItemDelegate {
                required property var modelData
                required property int index
                width: formatMenu.width
                highlighted: formatMenu.highlightedIndex === index
                contentItem: Text {
                    text: modelData.label
                    color: "white"
                    font.pixelSize: 12
                    elide: Text.ElideRight
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    color: parent.highlighted ? Qt.rgba(0.24, 0.51, 1.0, 1) : Qt.rgba(0.16, 0.16, 0.18, 1)
                }
            }
            palette.light: Qt.rgba(0.3, 0.3, 0.32, 1)
            palette.midlight: Qt.rgba(0.26, 0.26, 0.28, 1)
            palette.mid: Qt.rgba(0.3, 0.3, 0.32, 1)
            palette.dark: Qt.rgba(0.5, 0.5, 0.52, 1)
        }

        Row {
            id: controls
            Layout.preferredHeight: 30
            height: 30

            Spinner {
                objectName: "spinner"
                visible: row.status === Download.Waiting || row.status === Download.Fetching
                anchors.verticalCenter: parent.verticalCenter
                scaleFactor: 0.55
            }
            PlainButton {
                objectName: "startButton"
                visible: row.status === Download.Ready
                anchors.verticalCenter: parent.verticalCenter
                width: 30; height: 30
                tip: qsTrId("action.start")
                background: Rectangle {
                    radius: 15
                    gradient: Gradient {
                        GradientStop { position: 0; color: Qt.rgba(0.24, 0.51, 1.0, 1) }
                        GradientStop { position: 1; color: Qt.rgba(0.16, 0.4, 0.88, 1) }
                    }
                }
                contentItem: Icon { name: "arrow.down"; size: 12; font.bold: true }
                onClicked: row.manager.start(row.item)
            }
            PlainButton {
                objectName: "stopButton"
                visible: row.status === Download.Downloading || row.status === Download.Converting
                readonly property bool converting: row.status === Download.Converting
                anchors.verticalCenter: parent.verticalCenter
                width: 30; height: 30
                tip: qsTrId("action.stop")
                background: Rectangle {
                    radius: 15
                    color: parent.converting ? Qt.rgba(1.0, 0.5, 0.1, 0.18) : Qt.rgba(1.0, 0.25, 0.25, 0.15)
                }
                contentItem: Icon {
                    name: "stop.fill"; size: 11; font.bold: true
                    color: parent.converting ? Qt.rgba(1.0, 0.55, 0.15, 1) : Qt.rgba(1.0, 0.35, 0.35, 1)
                }
                onClicked: row.item.cancelRun()
            }
            Row {
                objectName: "doneControls"
                visible: row.status === Download.Done
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4
                PlainButton {
                    id: convertButton
                    objectName: "convertButton"
                    visible: opacity > 0
                    opacity: row.item.needsConversion ? 1 : 0
                    scale: row.item.needsConversion ? 1 : 0.85
                    Behavior on opacity { SpringAnimation { spring: 3; damping: 0.35; epsilon: 0.01 } }
                    Behavior on scale { SpringAnimation { spring: 3; damping: 0.35; epsilon: 0.01 } }
                    anchors.verticalCenter: parent.verticalCenter
                    tip: qsTrId("action.convert_qt")
                    leftPadding: 10; rightPadding: 10; topPadding: 5; bottomPadding: 5
                    background: Rectangle {
                        radius: height / 2
                        gradient: Gradient {
                            GradientStop { position: 0; color: Qt.rgba(1.0, 0.75, 0.2, 1) }
                            GradientStop { position: 1; color: Qt.rgba(1.0, 0.55, 0.1, 1) }
                        }
                    }
                    contentItem: Row {
                        spacing: 5
                        Icon { name: "sparkles"; size: 10; font.bold: true; color: "black"; anchors.verticalCenter: parent.verticalCenter }
                        Text { text: "QuickTime"; font.pixelSize: 11; font.weight: Font.DemiBold; color: "black" }
                    }
                    onClicked: row.manager.convert(row.item)
                }
                IconButton {
                    objectName: "revealButton"
                    symbol: "folder"; color: Qt.rgba(0.5, 0.5, 0.5, 1)
                    tip: qsTrId("action.show_finder")
                    onClicked: if (row.item.filePath.length > 0) Desktop.reveal(row.item.filePath)
                }
                IconButton {
                    objectName: "removeButton"
                    symbol: "xmark"; color: Qt.rgba(0.55, 0.55, 0.55, 1)
                    tip: qsTrId("action.remove")
                    onClicked: row.manager.remove(row.item)
                }
            }
            Row {
                objectName: "failedControls"
                visible: row.status === Download.Cancelled || row.status === Download.Error
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4
                IconButton {
                    objectName: "retryButton"
                    symbol: "arrow.clockwise"; color: Qt.rgba(0.24, 0.51, 1.0, 1)
                    tip: qsTrId("action.retry")
                    onClicked: row.manager.retry(row.item)
                }
                IconButton {
                    objectName: "removeFailedButton"
                    symbol: "xmark"; color: Qt.rgba(0.55, 0.55, 0.55, 1)
                    tip: qsTrId("action.remove")
                    onClicked: row.manager.remove(row.item)
                }
            }
        }
    }
}
