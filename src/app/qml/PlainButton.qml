import QtQuick
import QtQuick.Controls.Basic
import Reelix

// A chrome-less button whose look is given by its background and content,
// with the app's tooltip and a ring while the keyboard has the focus here.
AbstractButton {
    id: control
    property string tip
    // The corner radius of the ring, to follow the background's.
    property real focusRadius: Theme.radiusSmall
    hoverEnabled: true
    Accessible.name: tip.length > 0 ? tip : text
    // A screen reader's "press" does what a click does (Qt 6.4 only toggles).
    Accessible.onPressAction: {
        if (control.checkable)
            control.toggle()
        control.clicked()
    }
    opacity: enabled ? 1 : 0.6
    // The tooltip is made on first hover: lists hold many buttons.
    Loader {
        active: control.hovered && control.tip.length > 0
        sourceComponent: Tip { visible: true }
        // The tooltip belongs to the button, not to its loader.
        onLoaded: {
            item.parent = control;
            (item as Tip).text = Qt.binding(() => control.tip)
        }
    }
    Rectangle {
        objectName: "keyboardFocusRing"
        anchors.fill: parent
        anchors.margins: -Theme.focusRingGap
        radius: control.focusRadius + Theme.focusRingGap
        color: "transparent"
        border.width: Theme.focusRingWidth
        border.color: Theme.focusRing
        visible: control.visualFocus
        z: 10
    }
}
