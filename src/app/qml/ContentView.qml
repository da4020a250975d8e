pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The main view: header, update banner, address input and the list.
Rectangle {
    id: view
    required property DependencyChecker checker
    // The shell's list: it outlives this view while setup and updates are shown.
    required property DownloadManager manager
    // The saved list's history and notices; null when the list is not kept.
    property QueueStore store: null
    property bool showingHistory: false
    property bool showingFollows: false
    readonly property bool showingList: !showingHistory && !showingFollows
    property string updateSummary
    property alias urlText: addressInput.text
    property int formatMode: Download.Video
    readonly property bool urlFieldFocused: addressInput.editorFocused
    readonly property bool hasText: urlText.trim().length > 0
    readonly property bool anyDone: view.manager.hasCompleted
    // Whether a web address copied elsewhere is offered when the window comes to front.
    property bool clipboardOffers: true
    // The address offered, and the last one offered (never offered twice).
    property string offeredAddress
    property string lastOffered
    // The row whose address was given again, shown for a moment; -1 for none.
    property int repeatedRow: -1
    signal showUpdates()

    color: Theme.background
    implicitWidth: 680
    implicitHeight: 520

    // Typing or pasting goes to the address box as soon as the view shows.
    Component.onCompleted: addressInput.focusEditor()

    // A click anywhere outside the address box takes the focus out of it.
    TapHandler {
        onTapped: {
            const inBox = addressInput.contains(addressInput.mapFromItem(view, point.position))
            if (view.urlFieldFocused && !inBox)
                view.forceActiveFocus()
        }
    }

    function submitURLs() {
        view.manager.addDownloads(Desktop.addresses(urlText), formatMode)
        addressNotice.count = Desktop.nonAddressLines(urlText)
        urlText = ""
    }

    // Addresses dropped on the window are added as the Add button does.
    function addDropped(text: string) {
        view.manager.addDownloads(Desktop.addresses(text), formatMode)
        addressNotice.count = Desktop.nonAddressLines(text)
    }
    // The notice about lines left out stays until the next text is typed.
    onUrlTextChanged: {
        if (urlText.length > 0)
            addressNotice.count = 0
    }

    function offerClipboard() {
        if (!clipboardOffers || hasText)
            return
        // Any word at the start of the copied text may be the address.
        const web = Desktop.clipboardAddress()
        if (web.length === 0 || web === lastOffered || view.manager.isListed(web))
            return
        lastOffered = web
        offeredAddress = web
    }

    function pasteFromClipboard() {
        if (Desktop.clipboardHasText())
            urlText = Desktop.clipboardText()
    }

    FolderChooser {
        id: folderDialog
        manager: view.manager
    }

    Connections {
        target: view.manager
        function onAlreadyListed(row: int) {
            view.repeatedRow = row
            list.positionViewAtIndex(row, ListView.Contain)
            repeatedTimer.restart()
        }
    }
    Timer {
        id: repeatedTimer
        interval: 2500
        onTriggered: view.repeatedRow = -1
    }

    Shortcut {
        sequences: ["Ctrl+Return", "Ctrl+Enter"]
        enabled: view.hasText && view.visible
        onActivated: view.submitURLs()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        HeaderBar {
            Layout.fillWidth: true
            manager: view.manager
            formatMode: view.formatMode
            onFormatPicked: mode => view.formatMode = mode
            onChooseFolder: folderDialog.open()
            hasHistory: view.store !== null
            showingHistory: view.showingHistory
            onHistoryToggled: {
                view.showingHistory = !view.showingHistory
                view.showingFollows = false
            }
            showingFollows: view.showingFollows
            onFollowsToggled: {
                view.showingFollows = !view.showingFollows
                view.showingHistory = false
            }
        }

        StoreNotice {
            Layout.fillWidth: true
            store: view.store
        }

        // The banner slides in from the top edge and fades.
        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: view.checker.hasUpdates ? banner.implicitHeight : 0
            Behavior on Layout.preferredHeight {
                NumberAnimation { duration: Theme.durationSwitch; easing.type: Easing.InOutQuad }
            }
            clip: true
            UpdateBanner {
                id: banner
                objectName: "updateBanner"
                width: parent.width
                y: view.checker.hasUpdates ? 0 : -height
                visible: opacity > 0
                opacity: view.checker.hasUpdates ? 1 : 0
                Behavior on y {
                    NumberAnimation {
                        duration: Theme.durationSwitch
                        easing.type: Easing.InOutQuad
                    }
                }
                Behavior on opacity { NumberAnimation { duration: Theme.durationSwitch } }
                summary: view.updateSummary
                onShowUpdates: view.showUpdates()
            }
        }

        ClipboardOffer {
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth
            Layout.alignment: Qt.AlignHCenter
            Layout.leftMargin: Theme.pageMargin
            Layout.rightMargin: Theme.pageMargin
            Layout.topMargin: visible ? 14 : 0
            address: view.offeredAddress
            onAccepted: {
                view.urlText = view.offeredAddress
                view.offeredAddress = ""
            }
            onDismissed: view.offeredAddress = ""
        }

        AddressInput {
            id: addressInput
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth
            Layout.alignment: Qt.AlignHCenter
            Layout.leftMargin: Theme.pageMargin
            Layout.rightMargin: Theme.pageMargin
            Layout.topMargin: 20
            Layout.bottomMargin: 16
            onSubmit: view.submitURLs()
            onPaste: view.pasteFromClipboard()
        }

        // The note opens a line of its own under the box: it never covers a row.
        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: view.repeatedRow >= 0 ? repeatedNote.height + 10 : 0
            Behavior on Layout.preferredHeight {
                NumberAnimation { duration: Theme.durationFade; easing.type: Easing.InOutQuad }
            }
            clip: true
            Rectangle {
                id: repeatedNote
                objectName: "repeatedNote"
                anchors.horizontalCenter: parent.horizontalCenter
                visible: opacity > 0
                opacity: view.repeatedRow >= 0 ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: Theme.durationFade } }
                width: note.implicitWidth + 28
                height: note.implicitHeight + 14
                radius: height / 2
                color: Theme.tipBackground
                border.color: Theme.menuLine
                Text {
                    id: note
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    //% "This address is already in the list"
                    text: qsTrId("input.already_listed")
                    color: Theme.textEmphasis
                    font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
                }
            }
        }

        AddressNotice {
            id: addressNotice
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth
            Layout.alignment: Qt.AlignHCenter
            Layout.leftMargin: Theme.pageMargin
            Layout.rightMargin: Theme.pageMargin
            Layout.topMargin: visible ? -8 : 0
            Layout.bottomMargin: visible ? 12 : 0
        }

        // The list, or the empty state
        ListView {
            id: list
            objectName: "downloadList"
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth + 32
            Layout.alignment: Qt.AlignHCenter
            Layout.fillHeight: true
            visible: view.manager.count > 0 && view.showingList
            clip: true
            spacing: 2
            leftMargin: 16; rightMargin: 16; topMargin: 10; bottomMargin: 10
            model: view.manager
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            // Rows leaving the view are kept for the rows coming in: a list of a
            // thousand videos scrolls without making a thousand rows.
            reuseItems: true
            delegate: DownloadListRow {
                required property var model
                required property int index
                width: ListView.view.width - 32
                item: model.item
                repeated: index === view.repeatedRow
                manager: view.manager
                onShowUpdates: view.showUpdates()
            }
            remove: Transition {
                NumberAnimation { property: "opacity"; to: 0; duration: Theme.durationFade }
            }
            displaced: Transition {
                NumberAnimation {
                    properties: "y"
                    duration: Theme.durationMove
                    easing.type: Easing.OutQuad
                }
            }
        }
        EmptyState {
            visible: view.manager.count === 0 && view.showingList
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        // Made when shown (by file: Qt 6.4's Loader refuses bound inline components).
        Loader {
            id: historyLoader
            objectName: "historyView"
            readonly property bool wanted: view.showingHistory && view.store !== null
            visible: wanted
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth + 32
            Layout.alignment: Qt.AlignHCenter
            Layout.fillHeight: true
            onWantedChanged: {
                if (wanted)
                    setSource("HistoryView.qml",
                              { history: view.store.history, manager: view.manager })
                else
                    source = ""
            }
        }
        Loader {
            objectName: "followingView"
            active: view.showingFollows
            visible: active
            source: "FollowingView.qml"
            Layout.fillWidth: true
            Layout.maximumWidth: Theme.contentMaxWidth + 32
            Layout.alignment: Qt.AlignHCenter
            Layout.fillHeight: true
        }
    }

    // Text or links dragged from a browser: the whole window takes them, and
    // says where they will go.
    DropArea {
        id: dropArea
        objectName: "dropArea"
        anchors.fill: parent
        onDropped: (drop) => {
            view.addDropped(drop.hasUrls ? drop.urls.map(String).join("\n") : drop.text)
            drop.acceptProposedAction()
        }
    }
    Rectangle {
        objectName: "dropHint"
        anchors.fill: parent
        anchors.margins: 8
        visible: dropArea.containsDrag
        radius: Theme.radiusLarge
        color: Theme.accentSelection
        border.color: Theme.accent
        border.width: 2
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            //% "Drop to add to the list"
            text: qsTrId("drop.hint")
            color: Theme.textBright
            font.pixelSize: Theme.fontLarge; font.weight: Font.Medium
        }
    }
}
