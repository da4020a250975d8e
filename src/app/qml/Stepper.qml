import QtQuick
import QtQuick.Layouts
import Reelix

// A number picked with − and +, from `from` to `to`; `from` may read as a word
// ("Unlimited") through `zeroText`.
RowLayout {
    id: stepper
    property int value
    property int from: 1
    property int to: 16
    property string zeroText
    // What the number is, for a screen reader: "Downloads at the same time".
    property string name
    readonly property string valueText: value === 0 && zeroText.length > 0 ? zeroText
                                                                          : String(value)
    signal picked(int value)
    spacing: 6
    PlainButton {
        objectName: "stepDown"
        enabled: stepper.value > stepper.from
        implicitWidth: Theme.controlHeight; implicitHeight: Theme.controlHeight
        background: Rectangle {
            radius: Theme.radiusSmall
            color: Theme.control
            border.color: Theme.outline
        }
        contentItem: Text {
            textFormat: Text.PlainText
            text: "−"
            color: Theme.textBright
            font.pixelSize: Theme.fontTitle
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        //% "%1: decrease"
        Accessible.name: qsTrId("a11y.step_down").arg(stepper.name)
        Accessible.description: stepper.valueText
        onClicked: stepper.picked(stepper.value - 1)
    }
    Text {
        objectName: "stepValue"
        textFormat: Text.PlainText
        Layout.preferredWidth: Math.max(implicitWidth, Theme.controlHeight)
        horizontalAlignment: Text.AlignHCenter
        text: stepper.valueText
        color: Theme.textPrimary
        font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
    }
    PlainButton {
        objectName: "stepUp"
        enabled: stepper.value < stepper.to
        implicitWidth: Theme.controlHeight; implicitHeight: Theme.controlHeight
        background: Rectangle {
            radius: Theme.radiusSmall
            color: Theme.control
            border.color: Theme.outline
        }
        contentItem: Text {
            textFormat: Text.PlainText
            text: "+"
            color: Theme.textBright
            font.pixelSize: Theme.fontTitle
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        //% "%1: increase"
        Accessible.name: qsTrId("a11y.step_up").arg(stepper.name)
        Accessible.description: stepper.valueText
        onClicked: stepper.picked(stepper.value + 1)
    }
}
