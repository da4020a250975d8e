import QtQuick
import QtQuick.Layouts
import Reelix

// One line of the setup check: its mark, what was found, what to do, and
// the button that does it.
RowLayout {
    id: line
    objectName: "setupCheckLine_" + modelData.id
    required property var modelData
    // The mark of the line's level, drawn and said, never by colour alone.
    readonly property var mark: modelData.level === "problem"
        //% "Problem"
        ? { symbol: "exclamationmark.circle.fill", color: Theme.danger,
            text: qsTrId("doctor.level.problem") }
        : modelData.level === "warning"
          //% "Warning"
          ? { symbol: "exclamationmark.triangle.fill", color: Theme.warning,
              text: qsTrId("doctor.level.warning") }
          //% "OK"
          : { symbol: "checkmark.circle.fill", color: Theme.success,
              text: qsTrId("doctor.level.ok") }
    signal actionRequested(string action)
    spacing: 10
    Accessible.role: Accessible.StaticText
    // The mark, what was found and what to do, read as one.
    //% "%1: %2 %3"
    Accessible.name: qsTrId("doctor.ui.line").arg(mark.text).arg(modelData.summary)
                                             .arg(modelData.todo)

    Icon {
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 1
        name: line.mark.symbol
        color: line.mark.color
        size: 14
    }
    ColumnLayout {
        Layout.fillWidth: true
        spacing: 2
        Text {
            objectName: "setupCheckLevel"
            textFormat: Text.PlainText
            text: line.mark.text
            color: line.mark.color
            font.pixelSize: Theme.fontSmall; font.weight: Font.DemiBold
        }
        Text {
            objectName: "setupCheckSummary"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            text: Theme.wholeValues(line.modelData.summary)
            color: Theme.textPrimary
            font.pixelSize: Theme.fontNormal
        }
        Text {
            objectName: "setupCheckTodo"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            visible: text.length > 0
            wrapMode: Text.Wrap
            text: Theme.wholeValues(line.modelData.todo)
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
    }
    SecondaryButton {
        objectName: "setupCheckAction"
        Layout.alignment: Qt.AlignTop
        visible: line.modelData.action.length > 0
        topPadding: 6; bottomPadding: 6; leftPadding: 12; rightPadding: 12
        text: line.modelData.actionLabel
        Accessible.description: line.modelData.summary
        onClicked: line.actionRequested(line.modelData.action)
    }
}
