pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The header row of a list of videos (a playlist, a channel, a feed): its
// title and counts, the format and quality for all of its entries, and
// "Download all". Its entries follow it as ordinary rows.
Rectangle {
    id: header
    objectName: "groupHeader"
    required property DownloadItem item
    required property DownloadManager manager
    readonly property DownloadGroup group: item.group
    readonly property bool expanded: group ? group.expanded : true
    readonly property bool running: group ? group.running : false

    implicitHeight: content.implicitHeight + 22
    radius: Theme.radiusLarge
    color: hover.hovered ? Theme.surfaceHover : Theme.surface
    border.width: 1
    border.color: Theme.outline
    HoverHandler { id: hover }

    // New entries of the list then download by themselves, into the
    // download folder, as video or audio as the list is set now.
    function follow(newest: int) {
        Follows.follow(header.item.url, header.item.title, header.manager.downloadFolderURL,
                       header.item.format === Download.Audio, newest)
    }

    ColumnLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 14
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            IconButton {
                objectName: "expandButton"
                // A closed list points to where its row reads on: left in Arabic.
                symbol: header.expanded ? "chevron.down"
                        : Qt.locale().textDirection === Qt.RightToLeft ? "chevron.left"
                        : "chevron.right"
                color: Theme.textTertiary
                tip: header.expanded
                     //% "Hide the videos"
                     ? qsTrId("playlist.collapse")
                     //% "Show the videos"
                     : qsTrId("playlist.expand")
                onClicked: header.manager.setGroupExpanded(header.item, !header.expanded)
            }
            Rectangle {
                Layout.preferredWidth: 42; Layout.preferredHeight: 42
                radius: Theme.radius
                color: Theme.tint(Theme.accent)
                Icon {
                    anchors.centerIn: parent
                    name: "list.and.film"
                    size: 18
                    color: Theme.accent
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 5
                Text {
                    objectName: "groupTitle"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    text: header.item.title
                    // At the window's leading edge, whatever the title's own script.
                    horizontalAlignment: Text.AlignLeft
                    color: Theme.textPrimary
                    font.pixelSize: Theme.fontLarge; font.weight: Font.DemiBold
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
                Text {
                    objectName: "groupCounts"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    text: header.group
                          ? Theme.line([header.group.site,
                                        //% "%n videos"
                                        qsTrId("playlist.videos", header.group.count),
                                        // Each count has its own text: the word after
                                        // it agrees with that count.
                                        //% "%n done"
                                        qsTrId("playlist.done", header.group.done),
                                        //% "%n failed"
                                        qsTrId("playlist.failed", header.group.failed),
                                        //% "%n remaining"
                                        qsTrId("playlist.remaining", header.group.remaining)],
                                       "  ·  ")
                          : ""
                    color: Theme.textDim
                    font.pixelSize: Theme.fontSmall
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
            }
            PlainButton {
                id: followButton
                objectName: "followButton"
                readonly property bool followed: Follows.count >= 0
                                                 && Follows.isFollowed(header.item.url)
                focusRadius: Theme.radiusMedium
                enabled: !followed
                //: The button's state: this list is followed (not the Following view's name)
                //% "Following"
                text: followed ? qsTrId("follow.following")
                               //% "Follow"
                               : qsTrId("follow.follow")
                leftPadding: 12; rightPadding: 12; topPadding: 7; bottomPadding: 7
                background: Rectangle { radius: Theme.radiusMedium; color: Theme.control }
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: followButton.text
                    color: followButton.followed ? Theme.textMuted : Theme.textEmphasis
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
                onClicked: followMenu.popup(followButton, 0, followButton.height + 4)
                Menu {
                    id: followMenu
                    objectName: "followMenu"
                    MenuItem {
                        objectName: "followNewest"
                        //% "Follow, and take the newest 5 now"
                        text: qsTrId("follow.first.newest")
                        onTriggered: header.follow(5)
                    }
                    MenuItem {
                        objectName: "followNext"
                        //% "Follow, only what comes next"
                        text: qsTrId("follow.first.next")
                        onTriggered: header.follow(0)
                    }
                }
            }
            PlainButton {
                id: allButton
                objectName: "downloadAllButton"
                focusRadius: Theme.radiusMedium
                text: header.running
                      //% "Stop all"
                      ? qsTrId("playlist.stop_all")
                      //% "Download all"
                      : qsTrId("playlist.download_all")
                leftPadding: 12; rightPadding: 12; topPadding: 7; bottomPadding: 7
                background: Rectangle {
                    radius: Theme.radiusMedium
                    color: header.running ? Theme.stopWash : Theme.accent
                }
                contentItem: Row {
                    spacing: 6
                    Icon {
                        name: header.running ? "stop.fill" : "arrow.down"
                        size: 11; font.bold: true
                        color: header.running ? Theme.stop : Theme.textOnAccent
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        text: allButton.text
                        color: header.running ? Theme.stop : Theme.textOnAccent
                        font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                    }
                }
                onClicked: header.running ? header.manager.stopGroup(header.item)
                                          : header.manager.downloadAll(header.item)
            }
            IconButton {
                objectName: "removeGroupButton"
                symbol: "xmark"; color: Theme.textMuted
                //% "Remove the list"
                tip: qsTrId("playlist.remove")
                onClicked: header.manager.remove(header.item)
            }
        }

        // A collapsed list shows how far it is as a whole.
        ProgressLine {
            objectName: "groupProgress"
            visible: !header.expanded && header.group !== null
            Layout.fillWidth: true
            Layout.leftMargin: 38
            value: header.group ? header.group.progress : 0
        }

        // The choice for every entry.
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 38
            spacing: 10
            QualityMenu {
                objectName: "groupFormatMenu"
                //% "Format for every video of %1"
                purpose: qsTrId("a11y.list_format").arg(header.item.title)
                Layout.preferredWidth: 90
                enabled: !header.running
                model: [{ label: "MP4", id: Download.Video }, { label: "MP3", id: Download.Audio }]
                currentIndex: header.group && header.group.format === Download.Audio ? 1 : 0
                onActivated: if (header.group) header.group.format = currentValue
            }
            QualityMenu {
                objectName: "groupQualityMenu"
                //% "Quality for every video of %1"
                purpose: qsTrId("a11y.list_quality").arg(header.item.title)
                Layout.preferredWidth: Math.max(150, Math.min(240, neededWidth))
                enabled: !header.running && header.group !== null
                         && header.group.format === Download.Video
                //% "Best quality"
                model: [{ label: qsTrId("quality.best"), id: 0 },
                        //% "Up to %1p"
                        { label: qsTrId("playlist.quality_cap").arg(1080), id: 1080 },
                        { label: qsTrId("playlist.quality_cap").arg(720), id: 720 }]
                currentIndex: !header.group ? 0 : header.group.qualityCap === 1080 ? 1
                              : header.group.qualityCap === 720 ? 2 : 0
                onActivated: if (header.group) header.group.qualityCap = currentValue
            }
            // The list's file choices wrap under its menus where the row is narrow.
            MediaChoicesBar {
                download: header.item
                audio: header.group !== null && header.group.format === Download.Audio
                enabled: !header.running
                Layout.fillWidth: true
                Layout.preferredWidth: 0
            }
        }
        CheckBox {
            id: skipBox
            objectName: "skipDownloadedBox"
            Layout.fillWidth: true
            Layout.leftMargin: 38
            checked: header.group ? header.group.skipDownloaded : true
            onToggled: if (header.group) header.group.skipDownloaded = checked
            //% "Skip videos already downloaded to this folder"
            Accessible.name: qsTrId("playlist.skip_downloaded")
            Accessible.onToggleAction: { skipBox.toggle(); skipBox.toggled() }
            Accessible.onPressAction: { skipBox.toggle(); skipBox.toggled() }
            padding: 0
            indicator: Rectangle {
                x: skipBox.mirrored ? skipBox.width - width : 0
                y: (skipBox.height - height) / 2
                width: 16; height: 16
                radius: 4
                color: skipBox.checked ? Theme.accent : Theme.control
                border.width: skipBox.visualFocus ? Theme.focusRingWidth : 1
                border.color: skipBox.visualFocus ? Theme.focusRing
                              : skipBox.checked ? Theme.accent : Theme.outline
                Icon {
                    anchors.centerIn: parent
                    visible: skipBox.checked
                    name: "checkmark"; size: 11; font.bold: true
                    color: Theme.textOnAccent
                }
            }
            contentItem: Text {
                textFormat: Text.PlainText
                leftPadding: skipBox.mirrored ? 0 : 24
                rightPadding: skipBox.mirrored ? 24 : 0
                text: qsTrId("playlist.skip_downloaded")
                color: Theme.textStatus
                font.pixelSize: Theme.fontSmall
                wrapMode: Text.Wrap
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}
