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

    // A new row fades in and drops into place. It moves itself rather than
    // through the list's add transition: a list does not place its rows again
    // when its first row grows while that transition runs (its menus wrapping
    // to a second line), and the next row would cover it.
    transform: Translate { id: drop }
    ListView.onAdd: appear.restart()
    ParallelAnimation {
        id: appear
        NumberAnimation {
            target: slot; property: "opacity"; from: 0; to: 1; duration: Theme.durationAppear
        }
        NumberAnimation {
            target: drop; property: "y"; from: -20; to: 0
            duration: Theme.durationMove; easing.type: Easing.OutBack
        }
    }

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
            // Anchored, so that the indent is on the leading side in a
            // right-to-left language too.
            DownloadRow {
                id: row
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: parent.indent
                item: slot.item
                manager: slot.manager
                repeated: slot.repeated
                onShowUpdates: slot.showUpdates()
            }
        }
    }
}
