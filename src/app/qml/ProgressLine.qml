import QtQuick
import Reelix

// A 3-point capsule track with a gradient fill from the leading edge.
Item {
    id: bar
    property real value: 0
    property color accent: Theme.accent
    property real endOpacity: 0.6
    property int duration: Theme.durationProgress
    implicitHeight: 3
    // What a screen reader reads: the value between from and to.
    readonly property real from: 0
    readonly property real to: 1
    Accessible.role: Accessible.ProgressBar
    //% "Progress"
    Accessible.name: qsTrId("a11y.progress")
    // Qt 6.4 gives an item's progress bar no value interface: the percentage is read here.
    Accessible.description: qsTrId("progress.percent")
                                .arg(Math.round(Math.max(0, Math.min(1, value)) * 100))
    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: Theme.track
    }
    Rectangle {
        objectName: "progressFill"
        // From the leading edge: the right one in a right-to-left language.
        anchors.left: parent.left
        height: parent.height
        radius: height / 2
        width: Math.max(0, parent.width * bar.value)
        Behavior on width { NumberAnimation { duration: bar.duration; easing.type: Easing.Linear } }
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: bar.LayoutMirroring.enabled ? 1 : 0; color: bar.accent }
            GradientStop {
                position: bar.LayoutMirroring.enabled ? 0 : 1
                color: Qt.rgba(bar.accent.r, bar.accent.g, bar.accent.b, bar.endOpacity)
            }
        }
    }
}
