// Reelix for the browser: the toolbar button, the context menu entries and
// the keyboard shortcut send an address to the Reelix window through the
// native messaging host. Nothing else leaves the browser.
"use strict";

const api = globalThis.browser ?? globalThis.chrome;
const host = "org.reelix.reelix";
const text = (id) => api.i18n.getMessage(id);

// The badge says how it went for a few seconds; the title says it in words.
function tell(tabId, ok, title) {
    const scope = tabId === undefined ? {} : { tabId };
    api.action.setBadgeBackgroundColor({ ...scope, color: ok ? "#2e7d32" : "#c62828" });
    api.action.setBadgeText({ ...scope, text: ok ? "✓" : "!" });
    api.action.setTitle({ ...scope, title });
    setTimeout(() => api.action.setBadgeText({ ...scope, text: "" }), ok ? 4000 : 15000);
}

function isWebAddress(address) {
    return typeof address === "string" && /^https?:\/\//i.test(address);
}

async function send(tabId, address, format) {
    if (!isWebAddress(address)) {
        tell(tabId, false, text("notAWebPage"));
        return;
    }
    try {
        const answer = await api.runtime.sendNativeMessage(host, { addresses: [address], format });
        if (answer && answer.taken === true)
            tell(tabId, true, text("taken"));
        else
            tell(tabId, false, text("refused"));
    } catch (error) {
        // The browser's words for a missing host differ; either way Reelix
        // (and with it the host) is to be installed.
        console.warn("Reelix:", error && error.message);
        tell(tabId, false, text("notInstalled"));
    }
}

// A link's target first, then the video or audio file when it is a web
// address (a page's player often plays a blob: one), else the page itself.
function addressOf(info) {
    if (isWebAddress(info.linkUrl))
        return info.linkUrl;
    if ((info.mediaType === "video" || info.mediaType === "audio") && isWebAddress(info.srcUrl))
        return info.srcUrl;
    return info.pageUrl ?? info.frameUrl;
}

// Made again on each install and update, as both browsers keep them between.
api.runtime.onInstalled.addListener(async () => {
    const contexts = ["page", "link", "video", "audio"];
    await api.contextMenus.removeAll();
    api.contextMenus.create({ id: "reelix-video", title: text("menuVideo"), contexts });
    api.contextMenus.create({ id: "reelix-audio", title: text("menuAudio"), contexts });
});

api.contextMenus.onClicked.addListener((info, tab) => {
    const format = info.menuItemId === "reelix-audio" ? "audio" : "default";
    send(tab?.id, addressOf(info), format);
});

api.action.onClicked.addListener((tab) => send(tab.id, tab.url, "default"));
