pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// Help ▸ "Check my setup": every check of the setup, one line each, with
// the one thing to do and the button that does it; the report to paste.
Dialog {
    id: dialog
    objectName: "setupCheckDialog"
    required property SetupCheck check
    // A line's button: "install", "update", "choose-browser", "choose-folder"
    // or "open-preferences"; the window does it.
    signal actionRequested(string action)

    anchors.centerIn: parent
    width: Math.min(600, parent ? parent.width - 48 : 600)
    // Never taller than the window: the lines scroll instead.
    height: Math.min(implicitHeight, parent ? parent.height - 48 : implicitHeight)
    modal: true
    padding: 22
    onOpened: {
        if (!check.running && check.lines.length === 0)
            check.start()
        closeButton.forceActiveFocus()
    }
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    // The ids inside make it immediate, which a dialog made once can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        spacing: 12
        Text {
            textFormat: Text.PlainText
            //% "Check my setup"
            text: qsTrId("menu.setup_check")
            color: Theme.textBright
            font.pixelSize: Theme.fontTitle; font.weight: Font.DemiBold
        }
        Text {
            objectName: "setupCheckHeadline"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: dialog.check.running
                  //% "Checking the tools, cookies, folder and network…"
                  ? qsTrId("doctor.ui.running")
                  : dialog.check.problems > 0
                    //% "%n problem(s) stop downloads. Each line says what to do."
                    ? qsTrId("doctor.ui.problems", dialog.check.problems)
                    : dialog.check.warnings > 0
                      //% "Downloads should work; %n line(s) could be better."
                      ? qsTrId("doctor.ui.warnings", dialog.check.warnings)
                      //% "Everything Reelix needs is in place."
                      : qsTrId("doctor.ui.healthy")
            color: Theme.textSecondary
            font.pixelSize: Theme.fontNormal
        }
        Spinner {
            objectName: "setupCheckSpinner"
            Layout.alignment: Qt.AlignHCenter
            visible: dialog.check.running
            Accessible.role: Accessible.Animation
            Accessible.name: qsTrId("doctor.ui.running")
        }
        // Eight lines at most: all made at once, scrolled when the window is short.
        Flickable {
            id: list
            objectName: "setupCheckLines"
            Layout.fillWidth: true
            // All the lines, or what the window leaves beside the title and the buttons.
            Layout.fillHeight: true
            Layout.preferredHeight: contentHeight
            visible: !dialog.check.running
            clip: true
            contentHeight: lines.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            // Shown for as long as lines are out of sight, not only while scrolling.
            ScrollBar.vertical: ScrollBar {
                objectName: "setupCheckScrollBar"
                policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn
                                                         : ScrollBar.AsNeeded
            }
            ColumnLayout {
                id: lines
                width: list.width - 12
                spacing: 6
                Repeater {
                    model: dialog.check.lines
                    delegate: SetupCheckLine {
                        Layout.fillWidth: true
                        onActionRequested: action => dialog.actionRequested(action)
                    }
                }
            }
        }
        RowLayout {
            Layout.topMargin: 4
            spacing: 8
            SecondaryButton {
                objectName: "copyReportButton"
                topPadding: 9; bottomPadding: 9
                enabled: !dialog.check.running && dialog.check.lines.length > 0
                //% "Copy report"
                text: qsTrId("doctor.ui.copy_report")
                onClicked: Desktop.copyText(dialog.check.report())
            }
            SecondaryButton {
                objectName: "checkAgainButton"
                topPadding: 9; bottomPadding: 9
                enabled: !dialog.check.running
                //% "Check again"
                text: qsTrId("doctor.ui.again")
                onClicked: dialog.check.start()
            }
            Item { Layout.fillWidth: true }
            PrimaryButton {
                id: closeButton
                objectName: "setupCheckCloseButton"
                topPadding: 9; bottomPadding: 9
                text: qsTrId("about.close")
                onClicked: dialog.close()
            }
        }
    }
}
