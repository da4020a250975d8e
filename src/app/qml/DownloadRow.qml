import QtQuick
import QtQuick.Layouts
import Reelix

// One entry of the download list and the controls its status allows.
Rectangle {
    id: row
    objectName: "downloadRow"
    required property DownloadItem item
    required property DownloadManager manager
    property bool isHovered: hover.hovered
    // Its address was just given again: the row is outlined for a moment.
    property bool repeated: false
    // The row's Update asks the window for the updates view.
    signal showUpdates()

    readonly property int status: item.status
    // An entry of a list: its number in the list and its length come first.
    readonly property bool isEntry: item.isGroupEntry
    readonly property bool isAudio: item.format === Download.Audio
    readonly property color accentColor: status === Download.Converting ? Theme.orange
                                        : isAudio ? Theme.purple : Theme.accent

    implicitHeight: content.implicitHeight + 22
    radius: Theme.radiusLarge
    color: isHovered || repeated ? Theme.surfaceHover : Theme.surface
    border.width: repeated ? 2 : 0
    border.color: Theme.accent
    Behavior on color {
        ColorAnimation { duration: Theme.durationToggle; easing.type: Easing.InOutQuad }
    }

    HoverHandler { id: hover }
    // A finished download opens on a double click, as a file does.
    TapHandler {
        onDoubleTapped: {
            if (row.status === Download.Done && row.item.filePath.length > 0)
                Desktop.open(row.item.filePath)
        }
    }
    // The buttons that replace Stop take no click for a moment, so that a
    // double click on Stop never removes or restarts the download.
    onStatusChanged: justChanged.restart()
    Timer { id: justChanged; interval: 800 }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 14

        Text {
            objectName: "entryNumber"
            textFormat: Text.PlainText
            visible: row.isEntry
            text: row.isEntry
                  ? String(row.item.playlistIndex).padStart(row.item.group.indexWidth, "0")
                  : ""
            color: Theme.textFaint
            font.pixelSize: Theme.fontSmall
            font.family: Theme.monoFamily
        }
        Rectangle {
            objectName: "thumbnail"
            Layout.preferredWidth: 42
            Layout.preferredHeight: 42
            radius: Theme.radius
            color: Theme.tint(row.accentColor)
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
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: row.item.title.length > 0 ? row.item.title : row.item.url
                // At the window's leading edge, whatever the title's own script.
                horizontalAlignment: Text.AlignLeft
                color: Theme.textPrimary
                font.pixelSize: Theme.fontLarge
                font.weight: Font.Medium
                elide: Text.ElideRight
                maximumLineCount: 1
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                Row {
                    id: statusLabel
                    objectName: "statusLabel"
                    property color tint: Theme.textDim
                    spacing: 4
                    Icon {
                        id: statusIcon
                        size: 10
                        color: statusLabel.tint
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        id: statusText
                        textFormat: Text.PlainText
                        color: statusLabel.tint
                        font.pixelSize: Theme.fontSmall
                        font.weight: Font.DemiBold
                    }
                    // Text, icon and tint for each status.
                    states: [
                        State {
                            name: "waiting"; when: row.status === Download.Waiting
                            PropertyChanges { target: statusText; text: qsTrId("status.waiting") }
                            PropertyChanges { target: statusIcon; name: "clock" }
                            PropertyChanges { target: statusLabel; tint: Theme.textDim }
                        },
                        State {
                            name: "fetching"; when: row.status === Download.Fetching
                            PropertyChanges {
                                target: statusText
                                //% "Fetching info…"
                                text: qsTrId("status.fetching")
                            }
                            PropertyChanges { target: statusIcon; name: "network" }
                            PropertyChanges { target: statusLabel; tint: Theme.info }
                        },
                        State {
                            name: "ready"; when: row.status === Download.Ready
                            PropertyChanges { target: statusText; text: qsTrId("status.ready") }
                            PropertyChanges { target: statusIcon; name: "checkmark.circle" }
                            PropertyChanges { target: statusLabel; tint: Theme.success }
                        },
                        State {
                            name: "downloading"; when: row.status === Download.Downloading
                            PropertyChanges {
                                target: statusText
                                //% "Downloading"
                                text: qsTrId("status.downloading")
                            }
                            PropertyChanges { target: statusIcon; name: "arrow.down.circle" }
                            PropertyChanges { target: statusLabel; tint: Theme.accentText }
                        },
                        State {
                            name: "converting"; when: row.status === Download.Converting
                            PropertyChanges {
                                target: statusText
                                //% "Converting"
                                text: qsTrId("status.converting")
                            }
                            PropertyChanges {
                                target: statusIcon
                                name: "arrow.triangle.2.circlepath"
                            }
                            PropertyChanges { target: statusLabel; tint: Theme.orange }
                        },
                        State {
                            name: "done"; when: row.status === Download.Done
                            PropertyChanges {
                                target: statusText
                                //% "Done"
                                text: qsTrId("status.done")
                            }
                            PropertyChanges { target: statusIcon; name: "checkmark.circle.fill" }
                            PropertyChanges { target: statusLabel; tint: Theme.success }
                        },
                        State {
                            name: "cancelled"; when: row.status === Download.Cancelled
                            PropertyChanges {
                                target: statusText
                                //% "Cancelled"
                                text: qsTrId("status.cancelled")
                            }
                            PropertyChanges { target: statusIcon; name: "xmark.circle" }
                            PropertyChanges { target: statusLabel; tint: Theme.textMuted }
                        },
                        State {
                            name: "error"; when: row.status === Download.Error
                            PropertyChanges {
                                target: statusText
                                //% "Error"
                                text: qsTrId("status.error")
                            }
                            PropertyChanges {
                                target: statusIcon
                                name: "exclamationmark.circle.fill"
                            }
                            PropertyChanges { target: statusLabel; tint: Theme.danger }
                        }
                    ]
                }
                ReadyInfo {
                    download: row.item
                    showDuration: !row.isEntry // the entry's length shows beside it
                }
                Text {
                    id: detailMessage
                    objectName: "detailMessage"
                    textFormat: Text.PlainText
                    // A finished download can carry a note (another height than chosen).
                    visible: row.status === Download.Downloading
                             || row.status === Download.Converting
                             || row.status === Download.Error
                             || (row.status === Download.Done && row.item.statusMessage.length > 0)
                    Layout.fillWidth: true
                    text: row.status === Download.Error ? row.item.errorMessage
                                                         : row.item.statusMessage
                    color: row.status === Download.Error ? Theme.dangerText : Theme.textDim
                    font.pixelSize: Theme.fontSmall
                    elide: Text.ElideRight
                    // A failure's sentence says what to do, and a finished
                    // download's note what changed: they read in full.
                    readonly property bool saysWhatToDo: row.status === Download.Error
                                                         || row.status === Download.Done
                    wrapMode: saysWhatToDo ? Text.WordWrap : Text.NoWrap
                    maximumLineCount: saysWhatToDo ? 3 : 1
                    // The whole error, however long, on hover.
                    HoverHandler { id: errorHover }
                    // Made on first hover: a tooltip in every row costs the list its speed.
                    Loader {
                        active: errorHover.hovered && row.status === Download.Error
                        sourceComponent: Tip { objectName: "errorTip"; visible: true }
                        // The tooltip belongs to the message, not to its loader.
                        onLoaded: {
                            item.parent = parent;
                            (item as Tip).text = Qt.binding(() => row.item.errorMessage)
                        }
                    }
                }
                Text {
                    objectName: "entryDuration"
                    textFormat: Text.PlainText
                    visible: row.isEntry && row.item.duration > 0 && row.status !== Download.Error
                             && row.status !== Download.Downloading
                             && row.status !== Download.Converting
                    text: {
                        // In the locale's digits, as the sizes beside it are.
                        const n = v => Number(v).toLocaleString(Qt.locale(), "f", 0)
                        const two = v => (v < 10 ? n(0) : "") + n(v)
                        const d = row.item.duration
                        const m = Math.floor(d / 60)
                        const h = Math.floor(d / 3600)
                        return h > 0 ? n(h) + ":" + two(m % 60) + ":" + two(d % 60)
                                     : n(m) + ":" + two(d % 60)
                    }
                    color: Theme.textFaint
                    font.pixelSize: Theme.fontSmall
                    font.family: Theme.monoFamily
                }
                Text {
                    objectName: "fileSize"
                    textFormat: Text.PlainText
                    visible: row.status === Download.Done && row.item.fileSize.length > 0
                    text: row.item.fileSize
                    color: Theme.textFaint
                    font.pixelSize: Theme.fontSmall
                    font.family: Theme.monoFamily
                }
                Row {
                    objectName: "codecBadge"
                    visible: row.status === Download.Done && row.item.codecInfo.length > 0
                    spacing: 3
                    readonly property color tint: row.item.conversionAdvised ? Theme.amber
                                                                              : Theme.textHint
                    Icon {
                        objectName: "conversionWarning"
                        visible: row.item.conversionAdvised
                        name: "exclamationmark.triangle.fill"
                        size: 9
                        color: Theme.amber
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        text: row.item.codecInfo
                        color: parent.tint
                        font.pixelSize: Theme.fontTiny
                        font.weight: Font.Medium
                        font.family: Theme.monoFamily
                    }
                }
                Text {
                    // The file is kept; the site would not give these.
                    objectName: "subtitlesMissing"
                    textFormat: Text.PlainText
                    visible: row.status === Download.Done && row.item.missingSubtitles.length > 0
                    Layout.fillWidth: true
                    //% "Subtitles not downloaded: %1"
                    text: qsTrId("status.subtitles_missing")
                              .arg(Array.from(row.item.missingSubtitles).join(", "))
                    color: Theme.amber
                    font.pixelSize: Theme.fontSmall
                    elide: Text.ElideRight
                    wrapMode: Text.WordWrap
                    maximumLineCount: 3
                }
                Text {
                    objectName: "doneError"
                    textFormat: Text.PlainText
                    visible: row.status === Download.Done && row.item.errorMessage.length > 0
                    Layout.fillWidth: true
                    text: row.item.errorMessage
                    color: Theme.dangerText
                    font.pixelSize: Theme.fontSmall
                    elide: Text.ElideRight
                    wrapMode: Text.WordWrap
                    maximumLineCount: 3
                }
                Item {
                    Layout.fillWidth: true
                    visible: row.status !== Download.Downloading
                             && row.status !== Download.Converting
                             && row.status !== Download.Error
                }
            }
            // Made while the file's choices can still change; a list's entries
            // take the choices made on the list's row. The bar is made with its
            // item, which it requires; this Qt's linter does not see the row's id
            // from the component.
            // qmllint disable unqualified
            Loader {
                active: row.status === Download.Ready && !row.isEntry
                visible: active
                Layout.fillWidth: true
                Layout.preferredWidth: 0 // the row's width, not the menus' sum
                sourceComponent: MediaChoicesBar { download: row.item; manager: row.manager }
            }
            // qmllint enable unqualified
            ProgressLine {
                objectName: "progressBar"
                visible: row.status === Download.Downloading || row.status === Download.Converting
                Layout.fillWidth: true
                value: row.item.progress
                //% "Progress of %1"
                Accessible.name: qsTrId("a11y.progress_of").arg(row.item.title)
                accent: row.accentColor
            }
        }

        // Made only while a choice is possible: a menu in every row would make
        // a long list slow to appear. A list's entry shows its qualities once
        // its details are fetched, which opening the menu asks for.
        Loader {
            active: row.status === Download.Ready && (row.item.formats.length > 0
                    || (row.isEntry && row.item.format === Download.Video))
            visible: active
            Layout.preferredWidth: item ? Math.max(150, Math.min(240, menuWidth)) : 150
            readonly property real menuWidth: item ? (item as QualityMenu).neededWidth : 0
            sourceComponent: QualityMenu { objectName: "formatMenu" }
            onLoaded: {
                const menu = item as QualityMenu
                menu.download = row.item
                menu.popup.aboutToShow.connect(() => {
                    if (row.isEntry && row.item.formats.length === 0)
                        row.manager.fetchDetails(row.item)
                })
            }
        }

        RowControls {
            Layout.preferredHeight: Theme.controlHeight
            download: row.item
            manager: row.manager
            settling: justChanged.running
            onShowUpdates: row.showUpdates()
        }
    }
}
