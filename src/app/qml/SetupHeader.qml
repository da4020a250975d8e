import QtQuick
import QtQuick.Layouts
import Reelix

// The setup view's head: the badge, the name, the version and what the
// view is about, each coming in after the one before.
ColumnLayout {
    id: header
    required property bool appeared
    required property string version
    required property string symbol // the badge's
    required property string subtitle

    spacing: 12
    Item {
        Layout.alignment: Qt.AlignHCenter
        width: 64; height: 64
        scale: header.appeared ? 1 : 0.7
        opacity: header.appeared ? 1 : 0
        Behavior on scale {
            SequentialAnimation {
                PauseAnimation { duration: Theme.delayBadge }
                SpringAnimation { spring: 4; damping: 0.3; epsilon: 0.005 }
            }
        }
        Behavior on opacity {
            SequentialAnimation {
                PauseAnimation { duration: Theme.delayBadge }
                NumberAnimation { duration: Theme.durationMove }
            }
        }
        // A soft blue glow: rings of falling opacity (drawn the same by
        // every renderer, the software one included).
        Repeater {
            model: 10
            Rectangle {
                required property int index
                anchors.centerIn: parent
                width: 64 + (index + 1) * 4
                height: width
                radius: 16 + (index + 1) * 2
                color: Qt.rgba(Theme.accent.r, Theme.accent.g, Theme.accent.b,
                               0.5 * 0.22 * Math.pow(1 - index / 10, 2))
            }
        }
        Rectangle {
            id: badge
            objectName: "badge"
            anchors.fill: parent
            radius: 16
            color: "transparent"
            DiagonalGradient { anchors.fill: parent; radius: 16 }
            Icon {
                objectName: "badgeSymbol"
                anchors.centerIn: parent
                name: header.symbol
                size: 26; font.bold: true
            }
        }
    }
    Text {
        textFormat: Text.PlainText
        Layout.alignment: Qt.AlignHCenter
        text: "Reelix"
        color: Theme.textBright
        font.pixelSize: Theme.fontHero; font.bold: true
        opacity: header.appeared ? 1 : 0
        Behavior on opacity {
            SequentialAnimation {
                PauseAnimation { duration: Theme.delayTitle }
                NumberAnimation {
                    duration: Theme.durationEntrance
                    easing.type: Easing.OutQuad
                }
            }
        }
    }
    Text {
        objectName: "versionLine"
        textFormat: Text.PlainText
        Layout.alignment: Qt.AlignHCenter
        text: "v" + header.version
        color: Theme.onDarkFaint
        font.pixelSize: Theme.fontSmall; font.weight: Font.Medium
        opacity: header.appeared ? 1 : 0
        Behavior on opacity {
            SequentialAnimation {
                PauseAnimation { duration: Theme.delayVersion }
                NumberAnimation {
                    duration: Theme.durationEntrance
                    easing.type: Easing.OutQuad
                }
            }
        }
    }
    Text {
        objectName: "subtitle"
        textFormat: Text.PlainText
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: 340
        text: header.subtitle
        color: Theme.onDarkHigh
        font.pixelSize: Theme.fontLarge
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        opacity: header.appeared ? 1 : 0
        Behavior on opacity {
            SequentialAnimation {
                PauseAnimation { duration: Theme.delaySubtitle }
                NumberAnimation {
                    duration: Theme.durationEntrance
                    easing.type: Easing.OutQuad
                }
            }
        }
    }
}
