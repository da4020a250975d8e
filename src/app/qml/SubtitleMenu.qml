pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Reelix

// The subtitles a page offers, the uploader's apart from automatic captions
// and their translations, each checked on or off, and whether they go inside
// the file or beside it.
PlainButton {
    id: menu
    objectName: "subtitleMenu"
    required property DownloadItem download
    readonly property var chosen: download.choices.subtitleLanguages
    readonly property bool inside: download.choices.embedSubtitles
    // The languages checked and where they go.
    signal picked(var languages, bool inside)

    // The menu's lines: a heading before each kind, then its languages.
    readonly property var entries: {
        const kinds = [
            //% "From the uploader"
            { kind: "uploader", title: qsTrId("media.subs.uploader"),
              wanted: t => !t.automatic },
            //% "Automatic captions"
            { kind: "automatic", title: qsTrId("media.subs.automatic"),
              wanted: t => t.automatic && !t.translated },
            //% "Automatic translations"
            { kind: "translated", title: qsTrId("media.subs.translated"),
              wanted: t => t.automatic && t.translated }]
        const lines = []
        for (const k of kinds) {
            const tracks = menu.download.subtitleTracks.filter(k.wanted)
            if (tracks.length === 0)
                continue
            lines.push({ heading: true, kind: k.kind, label: k.title, language: "" })
            for (const t of tracks)
                lines.push({ heading: false, kind: k.kind, language: t.language,
                             label: menu.languageName(t) })
        }
        return lines
    }

    function languageName(track: var): string {
        const locale = Qt.locale(track.language.replace("-", "_"))
        const name = locale.name !== "C" && locale.nativeLanguageName.length > 0
                     ? locale.nativeLanguageName : track.name.length > 0 ? track.name
                     : track.language
        return name.charAt(0).toUpperCase() + name.slice(1) + " (" + track.language + ")"
    }
    function toggle(language: string, on: bool) {
        const languages = chosen.filter(l => l !== language)
        if (on)
            languages.push(language)
        picked(languages, inside)
    }

    //% "None"
    readonly property string summary: chosen.length === 0 ? qsTrId("media.subs.none")
                                      //% "All"
                                      : chosen.includes("all") ? qsTrId("media.subs.all")
                                      : chosen.join(", ")
    //% "Subtitles: %1"
    text: qsTrId("media.subs.summary").arg(summary)
    //% "Subtitles for %1"
    tip: qsTrId("a11y.subtitles_for").arg(download.title)
    Accessible.role: Accessible.ButtonMenu
    Accessible.name: qsTrId("a11y.named_value").arg(tip).arg(summary)
    implicitHeight: Theme.controlHeight
    // The chevron at the trailing end, the left one in a mirrored layout.
    leftPadding: mirrored ? 26 : 10
    rightPadding: mirrored ? 10 : 26
    background: Rectangle {
        radius: Theme.radiusSmall
        color: menu.hovered || popup.visible ? Theme.surfaceHover : Theme.control
        border.width: menu.visualFocus ? Theme.focusRingWidth : 1
        border.color: menu.visualFocus ? Theme.focusRing : Theme.outline
    }
    contentItem: Text {
        textFormat: Text.PlainText
        text: menu.text
        color: Theme.textBright
        font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    Icon {
        objectName: "menuChevron"
        x: menu.mirrored ? 10 : menu.width - width - 10
        y: (menu.height - height) / 2
        name: "chevron.down"; size: 11
        color: Theme.textTertiary
    }
    onClicked: popup.open()
    onEntriesChanged: if (popup.visible) popup.widest = widestLine()

    // The widest line's text, measured as the lines lay out; a check line
    // adds its box and paddings.
    Text {
        id: ruler
        visible: false
        textFormat: Text.PlainText
        font.pixelSize: Theme.fontNormal
    }
    function widestLine(): real {
        let widest = 0
        const texts = [qsTrId("media.subs.inside"), qsTrId("media.subs.beside")]
        for (const text of texts.concat(entries.map(line => line.label))) {
            ruler.text = text
            widest = Math.max(widest, ruler.implicitWidth)
        }
        return Math.ceil(widest) + 14 + 8 + 2 * 12
    }

    // On the menu's leading edge, as wide as its widest line and within the window.
    Popup {
        id: popup
        objectName: "subtitlePopup"
        readonly property real room: menu.Window.width > 0 ? menu.Window.width - 2 * margins
                                                           : Infinity
        x: menu.mirrored ? menu.width - width : 0
        y: menu.height + 4
        // Measured when shown and when the lines change while it is open.
        property real widest: 0
        onAboutToShow: widest = menu.widestLine()
        width: Math.min(room, Math.max(260, menu.width, widest + 2 * padding))
        padding: 4
        margins: 8 // kept inside the window
        focus: true
        background: Rectangle {
            radius: Theme.radiusMedium
            color: Theme.popup
            border.color: Theme.menuLine
            border.width: 1
        }
        Column {
            width: popup.availableWidth
            spacing: 2
            ListView {
                objectName: "subtitleList"
                width: parent.width
                height: Math.min(contentHeight, 260)
                clip: true
                model: popup.visible ? menu.entries : []
                // A heading or a language: one delegate, so that no component
                // is loaded outside the view that made it.
                delegate: Item {
                    id: line
                    required property var modelData
                    readonly property bool heading: modelData.heading
                    width: ListView.view.width
                    implicitHeight: heading ? title.implicitHeight : check.implicitHeight
                    Text {
                        id: title
                        objectName: line.heading ? "subtitleHeading." + line.modelData.kind : ""
                        visible: line.heading
                        width: parent.width
                        textFormat: Text.PlainText
                        horizontalAlignment: Text.AlignLeft
                        wrapMode: Text.Wrap
                        text: line.modelData.label
                        topPadding: 6; leftPadding: 8; rightPadding: 8; bottomPadding: 2
                        color: Theme.textMuted
                        font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                        Accessible.ignored: !visible
                    }
                    MenuCheck {
                        id: check
                        objectName: line.heading ? ""
                                    : "subtitle." + line.modelData.kind + "."
                                      + line.modelData.language
                        visible: !line.heading
                        width: parent.width
                        text: line.modelData.label
                        checked: menu.chosen.includes(line.modelData.language)
                        onToggled: menu.toggle(line.modelData.language, checked)
                    }
                }
            }
            Rectangle { width: parent.width; height: 1; color: Theme.menuLine }
            MenuCheck {
                objectName: "subtitlesInside"
                width: parent.width
                autoExclusive: true
                //% "Inside the file"
                text: qsTrId("media.subs.inside")
                checked: menu.inside
                onToggled: if (checked) menu.picked(menu.chosen, true)
            }
            MenuCheck {
                objectName: "subtitlesBeside"
                width: parent.width
                autoExclusive: true
                //% "Beside the file (SRT)"
                text: qsTrId("media.subs.beside")
                checked: !menu.inside
                onToggled: if (checked) menu.picked(menu.chosen, false)
            }
        }
    }
}
