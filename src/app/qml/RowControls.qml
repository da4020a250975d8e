import QtQuick
import Reelix

// The controls a download's row offers for its status. Only those are made:
// a long list of rows waiting for their information carries spinners, not
// a dozen hidden buttons each.
Item {
    id: controls
    required property DownloadItem download
    required property DownloadManager manager
    // The status just changed: the buttons that replace Stop take no click
    // yet, so that a double click on Stop never removes or restarts.
    property bool settling: false
    // A failed row's Update: the window opens the updates.
    signal showUpdates()

    implicitWidth: shown.implicitWidth
    implicitHeight: Theme.controlHeight

    Loader {
        id: shown
        anchors.verticalCenter: parent.verticalCenter
        sourceComponent: {
            switch (controls.download.status) {
            case Download.Waiting:
            case Download.Fetching: return waitingControls
            case Download.Ready: return readyControls
            case Download.Downloading:
            case Download.Converting: return runningControls
            case Download.Done: return doneControls
            default: return failedControls
            }
        }
    }

    // The components below reach the root by its id. They cannot be bound
    // components, which this Qt refuses to load through a Loader, and the
    // linter of this Qt does not see ids from unbound ones.
    // qmllint disable unqualified
    Component {
        id: waitingControls
        Spinner {
            objectName: "spinner"
            scaleFactor: 0.55
        }
    }
    Component {
        id: readyControls
        PlainButton {
            objectName: "startButton"
            //% "Download"
            text: qsTrId("action.start")
            focusRadius: Theme.controlHeight / 2
            height: Theme.controlHeight
            leftPadding: 12; rightPadding: 14
            background: Rectangle {
                radius: Theme.controlHeight / 2
                gradient: Gradient {
                    GradientStop { position: 0; color: Theme.accent }
                    GradientStop { position: 1; color: Theme.accentDeep }
                }
            }
            contentItem: Row {
                spacing: 6
                Icon {
                    name: "arrow.down"; size: 12; font.bold: true
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    objectName: "startLabel"
                    textFormat: Text.PlainText
                    text: qsTrId("action.start")
                    color: Theme.textBright
                    font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
            onClicked: controls.manager.start(controls.download)
        }
    }
    Component {
        id: runningControls
        PlainButton {
            id: stopButton
            objectName: "stopButton"
            readonly property bool converting: controls.download.status === Download.Converting
            width: Theme.controlHeight; height: Theme.controlHeight
            focusRadius: Theme.controlHeight / 2
            //% "Stop"
            tip: qsTrId("action.stop")
            background: Rectangle {
                radius: Theme.controlHeight / 2
                color: stopButton.converting ? Theme.stopConvertingWash : Theme.stopWash
            }
            contentItem: Icon {
                name: "stop.fill"; size: 11; font.bold: true
                color: stopButton.converting ? Theme.stopConverting : Theme.stop
            }
            onClicked: controls.download.cancelRun()
        }
    }
    Component {
        id: doneControls
        Row {
            objectName: "doneControls"
            spacing: 4
            PlainButton {
                id: convertButton
                objectName: "convertButton"
                visible: opacity > 0
                opacity: controls.download.needsConversion ? 1 : 0
                scale: controls.download.needsConversion ? 1 : 0.85
                Behavior on opacity { SpringAnimation { spring: 3; damping: 0.35; epsilon: 0.01 } }
                Behavior on scale { SpringAnimation { spring: 3; damping: 0.35; epsilon: 0.01 } }
                anchors.verticalCenter: parent.verticalCenter
                // Named for what it does; on a Mac, for the player it is for.
                readonly property bool mac: Qt.platform.os === "osx"
                tip: mac
                     //% "Convert for playback"
                     ? qsTrId("action.convert_qt")
                     //% "Convert to H.264 and AAC, which every player and device plays"
                     : qsTrId("action.convert_playable.tip")
                leftPadding: 10; rightPadding: 10; topPadding: 5; bottomPadding: 5
                // Warm only where players may refuse the file; else a quiet offer.
                readonly property bool advised: controls.download.conversionAdvised
                readonly property color ink: advised ? Theme.textOnWarm : Theme.textPrimary
                background: Rectangle {
                    radius: height / 2
                    border.width: convertButton.advised ? 0 : 1
                    border.color: Theme.outline
                    gradient: Gradient {
                        GradientStop {
                            position: 0
                            color: convertButton.advised ? Theme.convertTop : Theme.surface
                        }
                        GradientStop {
                            position: 1
                            color: convertButton.advised ? Theme.convertBottom : Theme.surface
                        }
                    }
                }
                contentItem: Row {
                    spacing: 5
                    Icon {
                        name: "sparkles"
                        size: 10
                        font.bold: true
                        color: convertButton.ink
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        textFormat: Text.PlainText
                        //% "Make playable everywhere"
                        text: convertButton.mac ? "QuickTime" : qsTrId("action.convert_playable")
                        font.pixelSize: Theme.fontSmall
                        font.weight: Font.DemiBold
                        color: convertButton.ink
                    }
                }
                onClicked: controls.manager.convert(controls.download)
            }
            DoneActions {
                anchors.verticalCenter: parent.verticalCenter
                download: controls.download
                manager: controls.manager
                settling: controls.settling
            }
        }
    }
    Component {
        id: failedControls
        Row {
            objectName: "failedControls"
            spacing: 4
            // Made only at a sign-in wall: the browsers are looked for then.
            Loader {
                active: controls.download.errorKind === Failure.NeedsSignIn
                        && !BrowserCookies.inUse
                        && BrowserCookies.browsers.length > 0
                visible: active
                anchors.verticalCenter: parent.verticalCenter
                sourceComponent: SignInButton {}
                onLoaded: {
                    const offer = item as SignInButton
                    offer.download = controls.download
                    offer.manager = controls.manager
                }
            }
            // The cookies in use met the wall again: the site's session may
            // have ended; signing in again happens in the browser.
            IconButton {
                objectName: "openSiteButton"
                visible: controls.download.errorKind === Failure.NeedsSignIn
                         && BrowserCookies.inUse
                anchors.verticalCenter: parent.verticalCenter
                symbol: "arrow.up.forward.square"; color: Theme.info
                //% "Open the site in the browser to sign in again"
                tip: qsTrId("action.open_site")
                onClicked: Desktop.openSite(controls.download.url)
            }
            // Our own yt-dlp, well behind, could not read the page.
            UpdateOffer {
                visible: controls.download.errorKind === Failure.OutdatedTool
                anchors.verticalCenter: parent.verticalCenter
                onClicked: controls.showUpdates()
            }
            ErrorDetails {
                visible: controls.download.status === Download.Error
                anchors.verticalCenter: parent.verticalCenter
                download: controls.download
            }
            IconButton {
                objectName: "retryButton"
                enabled: !controls.settling
                symbol: "arrow.clockwise"; color: Theme.info
                //% "Retry"
                tip: qsTrId("action.retry")
                onClicked: controls.manager.retry(controls.download)
            }
            IconButton {
                objectName: "removeFailedButton"
                enabled: !controls.settling
                symbol: "xmark"; color: Theme.textMuted
                tip: qsTrId("action.remove")
                onClicked: controls.manager.remove(controls.download)
            }
        }
    }
}
