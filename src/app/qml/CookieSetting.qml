pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Dialogs
import QtQuick.Layouts
import Reelix

// The cookie setting on its own: "None", each browser found here (and its
// profiles when it has several), or a cookies.txt file. Any window can host it.
ColumnLayout {
    id: setting
    objectName: "cookieSetting"
    spacing: 4

    Component.onCompleted: BrowserCookies.refresh()

    Text {
        textFormat: Text.PlainText
        Layout.bottomMargin: 6
        //% "Use cookies from:"
        text: qsTrId("cookies.use_from")
        color: Theme.textPrimary
        font.pixelSize: Theme.fontLarge
        font.weight: Font.DemiBold
    }

    component Choice: PlainButton {
        id: choice
        property bool chosen: false
        property bool indented: false
        Layout.fillWidth: true
        implicitHeight: Theme.controlHeight
        focusRadius: Theme.radiusSmall
        // A profile stands in under its browser, from the leading edge.
        leftPadding: choice.indented && !choice.mirrored ? 30 : 8
        rightPadding: choice.indented && choice.mirrored ? 30 : 8
        // One of a group of exclusive choices: announced as a radio button.
        Accessible.role: Accessible.RadioButton
        Accessible.checkable: true
        Accessible.checked: chosen
        background: Rectangle {
            radius: Theme.radiusSmall
            color: choice.hovered ? Theme.surfaceHover : "transparent"
        }
        contentItem: RowLayout {
            spacing: 10
            Rectangle {
                Layout.preferredWidth: 14
                Layout.preferredHeight: 14
                radius: 7
                color: "transparent"
                border.width: choice.chosen ? 4 : 1.5
                border.color: choice.chosen ? Theme.accent : Theme.textMuted
            }
            Text {
                objectName: "cookieChoiceText"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: choice.text
                // Beside its circle even when a browser's name reads the other way.
                horizontalAlignment: Text.AlignLeft
                color: choice.chosen ? Theme.textBright : Theme.textSecondary
                font.pixelSize: Theme.fontNormal
                elide: Text.ElideMiddle
            }
        }
    }

    Repeater {
        model: BrowserCookies.choices
        delegate: Choice {
            required property var modelData
            required property int index
            objectName: "cookieChoice"
            text: modelData.label
            indented: modelData.profile
            chosen: BrowserCookies.current === index
            onClicked: BrowserCookies.choose(index)
        }
    }
    Text {
        objectName: "noBrowserFound"
        textFormat: Text.PlainText
        visible: BrowserCookies.choices.length <= 1
        Layout.fillWidth: true
        Layout.leftMargin: 8
        //% "No browser found on this machine: use a cookies.txt file exported from your browser."
        text: qsTrId("cookies.none_found")
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
        wrapMode: Text.Wrap
    }
    Choice {
        objectName: "cookieFileChoice"
        //% "A cookies.txt file…"
        text: BrowserCookies.file.length > 0 ? Theme.leftToRight(BrowserCookies.file)
                                             : qsTrId("cookies.file")
        chosen: BrowserCookies.current < 0
        onClicked: fileDialog.open()
    }
    // When the chosen cookies go with a download: every time, or only
    // after a site asked for a signed-in visitor.
    Text {
        textFormat: Text.PlainText
        visible: BrowserCookies.inUse
        Layout.topMargin: 10
        Layout.bottomMargin: 2
        //% "Use them:"
        text: qsTrId("cookies.when")
        color: Theme.textPrimary
        font.pixelSize: Theme.fontNormal
        font.weight: Font.DemiBold
    }
    Choice {
        objectName: "cookiesAlwaysChoice"
        visible: BrowserCookies.inUse
        //% "For every download"
        text: qsTrId("cookies.when_always")
        chosen: !BrowserCookies.onlyWhenAsked
        onClicked: BrowserCookies.onlyWhenAsked = false
    }
    Choice {
        objectName: "cookiesWhenAskedChoice"
        visible: BrowserCookies.inUse
        //% "Only when a site asks me to sign in"
        text: qsTrId("cookies.when_asked")
        chosen: BrowserCookies.onlyWhenAsked
        onClicked: BrowserCookies.onlyWhenAsked = true
    }
    Text {
        textFormat: Text.PlainText
        Layout.fillWidth: true
        Layout.topMargin: 10
        //% "Sites that want you signed in (age checks, members-only videos, “not a bot” checks)"
        //% " let Reelix in with the cookies of a browser where you are signed in. Reelix keeps"
        //% " only the browser's name or the file's path, never a cookie."
        text: qsTrId("cookies.explain")
        color: Theme.textFaint
        font.pixelSize: Theme.fontSmall
        // A word longer than the line (an address) is broken rather than cut.
        wrapMode: Text.Wrap
    }

    FileDialog {
        id: fileDialog
        //% "Choose a cookies.txt file"
        title: qsTrId("cookies.file_title")
        nameFilters: ["cookies.txt (*.txt)", "* (*)"]
        onAccepted: BrowserCookies.chooseFile(selectedFile)
    }
}
