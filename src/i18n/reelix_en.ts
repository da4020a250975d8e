<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Check for updates…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Debug logs</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>About Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Check my setup</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Add the addresses typed, or press the highlighted button</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Open the menu bar</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Open a menu</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Close a dialog, the preferences or the log</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Installed</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Close</translation>
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
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n line was not an address</numerusform>
            <numerusform>%n lines were not addresses</numerusform>
        </translation>
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
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Paste a video or playlist address above and press Enter — the download starts by itself.</translation>
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
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Not installed</translation>
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
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>QuickTime conversion — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Starting…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 of ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
    <message id="duration.seconds">
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message id="duration.minutes">
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message id="duration.hours">
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>Downloaded at %1p: %2p was not available</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Subtitles not downloaded: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Trying again another way…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Making playable everywhere — %1%</translation>
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
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Quality for %1</translation>
    </message>
    <message id="a11y.named_value">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="media.format.m4a">
        <source>M4A (AAC)</source>
        <translation>M4A (AAC)</translation>
    </message>
    <message id="media.format.mkv">
        <source>MKV, keeps everything</source>
        <translation>MKV, keeps everything</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Same as source</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Track %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (original)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audio description</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>From the uploader</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Automatic captions</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Automatic translations</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>All</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Subtitles: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Inside the file</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Beside the file (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>No preset</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Trim…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Clip %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>One file per chapter</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Download part of %1: a time range or chapters</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Trim “%1”</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Duration: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>From</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>to</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Start of the clip</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>End of the clip</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Type the start as h:mm:ss, for example 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Type the end as h:mm:ss, for example 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>The end must come after the start</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>The video ends at %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Or pick chapters: each run of chapters becomes a clip of its own.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Whole video, one file per chapter in a folder named after it</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Precise cut</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Re-encodes at the cut points: exact to the frame, but slower.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Trim</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast: Opus 96 kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Music: M4A, as the source</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archive: MKV, all tracks and subtitles</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>File format for %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Audio quality for %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Audio track for %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Subtitles for %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Preset for %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Format for every video of %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Quality for every video of %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Progress of %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: decrease</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: increase</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Open the site in the browser to sign in again</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Update yt-dlp in Tools ▸ Check for updates</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Remove from list (keeps the file)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Delete file…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Delete “%1”? It goes to the trash, and the row leaves the list.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Delete file</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Show in folder</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>No application could open “%1”.</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>No file manager could show “%1”.</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>“%1” could not be deleted.</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Convert for playback</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Make playable everywhere</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Convert to H.264 and AAC, which every player and device plays</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</translation>
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
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>The disk is full: free some space in %1 and try again.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix cannot write in %1: check that the folder exists and can be written to.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>The video&apos;s information could not be read.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>This live stream or premiere has not started yet. Retry once it has begun.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>This video is not offered in your country, so it cannot be downloaded here.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>This video is private, removed or unavailable. Check the address in your browser.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>The site is limiting requests. Try again later.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>The page was not found. Check the address, then retry.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix found no video at this address. Check that it points to a video&apos;s page.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>The site&apos;s name could not be found. Check the address and your internet connection.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>The site refused the connection. Check the address, or try again later.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>The site did not answer in time. Check your internet connection, then retry.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix could not reach the site. Check your internet connection, then retry.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>The download failed. Check the address and your connection, then retry.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>What the tool said</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>The tool said nothing more.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Copy</translation>
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
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>The checksums published for %1 could not be read (%2); nothing was installed.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>The published checksums do not list %1; nothing was installed.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>The published checksums list %1 more than once, with different sums; nothing was installed.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 does not match the checksum its distributor publishes; nothing was installed.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 cannot be verified: its source publishes no checksum</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Verified (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Verified (MD5 only)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Not verifiable: the source publishes no checksum</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Not verified</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Roll back</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Put back the version this update replaced</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Rolling back %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 is back to its previous version</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: no previous version is kept, there is nothing to roll back to.</translation>
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
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n download is running. Quit anyway? It will resume next time Reelix starts.</numerusform>
            <numerusform>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Updating…</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 ready</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 updated</translation>
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
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>The download could not be moved into %1: it is kept at %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>No data for %1 s: the transfer was ended</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>The transfer took more than %1 s: it was ended</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>The server sent more than %1: the transfer was ended</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>the server answered HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>the answer names no version</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>No Node.js %1 release found: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>could not check (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Could not check</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Choose browser</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Choose folder</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Open preferences</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Check again</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Copy report</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Everything Reelix needs is in place.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problem stops downloads. Its line says what to do.</numerusform>
            <numerusform>%n problems stop downloads. Each line says what to do.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Checking the tools, cookies, folder and network…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Downloads should work; %n line could be better.</numerusform>
            <numerusform>Downloads should work; %n lines could be better.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>The certificate bundle holds only %n certificate: secure sites may fail.</numerusform>
            <numerusform>The certificate bundle holds only %n certificates: secure sites may fail.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Install the system&apos;s certificates (the ca-certificates package).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>The system trusts no certificates: secure sites cannot be checked.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>The certificate bundle is not made yet; the next download makes it.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>The certificate bundle holds %L1 certificates, made %n day ago.</numerusform>
            <numerusform>The certificate bundle holds %L1 certificates, made %n days ago.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Choose the browser you are signed in with.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>If signed-in downloads fail, close the browser and try again.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>The YouTube sign-in in %1 has expired.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Cookies come from the file %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>%1&apos;s cookie store is locked, most likely because %1 is open.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>%1 was not found on this computer.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>The cookie file %1 cannot be read.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Cookies come from %1, which is not signed in to YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>No cookies are used: sites that ask you to sign in will refuse.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Cookies come from %1; its YouTube sign-in is %n day old.</numerusform>
            <numerusform>Cookies come from %1; its YouTube sign-in is %n days old.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Sign in to YouTube again in the browser.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>%1&apos;s cookie store cannot be read.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Install Reelix&apos;s own ffmpeg, which has them.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ffmpeg %1 lacks what Reelix uses: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg and ffprobe %1 run and have what Reelix uses.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Choose another download folder.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Free some space, or choose a folder on another disk.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Only %1 free in the download folder: downloads may not fit.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>The download folder %1 does not exist.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>The download folder is writable and has %1 free.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix cannot write in the download folder %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Browser impersonation cannot be checked without yt-dlp.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp can pass for %n browser on sites that check.</numerusform>
            <numerusform>yt-dlp can pass for %n browsers on sites that check.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Use Reelix&apos;s own yt-dlp, which carries it.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>This computer has no internet connection: no server&apos;s name could be looked up.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Every server the tools and updates need answers.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Check the network connection and the proxy settings.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>These servers cannot be reached: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js does not run.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Install Reelix&apos;s own Node.js.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Get a newer yt-dlp.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 does not run: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Install it from the setup view.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 is not installed.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Install it again from the setup view.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>it gave no answer in time</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 works and is recent.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 works; the newest version could not be checked.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Update it.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Some versions could not be checked</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Download finished</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Download failed</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n download finished</numerusform>
            <numerusform>%n downloads finished</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n download finished, %L1 failed</numerusform>
            <numerusform>%n downloads finished, %L1 failed</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Show in folder</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Notify when downloads end</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Offer copied addresses</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>In the clipboard: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Not this one</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Drop to add to the list</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookies…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Use cookies from:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>A cookies.txt file…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Choose a cookies.txt file</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Use them:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>For every download</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Only when a site asks me to sign in</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>No browser found on this machine: use a cookies.txt file exported from your browser.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Use cookies from %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Use cookies from…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Your %1 session may have expired — open the site in %1, sign in, then retry.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 keeps its cookies locked while it runs. Close %1, then retry.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>This address lists no videos</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>This entry is a list itself: add its address on its own</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Nothing at %1p or lower: downloaded at %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Already downloaded to this folder: skipped</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n done</numerusform>
            <numerusform>%n done</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>%n remaining</numerusform>
            <numerusform>%n remaining</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Download all</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Stop all</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Hide the videos</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Show the videos</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Skip videos already downloaded to this folder</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Up to %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Remove the list</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n videos</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>The server answered HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>The server answered HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>The downloaded file is missing</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>No %1 executable in the archive</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 failed (code %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>A file in the archive is larger than %1: the archive was refused</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>The tool does not start: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>The tool does not answer %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>The tool shows no version (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>using %1 from the system</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Following %1. New entries download at each check.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n new follow from the file.</numerusform>
            <numerusform>%n new follows from the file.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n new</numerusform>
            <numerusform>%1: %n new</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: not read (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: the site asked to wait; read again after %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: another check is reading it</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: paused</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>The list of follows could not be written.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Another Reelix is changing the list of follows; try again.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>The file is not an OPML list of feeds.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>This address is one video, not a list.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp could not read the list.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp is not installed.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Following</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Following</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Follow</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Follow, and take the newest 5 now</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Follow, only what comes next</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>New entries of these lists download by themselves at each check.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Nothing followed yet. Follow a list from its header row.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Check all now</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Check now</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Not checked yet</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Checked %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n new</numerusform>
            <numerusform>%n new</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (paused)</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Files for media servers</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>No format matches &quot;%1&quot;</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>No address was accepted.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n item: %1</numerusform>
            <numerusform>%n items: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Reelix logs</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Enable logs</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Copied!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>No logs yet</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Turn on logs above to begin</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Earlier lines are in the file (Folder button) — %1 in all</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp did not say where it put the file — taking the newest file in the folder</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Could not reach the download server: %1. Check your connection, then retry.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>The update did not finish. The tools you have still work.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>On this computer: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>May be too old for some sites</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Download Reelix&apos;s own, current copy; it is used in place of this one</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Continue with the system tools</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>New folder</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Name of the new folder</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Up one folder</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>No folders here</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Type a name for the new folder.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>A folder name cannot contain “/”.</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>“%1” cannot be used as a folder name.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>There is already an item named “%1” here.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>The folder could not be created: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>The saved download list could not be read. It was kept as %1 and the list starts empty.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>File missing</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Download folder</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Change…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Start downloads as soon as they are ready</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Download as</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, best quality</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 up to 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 up to 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (audio only)</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>System language</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudo-language</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Applied the next time Reelix starts</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Preset of new downloads</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Delete this preset</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>File format of new videos</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>File format of new audio downloads</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Write the title, uploader, date, description, cover and chapters into the file</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Sponsor segments</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>What becomes of sponsor segments</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Keep them</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Remove them</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Mark them as chapters</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Segments listed by the community database, for the videos of the sites it covers.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Database address</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>The public database</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Self-promotion</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Interaction reminder</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Outro</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Non-music section</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Filler</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Name of a new preset</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Save as preset</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Most downloads at once</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Fragments fetched at once per download</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Hours between two checks of the followed lists</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Seconds between two requests to one site</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Check also while Reelix is not running (a systemd user timer)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>History</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Search by title</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>No finished downloads yet</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>No download matches this search</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Download again</translation>
    </message>
</context>
</TS>
