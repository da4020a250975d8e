import QtQuick
import QtQuick.Controls.Basic

// A chrome-less button whose look is given by its background and content.
AbstractButton {
    id: control
    property string tip
    hoverEnabled: true
    Accessible.name: tip.length > 0 ? tip : text
    ToolTip.visible: hovered && tip.length > 0
    ToolTip.text: tip
    ToolTip.delay: 500
    opacity: enabled ? 1 : 0.6
}
