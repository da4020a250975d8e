import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A line of a menu that is checked on or off, drawn like the menus' entries.
// The box stands at the line's leading edge: at the right in Arabic.
CheckDelegate {
    id: line
    // Where the space is fixed (a menu) a long text is cut; elsewhere it may wrap.
    property bool wraps: false
    topPadding: 4; bottomPadding: 4
    implicitHeight: Math.max(28, implicitContentHeight + topPadding + bottomPadding)
    font.pixelSize: Theme.fontNormal
    Accessible.name: text
    Accessible.onToggleAction: { line.toggle(); line.toggled() }
    Accessible.onPressAction: { line.toggle(); line.toggled() }
    // The box on the leading side, the text after it starting there too,
    // whatever its own script; both mirror in a right-to-left layout.
    contentItem: Text {
        textFormat: Text.PlainText
        leftPadding: line.mirrored ? 0 : line.indicator.width + 8
        rightPadding: line.mirrored ? line.indicator.width + 8 : 0
        horizontalAlignment: Text.AlignLeft
        text: line.text
        color: Theme.textBright
        font: line.font
        elide: line.wraps ? Text.ElideNone : Text.ElideRight
        wrapMode: line.wraps ? Text.WordWrap : Text.NoWrap
        verticalAlignment: Text.AlignVCenter
    }
    indicator: Rectangle {
        x: line.mirrored ? line.width - width - line.rightPadding : line.leftPadding
        y: (line.height - height) / 2
        implicitWidth: 14; implicitHeight: 14
        radius: line.autoExclusive ? 7 : 3
        color: line.checked ? Theme.accent : "transparent"
        border.width: line.visualFocus ? Theme.focusRingWidth : 1
        border.color: line.visualFocus ? Theme.focusRing : Theme.outline
        Icon {
            anchors.centerIn: parent
            visible: line.checked
            name: "checkmark"; size: 9
            color: Theme.textOnAccent
        }
    }
    background: Rectangle {
        radius: Theme.radiusSmall
        color: line.hovered || line.visualFocus ? Theme.surfaceHover : "transparent"
    }
}
