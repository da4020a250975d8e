pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The preferences' file choices: what new items start from, the preset they
// come from, saving them as a preset of one's own and deleting such presets.
ColumnLayout {
    id: section
    objectName: "mediaDefaults"
    spacing: 10

    Preferences { id: settings }
    readonly property var choices: settings.defaultChoices

    function change(edit: var) {
        const c = settings.defaultChoices
        edit(c)
        c.preset = ""
        settings.defaultChoices = c
    }

    component Label: Text {
        textFormat: Text.PlainText
        color: Theme.textSecondary
        font.pixelSize: Theme.fontNormal
    }

    RowLayout {
        spacing: 10
        //% "Preset"
        Label { text: qsTrId("prefs.media.preset") }
        QualityMenu {
            objectName: "defaultPresetMenu"
            //% "Preset of new downloads"
            purpose: qsTrId("prefs.media.preset.purpose")
            // As wide as its choice, within bounds: a long name is not cut.
            Layout.preferredWidth: Math.max(260, Math.min(440, neededWidth))
            model: {
                const entries = [{ label: qsTrId("media.preset.none"), key: "" }]
                for (let i = 0; i < settings.presets.length; ++i)
                    entries.push({ label: settings.presets[i].name, key: settings.presets[i].key })
                return entries
            }
            valueRole: "key"
            currentIndex: Math.max(0, model.findIndex(e => e[valueRole] === section.choices.preset))
            onActivated: if (currentValue.length > 0) settings.useDefaultPreset(currentValue)
        }
        IconButton {
            objectName: "deletePresetButton"
            visible: {
                for (let i = 0; i < settings.presets.length; ++i) {
                    const p = settings.presets[i]
                    if (!p.shipped && p.key === section.choices.preset)
                        return true
                }
                return false
            }
            symbol: "trash"; color: Theme.textMuted
            //% "Delete this preset"
            tip: qsTrId("prefs.media.preset.delete")
            onClicked: settings.removePreset(section.choices.preset)
        }
    }
    RowLayout {
        spacing: 10
        //% "Videos"
        Label { text: qsTrId("prefs.media.video") }
        QualityMenu {
            objectName: "defaultContainerMenu"
            //% "File format of new videos"
            purpose: qsTrId("prefs.media.video.purpose")
            Layout.preferredWidth: Math.max(190, Math.min(280, neededWidth))
            model: [{ label: "MP4", id: Media.Mp4 },
                    { label: qsTrId("media.format.mkv"), id: Media.Mkv },
                    { label: "WebM", id: Media.Webm }]
            currentIndex: model.findIndex(e => e[valueRole] === section.choices.container)
            onActivated: {
                const value = currentValue
                section.change(c => { c.container = value })
            }
        }
        //% "Audio"
        Label { text: qsTrId("prefs.media.audio"); Layout.leftMargin: 8 }
        QualityMenu {
            objectName: "defaultAudioMenu"
            //% "File format of new audio downloads"
            purpose: qsTrId("prefs.media.audio.purpose")
            Layout.preferredWidth: Math.max(120, Math.min(200, neededWidth))
            model: [{ label: "MP3", id: Media.Mp3 },
                    { label: qsTrId("media.format.m4a"), id: Media.M4a },
                    { label: "Opus", id: Media.Opus },
                    { label: "FLAC", id: Media.Flac },
                    { label: "WAV", id: Media.Wav }]
            currentIndex: model.findIndex(e => e[valueRole] === section.choices.audioCodec)
            onActivated: {
                const value = currentValue
                section.change(c => { c.audioCodec = value })
            }
        }
        Item { Layout.fillWidth: true }
    }
    // Drawn like the app's other boxes, its sentence wrapping.
    MenuCheck {
        id: metadataBox
        objectName: "embedMetadataBox"
        Layout.fillWidth: true
        wraps: true
        //% "Write the title, uploader, date, description, cover and chapters into the file"
        text: qsTrId("prefs.media.metadata")
        checked: section.choices.embedMetadata
        onToggled: {
            const on = checked
            section.change(c => { c.embedMetadata = on })
        }
    }
    RowLayout {
        spacing: 10
        TextField {
            id: presetName
            objectName: "presetNameField"
            // Wide enough for its hint in every language.
            Layout.preferredWidth: Math.max(220, Math.ceil(hintSize.advanceWidth)
                                                 + leftPadding + rightPadding + 2)
            TextMetrics {
                id: hintSize
                font: presetName.font
                text: presetName.placeholderText
            }
            //% "Name of a new preset"
            placeholderText: qsTrId("prefs.media.preset.name")
            Accessible.name: placeholderText
            color: Theme.textPrimary
            placeholderTextColor: Theme.textFaint
            font.pixelSize: Theme.fontNormal
            background: Rectangle {
                radius: Theme.radiusSmall
                color: Theme.control
                border.width: presetName.activeFocus ? Theme.focusRingWidth : 1
                border.color: presetName.activeFocus ? Theme.focusRing : Theme.outline
            }
            onAccepted: saveButton.clicked()
        }
        SecondaryButton {
            id: saveButton
            objectName: "savePresetButton"
            //% "Save as preset"
            text: qsTrId("prefs.media.preset.save")
            topPadding: 6; bottomPadding: 6
            enabled: presetName.text.trim().length > 0
            onClicked: {
                if (settings.saveDefaultsAs(presetName.text))
                    presetName.clear()
            }
        }
        Item { Layout.fillWidth: true }
    }
}
