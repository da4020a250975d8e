pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Window
import Reelix

// The preferences: where files go, downloads that start by themselves, the
// files' format and presets, how much runs at once, and whose cookies yt-dlp uses.
Window {
    id: prefs
    objectName: "preferencesWindow"
    required property DownloadManager manager
    readonly property string folderPath: String(manager.downloadFolderURL).replace(/^file:\/\//, "")

    LayoutMirroring.enabled: Qt.locale().textDirection === Qt.RightToLeft
    LayoutMirroring.childrenInherit: true
    //% "Preferences"
    title: qsTrId("prefs.title")
    width: 620
    // All of it where the screen is tall enough; else it scrolls.
    height: Math.min(content.implicitHeight + 48, Math.max(Screen.desktopAvailableHeight - 48, 360))
    minimumWidth: 480
    minimumHeight: Math.min(height, 360)
    color: Theme.background

    Preferences { id: settings }

    FolderChooser {
        id: folderDialog
        manager: prefs.manager
    }

    Shortcut {
        sequences: ["Esc", "Ctrl+W"]
        onActivated: prefs.close()
    }

    component SectionTitle: Text {
        textFormat: Text.PlainText
        color: Theme.textMuted
        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        Layout.topMargin: 6
    }
    component Label: Text {
        textFormat: Text.PlainText
        color: Theme.textSecondary
        font.pixelSize: Theme.fontNormal
        wrapMode: Text.WordWrap
        Layout.fillWidth: true
    }

    Flickable {
        id: scroller
        objectName: "preferencesScroller"
        anchors.fill: parent
        contentHeight: content.implicitHeight + 2 * Theme.pageMargin
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}
    }
    ColumnLayout {
        id: content
        parent: scroller.contentItem
        x: Theme.pageMargin; y: Theme.pageMargin
        width: scroller.width - 2 * Theme.pageMargin
        spacing: 12

        //% "Downloads"
        SectionTitle { text: qsTrId("prefs.section.downloads") }
        RowLayout {
            spacing: 10
            //% "Download folder"
            Label { text: qsTrId("prefs.folder"); Layout.fillWidth: false }
            Text {
                objectName: "folderPath"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: prefs.folderPath
                elide: Text.ElideMiddle
                color: Theme.textPrimary
                font.pixelSize: Theme.fontNormal; font.family: Theme.monoFamily
            }
            PlainButton {
                id: changeFolder
                objectName: "changeFolderButton"
                //% "Change…"
                text: qsTrId("prefs.folder.change")
                leftPadding: 12; rightPadding: 12; topPadding: 6; bottomPadding: 6
                background: Rectangle {
                    radius: Theme.radiusSmall
                    color: Theme.control
                    border.color: Theme.outline
                }
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: changeFolder.text
                    color: Theme.textEmphasis
                    font.pixelSize: Theme.fontNormal
                    font.weight: Font.Medium
                }
                onClicked: folderDialog.open()
            }
        }
        Switch {
            id: autoStart
            objectName: "autoStartSwitch"
            Layout.fillWidth: true
            leftPadding: 0; rightPadding: 0
            checked: settings.autoStart
            onToggled: settings.autoStart = checked
            //% "Start downloads as soon as they are ready"
            Accessible.name: qsTrId("prefs.auto_start")
            // A screen reader's toggle is stored like a click (Qt 6.4 only flips the switch).
            Accessible.onToggleAction: { autoStart.toggle(); autoStart.toggled() }
            Accessible.onPressAction: { autoStart.toggle(); autoStart.toggled() }
            indicator: Rectangle {
                implicitWidth: 34; implicitHeight: 20
                // At the leading edge, and on to the trailing one: mirrored in Arabic.
                x: autoStart.mirrored ? autoStart.width - width - autoStart.rightPadding
                                      : autoStart.leftPadding
                y: parent.height / 2 - height / 2
                radius: 10
                color: autoStart.checked ? Theme.switchOn : Theme.switchOff
                border.width: autoStart.visualFocus ? Theme.focusRingWidth : 0
                border.color: Theme.focusRing
                Rectangle {
                    x: autoStart.visualPosition > 0.5 ? parent.width - width - 2 : 2
                    y: 2
                    width: 16; height: 16; radius: 8
                    color: Theme.textOnAccent
                    Behavior on x { NumberAnimation { duration: Theme.durationToggle } }
                }
            }
            contentItem: Text {
                textFormat: Text.PlainText
                leftPadding: autoStart.mirrored ? 0 : autoStart.indicator.width + 10
                rightPadding: autoStart.mirrored ? autoStart.indicator.width + 10 : 0
                text: qsTrId("prefs.auto_start")
                color: Theme.textSecondary
                font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
            }
        }
        RowLayout {
            Layout.leftMargin: 44
            spacing: 10
            enabled: settings.autoStart
            opacity: enabled ? 1 : 0.5
            //% "Download as"
            Label { text: qsTrId("prefs.auto_start.choice"); Layout.fillWidth: false }
            QualityMenu {
                objectName: "autoStartChoice"
                purpose: qsTrId("prefs.auto_start.choice")
                Layout.preferredWidth: 200
                //% "MP4, best quality"
                model: [{ label: qsTrId("prefs.choice.best"), id: 0 },
                        //% "MP4 up to 1080p"
                        { label: qsTrId("prefs.choice.1080"), id: 1 },
                        //% "MP4 up to 720p"
                        { label: qsTrId("prefs.choice.720"), id: 2 },
                        //% "MP3 (audio only)"
                        { label: qsTrId("prefs.choice.mp3"), id: 3 }]
                currentIndex: settings.autoStartChoice
                onActivated: (index) => settings.autoStartChoice = index
            }
            Item { Layout.fillWidth: true }
        }

        //% "Language"
        SectionTitle { text: qsTrId("prefs.section.language") }
        RowLayout {
            spacing: 10
            //% "Interface language"
            Label { text: qsTrId("prefs.language"); Layout.fillWidth: false }
            QualityMenu {
                objectName: "languageChoice"
                purpose: qsTrId("prefs.language")
                Layout.preferredWidth: 280
                model: settings.languages
                currentIndex: {
                    const choices = settings.languages
                    for (let i = 0; i < choices.length; ++i) {
                        if (choices[i].code === settings.language)
                            return i
                    }
                    return 0
                }
                onActivated: (index) => settings.language = settings.languages[index].code
            }
            Item { Layout.fillWidth: true }
        }
        //% "Applied the next time Reelix starts"
        Label { text: qsTrId("prefs.language.next_start"); color: Theme.textMuted }

        //% "Files"
        SectionTitle { text: qsTrId("prefs.section.files") }
        MediaDefaults { Layout.fillWidth: true }
        SponsorSetting { Layout.fillWidth: true }

        //% "Speed"
        SectionTitle { text: qsTrId("prefs.section.speed") }
        RowLayout {
            //% "Most downloads at once"
            Label { text: qsTrId("prefs.max_downloads") }
            Stepper {
                objectName: "maxDownloads"
                from: 0
                value: settings.maxDownloads
                //% "Unlimited"
                zeroText: qsTrId("prefs.unlimited")
                name: qsTrId("prefs.max_downloads")
                onPicked: (v) => settings.maxDownloads = v
            }
        }
        RowLayout {
            //% "Fragments fetched at once per download"
            Label { text: qsTrId("prefs.fragments") }
            Stepper {
                objectName: "fragments"
                value: settings.fragments
                name: qsTrId("prefs.fragments")
                onPicked: (v) => settings.fragments = v
            }
        }

        SectionTitle { text: qsTrId("follow.view_title") }
        RowLayout {
            //% "Hours between two checks of the followed lists"
            Label { text: qsTrId("prefs.follow.hours") }
            Stepper {
                objectName: "followCheckHours"
                from: 0
                to: 168
                value: Follows.checkHours
                //% "Never"
                zeroText: qsTrId("prefs.follow.never")
                name: qsTrId("prefs.follow.hours")
                onPicked: (v) => Follows.checkHours = v
            }
        }
        RowLayout {
            //% "Seconds between two requests to one site"
            Label { text: qsTrId("prefs.follow.pause") }
            Stepper {
                objectName: "followPauseSeconds"
                from: 0
                to: 600
                value: Follows.pauseSeconds
                name: qsTrId("prefs.follow.pause")
                onPicked: (v) => Follows.pauseSeconds = v
            }
        }

        // Drawn like the app's other boxes, the whole sentence on two lines if it takes them.
        MenuCheck {
            id: timerBox
            objectName: "followTimerBox"
            Layout.fillWidth: true
            wraps: true
            //% "Check also while Reelix is not running (a systemd user timer)"
            text: qsTrId("prefs.follow.timer")
            checked: Follows.timerOn
            onToggled: Follows.timerOn = checked
            Component.onCompleted: Follows.refreshTimer()
        }

        //% "Cookies"
        SectionTitle { text: qsTrId("prefs.section.cookies") }
        CookieSetting {
            objectName: "cookiesSection"
            Layout.fillWidth: true
        }
        Item { Layout.fillHeight: true }
    }
}
