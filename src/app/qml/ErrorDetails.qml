import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// A failed download's details, one click away: the tool's own text in a
// popup, selectable, and the whole error (sentence and detail) to copy.
Row {
    id: details
    objectName: "errorDetails"
    required property DownloadItem download
    readonly property string fullText: download.errorDetail.length > 0
                                       ? download.errorMessage + "\n" + download.errorDetail
                                       : download.errorMessage
    spacing: 4

    IconButton {
        objectName: "errorDetailsButton"
        symbol: "doc.text"; color: Theme.textMuted
        //% "Details"
        tip: qsTrId("error.details")
        onClicked: popup.opened ? popup.close() : popup.open()
    }
    IconButton {
        objectName: "copyErrorButton"
        symbol: "doc.on.clipboard"; color: Theme.textMuted
        //% "Copy the error"
        tip: qsTrId("action.copy_error")
        onClicked: Desktop.copyText(details.fullText)
    }

    Popup {
        id: popup
        objectName: "errorDetailsPopup"
        x: details.width - width
        y: details.height + 6
        width: 440
        padding: 14
        margins: 8 // kept inside the window, above the row when it is the last
        focus: true
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
        background: Rectangle {
            radius: Theme.radiusLarge
            color: Theme.popup
            border.color: Theme.outline
            border.width: 1
        }
        // The only child: the popup takes its size.
        ColumnLayout {
            width: parent.width
            spacing: 8
            Text {
                objectName: "errorSentence"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: details.download.errorMessage
                color: Theme.textEmphasis
                font.pixelSize: Theme.fontNormal
                wrapMode: Text.Wrap
            }
            Text {
                textFormat: Text.PlainText
                //% "What the tool said"
                text: qsTrId("error.details_title")
                color: Theme.textMuted
                font.pixelSize: Theme.fontSmall
            }
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: Math.min(detailText.implicitHeight, 160) + 16
                radius: Theme.radiusSmall
                color: Theme.well
                Flickable {
                    anchors.fill: parent
                    anchors.margins: 8
                    clip: true
                    contentHeight: detailText.implicitHeight
                    boundsBehavior: Flickable.StopAtBounds
                    TextEdit {
                        id: detailText
                        objectName: "errorDetailText"
                        width: parent.width
                        textFormat: TextEdit.PlainText
                        readOnly: true
                        selectByMouse: true
                        persistentSelection: true
                        wrapMode: TextEdit.WrapAtWordBoundaryOrAnywhere
                        //% "The tool said nothing more."
                        text: details.download.errorDetail.length > 0
                              ? details.download.errorDetail : qsTrId("error.no_detail")
                        color: Theme.textSecondary
                        selectionColor: Theme.accentSelection
                        font.pixelSize: Theme.fontSmall
                        font.family: Theme.monoFamily
                    }
                }
            }
            SecondaryButton {
                objectName: "copyDetailsButton"
                Layout.alignment: Qt.AlignRight
                topPadding: 6; bottomPadding: 6; leftPadding: 14; rightPadding: 14
                //% "Copy"
                text: qsTrId("error.copy")
                onClicked: Desktop.copyText(details.fullText)
            }
        }
    }
}
