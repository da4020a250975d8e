pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import Reelix

// Part of a ready video: a time range typed as h:mm:ss, or chapters picked
// from its list (each clip becomes an item of its own), or the whole video as
// one file per chapter.
Dialog {
    id: dialog
    objectName: "trimDialog"
    required property DownloadItem download
    property DownloadManager manager: null
    readonly property real duration: download.duration
    readonly property var chapters: download.chapters
    // The chosen chapters' places in the list, in the list's order.
    property var picked: []
    readonly property bool byChapters: picked.length > 0 || splitBox.checked
    readonly property real start: ClipTimes.seconds(startField.text)
    readonly property real end: ClipTimes.seconds(endField.text)
    readonly property string problem: {
        if (byChapters)
            return ""
        //% "Type the start as h:mm:ss, for example 10:00"
        if (start < 0) return qsTrId("trim.bad_start")
        //% "Type the end as h:mm:ss, for example 12:30"
        if (end < 0) return qsTrId("trim.bad_end")
        //% "The end must come after the start"
        if (end <= start) return qsTrId("trim.end_before_start")
        //% "The video ends at %1"
        if (duration > 0 && end > duration + 0.5)
            return qsTrId("trim.past_end").arg(ClipTimes.text(duration))
        return ""
    }

    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(480, parent ? parent.width - 48 : 480)
    modal: true
    padding: 22
    onOpened: {
        startField.text = ClipTimes.text(0)
        endField.text = ClipTimes.text(duration)
        picked = []
        startField.forceActiveFocus()
    }
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }

    function toggle(index: int) {
        const chosen = picked.filter(i => i !== index)
        if (chosen.length === picked.length)
            chosen.push(index)
        picked = chosen.sort((a, b) => a - b)
    }

    // The files the clips become, as the engine names them.
    function fileNames(): var {
        const ranges = picked.length > 0
                ? ClipTimes.chapterRanges(picked.map(i => chapters[i]))
                : [ClipTimes.range(start, end)]
        const extension = download.format === Download.Audio ? "mp3" : "mp4"
        return ranges.map(r => {
            const [from, to] = r.split("-").map(Number)
            return ClipTimes.fileName(download.title, from, to, extension)
        })
    }

    function trim() {
        if (splitBox.checked) {
            const c = download.choices
            c.splitChapters = true
            c.sections = []
            download.choices = c
        } else {
            const ranges = picked.length > 0
                    ? ClipTimes.chapterRanges(picked.map(i => chapters[i]))
                    : [ClipTimes.range(start, end)]
            manager.addClips(download, ranges, preciseBox.checked)
        }
        close()
    }

    component Label: Text {
        textFormat: Text.PlainText
        color: Theme.textSecondary
        font.pixelSize: Theme.fontNormal
        wrapMode: Text.WordWrap
    }
    component TimeField: TextField {
        id: field
        Layout.preferredWidth: 96
        enabled: !dialog.byChapters
        color: Theme.textPrimary
        selectionColor: Theme.accentSelection
        font.pixelSize: Theme.fontNormal
        Accessible.name: placeholderText
        background: Rectangle {
            radius: Theme.radiusSmall
            color: Theme.field
            opacity: field.enabled ? 1 : 0.5
            border.color: field.activeFocus ? Theme.focusRing : Theme.outline
            border.width: 1
        }
        onAccepted: if (dialog.problem.length === 0) dialog.trim()
    }

    // The ids inside make it immediate, which a dialog made on demand can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        spacing: 12
        Text {
            textFormat: Text.PlainText
            Layout.fillWidth: true
            //% "Trim “%1”"
            text: qsTrId("trim.title").arg(dialog.download.title)
            color: Theme.textPrimary
            font.pixelSize: Theme.fontLarge; font.weight: Font.DemiBold
            elide: Text.ElideRight
        }
        Label {
            objectName: "trimDuration"
            visible: dialog.duration > 0
            //% "Duration: %1"
            text: qsTrId("trim.duration").arg(ClipTimes.text(dialog.duration))
        }
        RowLayout {
            spacing: 8
            //% "From"
            Label { text: qsTrId("trim.from") }
            TimeField {
                id: startField
                objectName: "trimStart"
                //% "Start of the clip"
                placeholderText: qsTrId("trim.start")
            }
            //% "to"
            Label { text: qsTrId("trim.to") }
            TimeField {
                id: endField
                objectName: "trimEnd"
                //% "End of the clip"
                placeholderText: qsTrId("trim.end")
            }
            Item { Layout.fillWidth: true }
        }
        Label {
            objectName: "trimMessage"
            Layout.fillWidth: true
            color: dialog.problem.length > 0 ? Theme.dangerText : Theme.textMuted
            font.pixelSize: Theme.fontSmall
            text: dialog.problem.length > 0 ? dialog.problem
                  : splitBox.checked ? ""
                  //% "File: %1"
                  : qsTrId("trim.file").arg(dialog.fileNames().join(", "))
            elide: Text.ElideMiddle
            wrapMode: Text.NoWrap
        }
        Label {
            visible: dialog.chapters.length > 0
            Layout.fillWidth: true
            //% "Or pick chapters: each run of chapters becomes a clip of its own."
            text: qsTrId("trim.chapters")
        }
        ListView {
            objectName: "trimChapters"
            visible: dialog.chapters.length > 0
            enabled: !splitBox.checked
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(count, 6) * 28
            clip: true
            model: dialog.chapters
            boundsBehavior: Flickable.StopAtBounds
            delegate: MenuCheck {
                required property var modelData
                required property int index
                objectName: "trimChapter." + index
                width: ListView.view.width
                // The title is the page's text: never put through arg().
                //% "   %1–%2"
                text: modelData.title + qsTrId("trim.chapter_times")
                      .arg(ClipTimes.text(modelData.start)).arg(ClipTimes.text(modelData.end))
                checked: dialog.picked.includes(index)
                onToggled: dialog.toggle(index)
            }
        }
        MenuCheck {
            id: splitBox
            objectName: "splitChaptersBox"
            visible: dialog.chapters.length > 0
            Layout.fillWidth: true
            //% "Whole video, one file per chapter in a folder named after it"
            text: qsTrId("trim.split")
            wraps: true
        }
        MenuCheck {
            id: preciseBox
            objectName: "preciseCutBox"
            enabled: !splitBox.checked
            Layout.fillWidth: true
            //% "Precise cut"
            text: qsTrId("trim.precise")
        }
        Label {
            Layout.fillWidth: true
            Layout.topMargin: -10
            // Under the box's text, on the side the box is not.
            leftPadding: LayoutMirroring.enabled ? 0 : 28
            rightPadding: LayoutMirroring.enabled ? 28 : 0
            color: Theme.textMuted
            font.pixelSize: Theme.fontSmall
            //% "Re-encodes at the cut points: exact to the frame, but slower."
            text: qsTrId("trim.precise.note")
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10
            SecondaryButton {
                objectName: "trimCancelButton"
                topPadding: 9; bottomPadding: 9
                //% "Cancel"
                text: qsTrId("trim.cancel")
                onClicked: dialog.close()
            }
            PrimaryButton {
                objectName: "trimConfirmButton"
                topPadding: 9; bottomPadding: 9
                enabled: dialog.problem.length === 0
                         && (!splitBox.checked || dialog.chapters.length > 0)
                //% "Trim"
                text: qsTrId("trim.action")
                onClicked: dialog.trim()
            }
        }
    }
}
