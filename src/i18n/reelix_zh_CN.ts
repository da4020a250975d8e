<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>调试日志</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>关于 Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>检查我的环境</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>添加输入的地址，或按下突出显示的按钮</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>打开菜单栏</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>打开菜单</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>关闭对话框、首选项或日志</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>自由软件，采用 GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）授权。</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>有可用的工具更新</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>粘贴一个或多个视频地址，每行一个</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>此地址已在列表中</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n 行不是地址</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>复制错误信息</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>清除已完成</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>暂无下载</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>在上方粘贴视频或播放列表地址并按 Enter，然后选择画质并点击“下载”。</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>在上方粘贴视频或播放列表地址并按 Enter，下载会自动开始。</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>选择下载文件夹</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>未安装</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>正在获取信息…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>正在转换为 QuickTime 格式 — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>正在开始…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 / 约 %2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message id="duration.seconds">
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message id="duration.minutes">
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message id="duration.hours">
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>已以 %1p 下载：%2p 不可用</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>字幕未下载：%1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>正在换一种方式重试…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>此网站要求登录：正在使用 %1 的 Cookie 重试。用这些 Cookie 下载的内容会与您的账号关联。</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>正在转换为通用格式 — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>最佳画质</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>%1 的画质</translation>
    </message>
    <message id="a11y.named_value">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="media.format.m4a">
        <source>M4A (AAC)</source>
        <translation>M4A（AAC）</translation>
    </message>
    <message id="media.format.mkv">
        <source>MKV, keeps everything</source>
        <translation>MKV，保留所有内容</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>与来源相同</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>音轨 %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1（原声）</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1，口述影像</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>上传者提供</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>自动生成的字幕</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>自动翻译</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>嵌入文件</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>放在文件旁（SRT）</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>无预设</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>剪辑…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>片段 %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>每个章节一个文件</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>下载 %1 的一部分：时间范围或章节</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>剪辑“%1”</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>从</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>到</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>片段开始时间</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>片段结束时间</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>请按 h:mm:ss 格式输入开始时间，例如 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>请按 h:mm:ss 格式输入结束时间，例如 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>结束时间必须晚于开始时间</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>视频在 %1 结束</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>或者选择章节：每组连续的章节各成为一个片段。</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>整个视频，每个章节一个文件，放在以视频命名的文件夹中</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>精确剪切</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>在剪切点重新编码：精确到帧，但速度较慢。</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>剪辑</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>播客：Opus 96 kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>音乐：M4A，与来源相同</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>存档：MKV，包含所有音轨和字幕</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>%1 的文件格式</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>%1 的音质</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>%1 的音轨</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>%1 的字幕</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>%1 的预设</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>%1 中所有视频的格式</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>%1 中所有视频的画质</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>%1 的进度</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1：减少</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1：增加</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>在浏览器中打开网站以重新登录</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>在“工具 ▸ 检查更新”中更新 yt-dlp</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>从列表中移除（保留文件）</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>删除文件…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>要删除“%1”吗？文件将移到回收站，该行也会从列表中移除。</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>删除文件</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>没有应用程序能打开“%1”。</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>没有文件管理器能显示“%1”。</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>无法删除“%1”。</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>转换以便播放</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>转换为通用格式</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>转换为 H.264 和 AAC，所有播放器和设备都能播放</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>无法验证网站的证书。请检查网络或代理，然后重试。</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>此视频受 DRM 保护，无法下载。</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube 需要 Node.js 运行时。请安装或更新工具，然后重试。</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>未安装 yt-dlp。请打开“工具 ▸ 检查更新”进行安装。</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>磁盘已满：请释放 %1 中的空间，然后重试。</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix 无法写入 %1：请检查该文件夹是否存在且可写。</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>无法读取视频信息。</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>此直播或首映尚未开始。请在开始后重试。</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>此视频在您所在的国家或地区不提供，因此无法在此下载。</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>此视频为私享、已删除或不可用。请在浏览器中检查地址。</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>网站正在限制请求。请稍后重试。</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>找不到该页面。请检查地址，然后重试。</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>网站拒绝访问。请稍后重试，或使用已登录的浏览器（工具 ▸ Cookie…）。</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix 在此地址找不到视频。请检查它是否指向视频页面。</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>找不到网站的域名。请检查地址和网络连接。</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>网站拒绝连接。请检查地址，或稍后重试。</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>网站未及时响应。请检查网络连接，然后重试。</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix 无法连接到网站。请检查网络连接，然后重试。</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp 无法读取此页面：网站可能已更改。Reelix 可以在“工具 ▸ 检查更新”中更新 yt-dlp，更新后请重试。</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp 无法读取此页面：网站可能已更改，而 yt-dlp %1 早于最新版本 %2。请更新后重试。</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp 无法读取此页面：网站可能已更改，而系统的 yt-dlp %1 早于最新版本 %2。请用软件包管理器更新，或在“工具 ▸ 检查更新”中安装 Reelix 自带的版本。</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>下载失败。请检查地址和网络连接，然后重试。</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>无法启动 %1。Reelix 可以在“工具 ▸ 检查更新”中安装可用的副本。</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>转换失败；已下载的文件保持原样。请重试，或直接播放原文件。</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>工具的输出</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>工具没有输出更多信息。</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>查找并下载视频</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>合并、分析和转换媒体</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>YouTube 所需的 JavaScript 运行时</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix 需要三个免费工具才能运行。</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>打开 Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>无需管理员密码</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>无法读取 %1 发布的校验和（%2）；未安装任何内容。</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>发布的校验和中没有 %1；未安装任何内容。</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>发布的校验和中多次列出 %1，且校验和不同；未安装任何内容。</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 与其分发者发布的校验和不匹配；未安装任何内容。</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 与发布的 MD5 校验和一致（仅 MD5：能发现下载损坏，但无法发现蓄意篡改）</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>无法验证 %1：其来源未发布校验和</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>不支持此处理器（%1）：这些工具仅适用于 64 位处理器（x86_64、arm64）。未下载任何内容。</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>此 ffmpeg 是为 Intel Mac 构建的，没有 Rosetta 无法在此 Mac 上运行。请安装 Rosetta（在终端中运行 softwareupdate --install-rosetta）后重试，或用 Homebrew 安装 ffmpeg（brew install ffmpeg）：Reelix 随后会使用该版本。（%1）</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>已验证（SHA-256）</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>已验证（仅 MD5）</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>无法验证：来源未发布校验和</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>未验证</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>回退</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>恢复此次更新所替换的版本</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>正在回退 %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 已恢复到之前的版本</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1：未保留之前的版本，无法回退。</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>安装工具</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>正在下载 yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>正在下载 ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>正在下载 Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>有可用的更新</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>所有工具均为最新</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>安装更新</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>以后再说</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>有 %n 个下载正在进行。要停止它们并检查更新吗？</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>停止并检查</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>有 %n 个下载正在进行。仍要退出吗？下次启动 Reelix 时会继续下载。</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>正在更新…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>正在更新 yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>正在更新 ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>正在更新 Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>无法将下载的文件移到 %1：文件保存在 %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>%1 秒内没有数据：传输已终止</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>传输用时超过 %1 秒：已终止</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>服务器发送的数据超过 %1：传输已终止</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>服务器返回 HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>响应中没有版本号</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>未找到 Node.js %1 的发行版：%2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>无法检查（%1）</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>无法检查</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>选择浏览器</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>打开首选项</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>正常</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>复制报告</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Reelix 所需的一切均已就绪。</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1：%2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n 个问题导致无法下载。每一行都说明了处理方法。</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>正在检查工具、Cookie、文件夹和网络…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>应该可以下载；有 %n 项可以改进。</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>证书包中只有 %n 个证书：访问安全网站可能会失败。</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>请安装系统证书（ca-certificates 软件包）。</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>系统不信任任何证书：无法验证安全网站。</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>证书包尚未生成；下次下载时会生成。</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>证书包中有 %L1 个证书，创建于 %n 天前。</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>请选择您已登录的浏览器。</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>如果需要登录的下载失败，请关闭浏览器后重试。</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>%1 中的 YouTube 登录已过期。</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Cookie 来自文件 %1。</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>%1 的 Cookie 存储已锁定，很可能是因为 %1 正在运行。</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>在这台计算机上找不到 %1。</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>无法读取 Cookie 文件 %1。</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Cookie 来自 %1，但它没有登录 YouTube。</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>未使用 Cookie：要求登录的网站会拒绝下载。</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Cookie 来自 %1；其 YouTube 登录已有 %n 天。</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>请在浏览器中重新登录 YouTube。</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>无法读取 %1 的 Cookie 存储。</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>请安装 Reelix 自带的 ffmpeg，它具备这些功能。</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ffmpeg %1 缺少 Reelix 使用的功能：%2。</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg 和 ffprobe %1 运行正常，具备 Reelix 使用的功能。</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>请选择其他下载文件夹。</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>请释放一些空间，或选择其他磁盘上的文件夹。</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>下载文件夹只剩 %1 可用空间：可能放不下下载的文件。</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>下载文件夹 %1 不存在。</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>下载文件夹可写，有 %1 可用空间。</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix 无法写入下载文件夹 %1。</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp 无法伪装成浏览器（缺少其伪装库）：进行检查的网站可能会拒绝它。</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>没有 yt-dlp，无法检查浏览器伪装。</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>在进行检查的网站上，yt-dlp 可以伪装成 %n 种浏览器。</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>请使用 Reelix 自带的 yt-dlp，它包含伪装库。</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>此 yt-dlp 无法伪装成浏览器：进行检查的网站（如 Cloudflare）可能会拒绝它。</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>这台计算机没有连接到互联网：无法解析任何服务器名称。</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>工具和更新所需的所有服务器都有响应。</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>无响应</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>请检查网络连接和代理设置。</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>无法连接这些服务器：%1。</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js 无法运行。</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>请安装 Reelix 自带的 Node.js。</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>没有 JavaScript 运行时：YouTube 需要 Node.js 来完成其验证挑战。</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>请获取更新版本的 yt-dlp。</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 可完成 YouTube 的验证挑战；yt-dlp 从 GitHub 获取挑战脚本。</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 太旧：yt-dlp 需要 %2 或更高版本才能完成 YouTube 的验证挑战。</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 来自系统；Reelix 只向 yt-dlp 提供自带的副本。</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>此 yt-dlp 太旧，无法使用 JavaScript 运行时：YouTube 视频可能下载失败。</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 无法运行：%2。</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>请在安装界面中安装。</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>未安装 %1。</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>请在安装界面中重新安装。</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>未及时响应</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 运行正常，且是最新的。</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 已过旧：网站经常变化，旧版 yt-dlp 会失败。</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>此副本来自系统；请安装 Reelix 自带的副本，它会保持最新。</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 运行正常；无法检查最新版本。</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>请更新它。</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>无法检查部分版本</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>下载完成</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n 个下载已完成</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n 个下载已完成，%L1 个失败</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>下载结束时通知</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>提示已复制的地址</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>剪贴板中有：%1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>不是这个</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>拖放到此处以添加到列表</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookie…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Cookie 来源：</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>cookies.txt 文件…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>选择 cookies.txt 文件</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>使用时机：</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>每次下载</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>仅在网站要求我登录时</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>要求登录的网站（年龄验证、会员专享视频、“不是机器人”验证）会允许 Reelix 使用您已登录的浏览器的 Cookie 进入。Reelix 只保存浏览器名称或文件路径，从不保存 Cookie。</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>在这台计算机上找不到浏览器：请使用从浏览器导出的 cookies.txt 文件。</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>使用 %1 的 Cookie</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>使用 Cookie 来源…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>此页面要求登录。请在网页浏览器中登录该网站，然后让 Reelix 使用该浏览器的 Cookie：用这些 Cookie 下载的内容会与您的账号关联。</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>您的 %1 会话可能已过期——请在 %1 中打开网站并登录，然后重试。</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>%1 中的 Cookie 可能已过期——请在浏览器中登录网站，重新导出 Cookie，然后重试。</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>找不到 %1 的 Cookie：该浏览器或其配置文件已不存在。请在“工具 ▸ Cookie…”中选择其他浏览器，然后重试。</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 在运行时会锁定其 Cookie。请关闭 %1，然后重试。</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>无法解密 %1 的 Cookie：系统密钥环不可用。请解锁密钥环（登录桌面会话）或使用 cookies.txt 文件，然后重试。</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix 无法读取 %1 的 Cookie。请关闭 %1 后重试，或在“工具 ▸ Cookie…”中选择其他来源。</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Cookie 文件 %1 已不存在。请在“工具 ▸ Cookie…”中重新选择，然后重试。</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Cookie 文件 %1 超过 %2，远多于浏览器通常保存的量：请以 Netscape cookies.txt 格式重新导出浏览器的 Cookie，然后重试。</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>无法读取 Cookie 文件 %1：请从浏览器以 Netscape cookies.txt 格式重新导出，然后重试。</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>此地址中没有视频</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>此条目本身就是一个列表：请单独添加它的地址</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>没有 %1p 或更低的画质：已以 %2p 下载</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 是链接或不是普通文件：Reelix 不会通过它写入列表的存档。请删除它，然后重试。</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>已下载到此文件夹：已跳过</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n 个已完成</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>剩余 %n 个</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>全部下载</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>全部停止</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>隐藏视频</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>显示视频</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>跳过已下载到此文件夹的视频</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>最高 %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>移除列表</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n 个视频</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>服务器返回 HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>服务器返回 HTTP %1（%2）</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>服务器将下载重定向到不安全的地址（不是网址，或从加密连接转为未加密连接）：已拒绝</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>找不到已下载的文件</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>压缩包中没有 %1 可执行文件</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 失败（代码 %2）</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>压缩包中有文件大于 %1：已拒绝该压缩包</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>工具无法启动：%1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>工具未响应 %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>工具未显示版本（%1）</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>使用系统中的 %1</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>已关注 %1。每次检查时都会下载新条目。</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>从文件中新增了 %n 个关注。</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1：%n 个新条目</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1：未能读取（%2）</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1：网站要求等待；将在 %2 之后重新读取</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1：另一个检查正在读取它</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1：已暂停</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>无法保存关注列表。</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>另一个 Reelix 正在修改关注列表；请重试。</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>该文件不是 OPML 订阅源列表。</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>此地址是单个视频，不是列表。</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp 无法读取该列表。</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>未安装 yt-dlp。</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>已关注</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>关注列表</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>关注</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>关注，并立即获取最新的 5 个</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>关注，仅获取以后的新内容</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>每次检查时，这些列表中的新条目都会自动下载。</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>尚未关注任何列表。可在列表的标题行中关注。</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>立即检查全部</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>立即检查</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>尚未检查</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>检查于 %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n 个新条目</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1（已暂停）</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>没有与“%1”匹配的格式</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>没有接受任何地址。</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n 项：%1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Reelix 日志</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>启用日志</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>已复制！</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>暂无日志</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>在上方启用日志即可开始记录</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… 更早的行在文件中（“文件夹”按钮）——共 %1</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp 未说明文件保存位置——改用文件夹中最新的文件</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>无法连接到下载服务器：%1。请检查网络连接，然后重试。</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>更新未完成。现有的工具仍可使用。</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>在这台计算机上找到了工具。可以继续使用它们，或下载 Reelix 自带的副本。</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>在这台计算机上：%1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>对某些网站可能太旧</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>下载 Reelix 自带的最新副本，用它代替此副本</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>继续使用系统工具</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>新文件夹的名称</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>上一级文件夹</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>此处没有文件夹</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>请输入新文件夹的名称。</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>文件夹名称不能包含“/”。</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>“%1”不能用作文件夹名称。</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>此处已有名为“%1”的项目。</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>无法创建文件夹：%1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>无法读取保存的下载列表。它已另存为 %1，列表将从空白开始。</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>保存的下载列表（%1）正被另一个程序使用，已保持原样。列表将从空白开始，现在添加的内容在 Reelix 退出后不会保留。</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>对下载列表的更改无法保存到 %1（文件为只读，或磁盘拒绝写入）。在 Reelix 退出前，列表将保持现状。</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>文件丢失</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>下载文件夹</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>准备就绪后立即开始下载</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>下载为</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4，最佳画质</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4，最高 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4，最高 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3（仅音频）</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>新下载的预设</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>删除此预设</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>新视频的文件格式</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>新音频下载的文件格式</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>将标题、上传者、日期、简介、封面和章节写入文件</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>赞助片段</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>如何处理赞助片段</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>保留</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>移除</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>标记为章节</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>片段来自社区数据库，适用于其覆盖网站的视频。</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>数据库地址</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>公共数据库</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>赞助</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>自我推广</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>互动提醒</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>片头</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>片尾</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>非音乐部分</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>题外话</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>新预设的名称</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>另存为预设</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>最多同时下载数</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>不限</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>每个下载同时获取的分片数</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>两次检查关注列表之间的小时数</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>对同一网站两次请求之间的秒数</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Reelix 未运行时也检查（systemd 用户定时器）</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>按标题搜索</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>暂无已完成的下载</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>没有与此搜索匹配的下载</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>重新下载</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>媒体服务器文件</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>在每个新文件旁写入 Kodi、Jellyfin 和 Plex 读取的内容：.nfo 文件、缩略图和文件夹海报</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>下次启动 Reelix 时生效</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>伪语言</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 已就绪</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 已更新</translation>
    </message>
</context>
</TS>
