import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A row's quality menu, drawn like the row's buttons: as high, rounded, with
// a chevron and a list: "best", then the download's formats.
ComboBox {
    id: menu
    property DownloadItem download
    // What the menu chooses, read before its value: "Quality for <title>".
    //% "Quality for %1"
    property string purpose: download ? qsTrId("a11y.quality_for").arg(download.title) : ""
    implicitHeight: Theme.controlHeight
    // How wide the menu must be to show its choice whole.
    readonly property real neededWidth: implicitContentWidth + leftPadding + rightPadding
    font.pixelSize: Theme.fontNormal
    background: Rectangle {
        radius: Theme.radiusSmall
        color: menu.hovered || menu.popup.visible ? Theme.surfaceHover : Theme.control
        border.width: menu.visualFocus ? Theme.focusRingWidth : 1
        border.color: menu.visualFocus ? Theme.focusRing : Theme.outline
    }
    contentItem: Text {
        textFormat: Text.PlainText
        leftPadding: 10
        rightPadding: 26
        text: menu.displayText
        color: Theme.textBright
        font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    indicator: Icon {
        x: menu.width - width - 10
        y: (menu.height - height) / 2
        name: "chevron.down"
        size: 11
        color: Theme.textTertiary
    }
    popup: Popup {
        y: menu.height + 4
        width: menu.width
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 4
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: menu.popup.visible ? menu.delegateModel : null
            currentIndex: menu.highlightedIndex
        }
        background: Rectangle {
            radius: Theme.radiusMedium
            color: Theme.popup
            border.color: Theme.menuLine
            border.width: 1
        }
    }
    // A list's entry offers its list's choice first.
    readonly property int listCap: download && download.isGroupEntry
                                   ? download.group.qualityCap : 0
    model: download ? [{ label: listCap > 0 ? qsTrId("playlist.quality_cap").arg(listCap)
                                            : qsTrId("quality.best"),
                         id: "" }, ...download.formats] : []
    currentIndex: {
        const formats = download ? download.formats : []
        for (let i = 0; i < formats.length; ++i) {
            if (formats[i].id === download.selectedFormatID)
                return i + 1
        }
        return 0
    }
    onActivated: if (download) download.selectedFormatID = currentValue
    //% "%1: %2"
    Accessible.name: purpose.length > 0 ? qsTrId("a11y.named_value").arg(purpose).arg(displayText)
                                        : displayText
    textRole: "label"
    valueRole: "id"
    delegate: ItemDelegate {
        id: entry
        required property var modelData
        required property int index
        // The popup's list follows the highlighted entry.
        width: ListView.view ? ListView.view.width : 0
        implicitHeight: 28
        highlighted: ListView.isCurrentItem
        contentItem: Text {
            textFormat: Text.PlainText
            text: entry.modelData.label
            color: entry.highlighted ? Theme.textOnAccent : Theme.textBright
            font.pixelSize: Theme.fontNormal
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: Theme.radiusSmall
            color: entry.highlighted ? Theme.accent : Theme.popup
        }
    }
}
