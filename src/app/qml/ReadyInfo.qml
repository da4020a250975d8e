import QtQuick
import Reelix

// What a download waiting for its start will bring, from its information run
// and the quality chosen: "12:34 · 1080p · ~240 MB". Empty when nothing is known.
Text {
    id: info
    objectName: "readyInfo"
    required property DownloadItem download
    property bool showDuration: true

    // The format the download takes: the one chosen, else the highest within
    // its list's limit (what "best" picks).
    readonly property var chosen: {
        const formats = download.formats
        const id = download.selectedFormatID
        const cap = download.isGroupEntry && download.group ? download.group.qualityCap : 0
        for (const f of formats) {
            if (id.length > 0 ? f.id === id : cap === 0 || f.height <= cap)
                return f
        }
        return null
    }

    // In the locale's digits, as the sizes beside it are.
    function clock(seconds: int): string {
        const n = v => Number(v).toLocaleString(Qt.locale(), "f", 0)
        const two = v => (v < 10 ? n(0) : "") + n(v)
        const m = Math.floor(seconds / 60)
        const h = Math.floor(seconds / 3600)
        return h > 0 ? n(h) + ":" + two(m % 60) + ":" + two(seconds % 60)
                     : n(m) + ":" + two(seconds % 60)
    }

    visible: download.status === Download.Ready && text.length > 0
    textFormat: Text.PlainText
    text: {
        const parts = []
        if (showDuration && download.duration > 0)
            parts.push(clock(download.duration))
        if (download.format === Download.Video && chosen) {
            parts.push(chosen.label)
            if (chosen.size > 0)
                parts.push("~" + Desktop.dataSize(chosen.size))
        }
        return Theme.line(parts, " · ")
    }
    color: Theme.textDim
    font.pixelSize: Theme.fontSmall
    elide: Text.ElideRight
    maximumLineCount: 1
}
