pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Reelix

// Offered by a row that ended at a sign-in wall while no cookies are in use
// and a browser was found: use the default browser's cookies (Firefox
// first) and try again; the chevron picks another browser.
Row {
    id: offer
    objectName: "signInOffer"
    property DownloadItem download
    property DownloadManager manager
    readonly property var browsers: BrowserCookies.browsers
    spacing: 2

    function use(choice: int) {
        BrowserCookies.choose(choice)
        offer.manager.retry(offer.download)
    }

    component Pill: PlainButton {
        id: pill
        anchors.verticalCenter: parent.verticalCenter
        leftPadding: 10; rightPadding: 10; topPadding: 5; bottomPadding: 5
        focusRadius: height / 2
        background: Rectangle {
            radius: height / 2
            color: pill.hovered ? Theme.accentMid : Theme.accentDeep
        }
    }
    Pill {
        id: useButton
        objectName: "signInButton"
        text: offer.browsers.length > 0
              //% "Use cookies from %1"
              ? qsTrId("action.use_cookies_from").arg(offer.browsers[0].label) : ""
        contentItem: Row {
            spacing: 5
            Icon {
                name: "person.crop.circle"
                size: 10
                color: Theme.textOnAccent
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                textFormat: Text.PlainText
                text: useButton.text
                font.pixelSize: Theme.fontSmall
                font.weight: Font.DemiBold
                color: Theme.textOnAccent
            }
        }
        onClicked: offer.use(offer.browsers[0].choice)
    }
    Pill {
        id: more
        objectName: "signInChooser"
        visible: offer.browsers.length > 1
        //% "Use cookies from…"
        tip: qsTrId("action.use_cookies")
        contentItem: Icon { name: "chevron.down"; size: 9; color: Theme.textOnAccent }
        onClicked: offer.openChooser()
    }
    // The browsers open below the chevron, or above it where the window ends
    // first, from its leading edge and moved back inside the window: never
    // over the chevron, never cut by the window's edge.
    function openChooser() {
        const gap = 4
        const margin = 8
        const window = offer.Window
        const at = more.mapToItem(null, 0, 0)
        const below = at.y + more.height + gap + chooser.height <= window.height - margin
        const above = at.y - gap - chooser.height >= margin
        const y = below || !above ? more.height + gap : -chooser.height - gap
        // The menu's left edge, in the window, then kept within its margins.
        let left = more.mirrored ? at.x + more.width - chooser.width : at.x
        left = Math.max(margin, Math.min(left, window.width - margin - chooser.width))
        chooser.popup(more, left - at.x, y)
    }
    AppMenu {
        id: chooser
        objectName: "signInBrowsers"
        Instantiator {
            model: offer.browsers
            delegate: Action {
                required property var modelData
                text: qsTrId("action.use_cookies_from").arg(modelData.label)
                onTriggered: offer.use(modelData.choice)
            }
            onObjectAdded: (index, object) => chooser.insertAction(index, object)
            onObjectRemoved: (index, object) => chooser.removeAction(object)
        }
    }
}
