pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A row's quality menu, drawn like the row's buttons: as high, rounded, with
// a chevron and a dark list. Entries are {label, id}.
ComboBox {
    id: menu
    implicitHeight: Theme.controlHeight
    font.pixelSize: Theme.fontNormal
    background: Rectangle {
        radius: Theme.radiusSmall
        color: menu.hovered || menu.popup.visible ? Theme.surfaceHover : Theme.control
        border.width: menu.visualFocus ? Theme.focusRingWidth : 1
        border.color: menu.visualFocus ? Theme.focusRing : Theme.outline
    }
    contentItem: Text {
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
    textRole: "label"
    valueRole: "id"
    delegate: ItemDelegate {
        id: entry
        required property var modelData
        required property int index
        width: menu.width - 8
        implicitHeight: 28
        highlighted: menu.highlightedIndex === index
        contentItem: Text {
            text: entry.modelData.label
            color: Theme.textBright
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
