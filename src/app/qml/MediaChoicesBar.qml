import QtQuick
import Reelix

// The file choices of a download waiting for its start: a video's container
// or an audio file's format and quality, the audio track where the page
// offers several, the subtitles and a preset. Each writes a changed copy of
// the item's choices; a choice made by hand no longer names a preset. The
// menus wrap onto a second line where the row is narrow.
Flow {
    id: bar
    objectName: "mediaChoices"
    required property DownloadItem download
    // Where a single video's clips go; a list's row has none and no trimming.
    property DownloadManager manager: null
    // A list's row chooses for its entries; its kind is the list's.
    property bool audio: download.format === Download.Audio
    readonly property var choices: download.choices
    spacing: 8

    Preferences { id: prefs }

    function change(edit: var) {
        const c = bar.download.choices
        edit(c)
        c.preset = ""
        bar.download.choices = c
    }

    // "English (original)", "Deutsch, audio description": the language's own
    // name, else the site's label, else its place in the list.
    function trackName(track: var, index: int): string {
        const code = track.language
        const locale = code.length > 0 ? Qt.locale(code.replace("-", "_")) : null
        let name = locale && locale.name !== "C" && locale.nativeLanguageName.length > 0
                   ? locale.nativeLanguageName : track.label.length > 0 ? track.label : code
        if (name.length === 0)
            //% "Track %1"
            name = qsTrId("media.track.number").arg(index + 1)
        name = name.charAt(0).toUpperCase() + name.slice(1)
        //% "%1 (original)"
        if (track.original) name = qsTrId("media.track.original").arg(name)
        //% "%1, audio description"
        if (track.descriptive) name = qsTrId("media.track.descriptive").arg(name)
        return name
    }

    // "No preset", then every preset by its name.
    function presetEntries(presets: var): var {
        //% "No preset"
        const entries = [{ label: qsTrId("media.preset.none"), key: "" }]
        for (let i = 0; i < presets.length; ++i)
            entries.push({ label: presets[i].name, key: presets[i].key })
        return entries
    }

    // A menu is as wide as its choice's name, within bounds: a long name in
    // a long language is not cut, and the bar wraps instead.
    function fitting(least: real, needed: real): real {
        return Math.max(least, Math.min(320, needed))
    }

    readonly property bool lossy: choices.audioCodec === Media.Mp3
                                  || choices.audioCodec === Media.M4a
                                  || choices.audioCodec === Media.Opus

    QualityMenu {
        objectName: "fileFormatMenu"
        //% "File format for %1"
        purpose: qsTrId("a11y.file_format_for").arg(bar.download.title)
        width: bar.fitting(bar.audio ? 120 : 190, neededWidth)
        model: bar.audio
               ? [{ label: "MP3", id: Media.Mp3 },
                  //% "M4A (AAC)"
                  { label: qsTrId("media.format.m4a"), id: Media.M4a },
                  { label: "Opus", id: Media.Opus },
                  { label: "FLAC", id: Media.Flac },
                  { label: "WAV", id: Media.Wav }]
               : [{ label: "MP4", id: Media.Mp4 },
                  //% "MKV, keeps everything"
                  { label: qsTrId("media.format.mkv"), id: Media.Mkv },
                  { label: "WebM", id: Media.Webm }]
        currentIndex: {
            const value = bar.audio ? bar.choices.audioCodec : bar.choices.container
            return model.findIndex(e => e.id === value)
        }
        onActivated: {
            const value = currentValue
            bar.change(c => { if (bar.audio) c.audioCodec = value; else c.container = value })
        }
    }
    QualityMenu {
        objectName: "audioQualityMenu"
        visible: bar.audio && bar.lossy
        //% "Audio quality for %1"
        purpose: qsTrId("a11y.audio_quality_for").arg(bar.download.title)
        width: bar.fitting(150, neededWidth)
        model: {
            const rates = [128, 192, 256, 320]
            const kbps = bar.choices.audioKbps
            if (kbps > 0 && !rates.includes(kbps))
                rates.push(kbps)
            //% "Same as source"
            return [{ label: qsTrId("media.quality.source"), id: 0 },
                    ...rates.sort((a, b) => a - b).map(r => ({
                        //% "%1 kbit/s"
                        label: qsTrId("media.kbps").arg(r),
                        id: r }))]
        }
        currentIndex: model.findIndex(e => e[valueRole] === bar.choices.audioKbps)
        onActivated: {
            const value = currentValue
            bar.change(c => { c.audioKbps = value })
        }
    }
    // Shown only where there is a choice: most pages carry one track.
    QualityMenu {
        objectName: "audioTrackMenu"
        visible: bar.download.audioTracks.length > 1
        //% "Audio track for %1"
        purpose: qsTrId("a11y.audio_track_for").arg(bar.download.title)
        width: bar.fitting(190, neededWidth)
        // The original track is the empty choice, as new items have it.
        model: {
            const tracks = bar.download.audioTracks
            const entries = []
            for (let i = 0; i < tracks.length; ++i)
                entries.push({ label: bar.trackName(tracks[i], i),
                               id: tracks[i].original ? "" : tracks[i].language })
            return entries
        }
        currentIndex: Math.max(0, model.findIndex(e => e[valueRole] === bar.choices.audioLanguage))
        onActivated: {
            const value = currentValue
            bar.change(c => { c.audioLanguage = value })
        }
    }
    SubtitleMenu {
        visible: bar.download.subtitleTracks.length > 0
        download: bar.download
        width: bar.fitting(170, implicitContentWidth + leftPadding + rightPadding)
        onPicked: (languages, inside) => bar.change(c => {
            c.subtitleLanguages = languages
            c.embedSubtitles = inside
        })
    }
    QualityMenu {
        objectName: "presetMenu"
        //% "Preset for %1"
        purpose: qsTrId("a11y.preset_for").arg(bar.download.title)
        width: bar.fitting(210, neededWidth)
        model: bar.presetEntries(prefs.presets)
        valueRole: "key"
        currentIndex: Math.max(0, model.findIndex(e => e[valueRole] === bar.choices.preset))
        onActivated: {
            if (currentValue.length > 0)
                bar.download.choices = prefs.presetChoices(currentValue)
        }
    }
    PlainButton {
        id: trimButton
        objectName: "trimButton"
        visible: bar.manager !== null && !bar.download.isGroupHeader
        // The clip chosen, else the offer to choose one.
        text: bar.choices.sections.length > 0
              //% "Clip %1"
              ? qsTrId("media.trim.clip").arg(ClipTimes.shown(bar.choices.sections[0]))
              //% "One file per chapter"
              : bar.choices.splitChapters ? qsTrId("media.trim.split")
              //% "Trim…"
              : qsTrId("media.trim")
        //% "Download part of %1: a time range or chapters"
        tip: qsTrId("media.trim.tip").arg(bar.download.title)
        height: 26
        leftPadding: 12; rightPadding: 12
        focusRadius: height / 2
        background: Rectangle {
            radius: trimButton.height / 2
            color: trimButton.hovered ? Theme.surfaceHover : Theme.surface
            border.color: Theme.outline
            border.width: 1
        }
        contentItem: Text {
            textFormat: Text.PlainText
            text: trimButton.text
            color: Theme.textPrimary
            font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
            verticalAlignment: Text.AlignVCenter
        }
        onClicked: {
            trimLoader.active = true
            const dialog = trimLoader.item as TrimDialog
            dialog.open()
        }
    }
    // Made on the first click: a dialog in every ready row would slow a long list.
    // This Qt's linter does not see the bar's id from the component.
    // qmllint disable unqualified
    Loader {
        id: trimLoader
        active: false
        sourceComponent: TrimDialog {
            download: bar.download
            manager: bar.manager
        }
    }
    // qmllint enable unqualified
}
