import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A line of a menu that is checked on or off, drawn like the menus' entries.
CheckDelegate {
    id: line
    font.pixelSize: Theme.fontNormal
    Accessible.name: text
    Accessible.onToggleAction: { line.toggle(); line.toggled() }
    Accessible.onPressAction: { line.toggle(); line.toggled() }
    // A long text may wrap onto more lines instead of being cut.
    property int wrapMode: Text.NoWrap
    implicitHeight: Math.max(28, implicitContentHeight + 10)
    // The box on the leading side, the text after it, whatever the text's script.
    contentItem: Text {
        textFormat: Text.PlainText
        leftPadding: line.mirrored ? 0 : line.indicator.width + 8
        rightPadding: line.mirrored ? line.indicator.width + 8 : 0
        horizontalAlignment: Text.AlignLeft
        text: line.text
        color: Theme.textBright
        font: line.font
        wrapMode: line.wrapMode
        elide: line.wrapMode === Text.NoWrap ? Text.ElideRight : Text.ElideNone
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
