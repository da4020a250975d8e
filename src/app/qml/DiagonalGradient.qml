import QtQuick
import Reelix

// The brand gradient, top-leading to bottom-trailing, in a rounded shape.
// Drawn on a canvas: a Rectangle's gradient is only vertical or horizontal.
Canvas {
    id: canvas
    property real radius: 0
    property color from: Theme.accent
    property color to: Theme.violet
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()
    onRadiusChanged: requestPaint()
    onFromChanged: requestPaint()
    onToChanged: requestPaint()
    onPaint: {
        const ctx = getContext("2d")
        ctx.reset()
        const fill = ctx.createLinearGradient(0, 0, width, height)
        fill.addColorStop(0, canvas.from)
        fill.addColorStop(1, canvas.to)
        ctx.fillStyle = fill
        ctx.beginPath()
        ctx.roundedRect(0, 0, width, height, radius, radius)
        ctx.fill()
    }
}
