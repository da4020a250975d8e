import QtQuick
import Reelix

// One row of the download list: a list's header, or a download (a list's
// entries indented under their header).
Loader {
    id: slot
    required property DownloadItem item
    required property DownloadManager manager
    property bool repeated: false
    signal showUpdates()
    sourceComponent: item.isGroupHeader ? headerRow : downloadRow

    // A Loader cannot make bound components in Qt 6.4, so these reach the
    // slot by its id.
    // qmllint disable unqualified
    Component {
        id: headerRow
        GroupHeader { item: slot.item; manager: slot.manager }
    }
    Component {
        id: downloadRow
        Item {
            readonly property int indent: slot.item.isGroupEntry ? 28 : 0
            implicitHeight: row.implicitHeight
            DownloadRow {
                id: row
                x: parent.indent
                width: parent.width - parent.indent
                item: slot.item
                manager: slot.manager
                repeated: slot.repeated
                onShowUpdates: slot.showUpdates()
            }
        }
    }
}
