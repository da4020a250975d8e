import QtQuick
import Reelix

// A symbol from the icon font, by the names the views use.
Text {
    textFormat: Text.PlainText
    property string name
    property int size: 12
    property int weight: Font.Normal
    text: Desktop.glyph(name)
    font.family: Desktop.iconFont
    font.pixelSize: Math.round(size * 1.25)
    color: Theme.textOnAccent
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
}
