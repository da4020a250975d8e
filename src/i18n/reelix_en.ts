<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Reelix</name>
    <message id="menu.tools">
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug Logs</source>
        <translation>Debug Logs</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Tool updates available</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Paste one or more video addresses, one per line</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>This address is already in the list</translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copy the error</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Clear finished</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>No downloads yet</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video address above, pick MP4 or MP3,
then press Add.</source>
        <translation>Paste a video address above, pick MP4 or MP3,
then press Add.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Choose the download folder</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Fetching info…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Best quality</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Show in folder</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Convert for playback</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site's certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>The site's certificate could not be verified. Check your network or proxy, then retry.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>This video is DRM-protected and cannot be downloaded.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube needs the Node.js runtime. Install or update the tools, then retry.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools › Check for Updates to install it.</source>
        <translation>yt-dlp is not installed. Open Tools › Check for Updates to install it.</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Finds and downloads the video</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Merges, probes and converts media</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>JavaScript runtime needed for YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix needs three free tools to work.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Open Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>No administrator password needed</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Install the tools</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Downloading yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Downloading ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Downloading Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Updates are available</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>All tools are up to date</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Install updates</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n download is running. Stop it and check for updates?</numerusform>
            <numerusform>%n downloads are running. Stop them and check for updates?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Stop and check</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Updating…</translation>
    </message>
    <message id="update.ready">
        <source>ready</source>
        <translation>ready</translation>
    </message>
    <message id="update.done">
        <source>updated</source>
        <translation>updated</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Updating yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Updating ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Updating Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
</TS>
