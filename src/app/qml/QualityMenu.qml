pragma ComponentBehavior: Bound
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
    // The chevron sits at the trailing end, the left one in a mirrored layout,
    // and the choice starts at the leading edge whatever its own script.
    contentItem: Text {
        textFormat: Text.PlainText
        leftPadding: menu.mirrored ? 26 : 10
        rightPadding: menu.mirrored ? 10 : 26
        text: menu.displayText
        color: Theme.textBright
        font.pixelSize: Theme.fontNormal; font.weight: Font.Medium
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    indicator: Icon {
        objectName: "menuChevron"
        x: menu.mirrored ? 10 : menu.width - width - 10
        y: (menu.height - height) / 2
        name: "chevron.down"
        size: 11
        color: Theme.textTertiary
    }
    // The popup starts at the menu's leading edge and is as wide as its widest
    // entry, at least the menu's width and never wider than the window, where
    // an entry wraps instead of being cut.
    readonly property int entryPadding: 12
    // Measures as the entries lay out, a text mixing scripts included.
    Text {
        id: ruler
        visible: false
        textFormat: Text.PlainText
        font.pixelSize: Theme.fontNormal
    }
    function widestEntry(): real {
        let widest = 0
        for (let i = 0; i < count; ++i) {
            ruler.text = textAt(i)
            widest = Math.max(widest, ruler.implicitWidth)
        }
        return Math.ceil(widest) + 2 * entryPadding
    }
    // Measured when shown, so that a closed menu in every row costs nothing,
    // and again when the entries change while it is open.
    onCountChanged: if (popup.visible) popup.widest = widestEntry()
    onModelChanged: if (popup.visible) popup.widest = widestEntry()
    popup: Popup {
        property real widest: 0
        onAboutToShow: widest = menu.widestEntry()
        readonly property real room: menu.Window.width > 0 ? menu.Window.width - 2 * margins
                                                           : Infinity
        x: menu.mirrored ? menu.width - width : 0
        y: menu.height + 4
        width: Math.min(room, Math.max(menu.width, widest + leftPadding + rightPadding))
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 4
        margins: 8 // kept inside the window
        contentItem: ListView {
            objectName: "menuEntries"
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
        leftPadding: menu.entryPadding; rightPadding: menu.entryPadding
        topPadding: 5; bottomPadding: 5
        implicitHeight: Math.max(28, implicitContentHeight + topPadding + bottomPadding)
        highlighted: ListView.isCurrentItem
        contentItem: Text {
            objectName: "menuEntryText"
            textFormat: Text.PlainText
            text: entry.modelData.label
            color: entry.highlighted ? Theme.textOnAccent : Theme.textBright
            font.pixelSize: Theme.fontNormal
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
        }
        background: Rectangle {
            radius: Theme.radiusSmall
            color: entry.highlighted ? Theme.accent : Theme.popup
        }
    }
}
