import QtQuick
import Reelix

// A small circular activity indicator.
Item {
    id: spinner
    property real scaleFactor: 0.55
    property color tint: Theme.textDim
    // A canvas keeps its picture: a new colour (the scheme changed) is drawn again.
    onTintChanged: arc.requestPaint()
    implicitWidth: 28
    implicitHeight: 28
    Canvas {
        id: arc
        width: 36 * spinner.scaleFactor
        height: width
        anchors.centerIn: parent
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = Math.max(2, width / 9)
            ctx.lineCap = "round"
            ctx.strokeStyle = spinner.tint
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, width / 2 - ctx.lineWidth, 0, Math.PI * 1.5)
            ctx.stroke()
        }
        RotationAnimator on rotation {
            from: 0; to: 360; duration: Theme.durationSpin
            loops: Animation.Infinite
            running: spinner.visible
        }
    }
}
