pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// The preferences' sponsor segments: what becomes of the parts the community
// database lists for a video (kept, removed, or marked as chapters), of which
// categories, and the database's address. Off until chosen.
ColumnLayout {
    id: section
    objectName: "sponsorSetting"
    spacing: 8

    Preferences { id: settings }

    component Label: Text {
        textFormat: Text.PlainText
        color: Theme.textSecondary
        font.pixelSize: Theme.fontNormal
        wrapMode: Text.WordWrap
    }

    // The database's names for its categories, as the interface calls them.
    function categoryName(key: string): string {
        switch (key) {
        //% "Sponsor"
        case "sponsor": return qsTrId("sponsor.sponsor")
        //% "Self-promotion"
        case "selfpromo": return qsTrId("sponsor.selfpromo")
        //% "Interaction reminder"
        case "interaction": return qsTrId("sponsor.interaction")
        //% "Intro"
        case "intro": return qsTrId("sponsor.intro")
        //% "Outro"
        case "outro": return qsTrId("sponsor.outro")
        //% "Preview"
        case "preview": return qsTrId("sponsor.preview")
        //% "Non-music section"
        case "music_offtopic": return qsTrId("sponsor.music_offtopic")
        //% "Filler"
        case "filler": return qsTrId("sponsor.filler")
        }
        return key
    }

    RowLayout {
        spacing: 10
        //% "Sponsor segments"
        Label { text: qsTrId("prefs.sponsor") }
        QualityMenu {
            objectName: "sponsorActionMenu"
            //% "What becomes of sponsor segments"
            purpose: qsTrId("prefs.sponsor.purpose")
            Layout.preferredWidth: 220
            //% "Keep them"
            model: [{ label: qsTrId("prefs.sponsor.keep"), id: Media.Keep },
                    //% "Remove them"
                    { label: qsTrId("prefs.sponsor.remove"), id: Media.Remove },
                    //% "Mark them as chapters"
                    { label: qsTrId("prefs.sponsor.mark"), id: Media.Mark }]
            currentIndex: model.findIndex(e => e[valueRole] === settings.sponsorAction)
            onActivated: settings.sponsorAction = currentValue
        }
        Item { Layout.fillWidth: true }
    }
    Label {
        Layout.fillWidth: true
        color: Theme.textMuted
        font.pixelSize: Theme.fontSmall
        //% "Segments listed by the community database, for the videos of the sites it covers."
        text: qsTrId("prefs.sponsor.note")
    }
    // Two even columns leave room for the longer names of other languages;
    // a name still too long wraps rather than being cut.
    GridLayout {
        objectName: "sponsorCategories"
        Layout.fillWidth: true
        enabled: settings.sponsorAction !== Media.Keep
        opacity: enabled ? 1 : 0.5
        columns: 2
        columnSpacing: 6
        rowSpacing: 0
        Repeater {
            model: settings.sponsorCategoryNames
            MenuCheck {
                required property string modelData
                objectName: "sponsor." + modelData
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                wraps: true
                text: section.categoryName(modelData)
                checked: Array.from(settings.sponsorCategories).includes(modelData)
                onToggled: {
                    const key = modelData
                    const chosen = Array.from(settings.sponsorCategories).filter(c => c !== key)
                    if (checked)
                        chosen.push(key)
                    settings.sponsorCategories = chosen
                }
            }
        }
    }
    RowLayout {
        spacing: 10
        enabled: settings.sponsorAction !== Media.Keep
        opacity: enabled ? 1 : 0.5
        //% "Database address"
        Label { text: qsTrId("prefs.sponsor.api") }
        TextField {
            id: apiField
            objectName: "sponsorApiField"
            Layout.preferredWidth: 280
            text: settings.sponsorApi
            //% "The public database"
            placeholderText: qsTrId("prefs.sponsor.api.default")
            Accessible.name: qsTrId("prefs.sponsor.api")
            color: Theme.textPrimary
            placeholderTextColor: Theme.textFaint
            font.pixelSize: Theme.fontNormal
            background: Rectangle {
                radius: Theme.radiusSmall
                color: Theme.control
                border.width: apiField.activeFocus ? Theme.focusRingWidth : 1
                border.color: apiField.activeFocus ? Theme.focusRing : Theme.outline
            }
            onEditingFinished: settings.sponsorApi = text
        }
        Item { Layout.fillWidth: true }
    }
}
