pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Reelix

// What this is: the version, the licence, and the tools as the checker last
// found them (nothing is run to ask them).
Dialog {
    id: dialog
    objectName: "aboutDialog"
    required property DependencyChecker checker
    required property string version

    // The version a tool was found at, in words when there is none.
    function toolVersion(dep: Dependency): string {
        const found = dep.installedVersion.length > 0 ? dep.installedVersion
                    : dep.version.length > 0 ? dep.version : dep.systemVersion
        if (found.length > 0)
            return found
        if (dep.kind === DepState.Installed)
            //% "Installed"
            return qsTrId("about.installed")
        return qsTrId("setup.not_installed")
    }

    anchors.centerIn: parent
    width: Math.min(400, parent ? parent.width - 48 : 400)
    modal: true
    padding: 24
    onOpened: closeButton.forceActiveFocus()
    background: Rectangle {
        radius: Theme.radiusLarge
        color: Theme.menuBase
        border.color: Theme.menuLine
        border.width: 1
    }
    // The ids inside make it immediate, which a dialog made once can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        spacing: 10
        DiagonalGradient {
            Layout.alignment: Qt.AlignHCenter
            width: 48; height: 48; radius: 12
            Icon { anchors.centerIn: parent; name: "arrow.down"; size: 20; font.bold: true }
        }
        Text {
            textFormat: Text.PlainText
            Layout.alignment: Qt.AlignHCenter
            text: "Reelix"
            color: Theme.textBright
            font.pixelSize: Theme.fontHero; font.bold: true
        }
        Text {
            objectName: "aboutVersion"
            textFormat: Text.PlainText
            Layout.alignment: Qt.AlignHCenter
            //% "Version %1"
            text: qsTrId("about.version").arg(dialog.version)
            color: Theme.textSecondary
            font.pixelSize: Theme.fontNormal
        }
        Text {
            objectName: "aboutLicence"
            textFormat: Text.PlainText
            Layout.alignment: Qt.AlignHCenter
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            //% "Free software under the GNU General Public License v3 or later (GPL-3.0-or-later)."
            text: qsTrId("about.licence")
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
        GridLayout {
            objectName: "aboutTools"
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignHCenter
            columns: 2
            columnSpacing: 16
            rowSpacing: 4
            Repeater {
                model: [dialog.checker.ytdlp, dialog.checker.ffmpeg, dialog.checker.node]
                delegate: Text {
                    required property Dependency modelData
                    Layout.row: index
                    Layout.column: 0
                    required property int index
                    textFormat: Text.PlainText
                    text: modelData.name
                    color: Theme.textPrimary
                    font.pixelSize: Theme.fontNormal; font.weight: Font.DemiBold
                }
            }
            Repeater {
                model: [dialog.checker.ytdlp, dialog.checker.ffmpeg, dialog.checker.node]
                delegate: Text {
                    required property Dependency modelData
                    required property int index
                    objectName: "aboutToolVersion"
                    Layout.row: index
                    Layout.column: 1
                    Layout.maximumWidth: 220
                    textFormat: Text.PlainText
                    text: dialog.toolVersion(modelData)
                    elide: Text.ElideMiddle
                    color: Theme.textSecondary
                    font.pixelSize: Theme.fontNormal; font.family: Theme.monoFamily
                }
            }
        }
        PrimaryButton {
            id: closeButton
            objectName: "aboutCloseButton"
            Layout.alignment: Qt.AlignRight
            Layout.topMargin: 8
            topPadding: 9; bottomPadding: 9
            //% "Close"
            text: qsTrId("about.close")
            onClicked: dialog.close()
        }
    }
}
