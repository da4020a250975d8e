<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>デバッグログ</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>Reelix について</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>環境をチェック</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>入力したアドレスを追加、または強調表示されたボタンを押す</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>メニューバーを開く</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>メニューを開く</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>ダイアログ、設定、ログを閉じる</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>GNU 一般公衆利用許諾書 バージョン 3 以降（GPL-3.0-or-later）のもとで配布されるフリーソフトウェアです。</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>ツールのアップデートがあります</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>動画のアドレスを 1 行に 1 つずつ貼り付けてください</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>このアドレスはすでにリストにあります</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n 行はアドレスではありませんでした</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>エラーをコピー</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>完了分を消去</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>ダウンロードはまだありません</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>上の欄に動画または再生リストのアドレスを貼り付けて Enter を押し、画質を選んで［ダウンロード］をクリックしてください。</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>上の欄に動画または再生リストのアドレスを貼り付けて Enter を押すと、ダウンロードが自動で始まります。</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>ダウンロード先フォルダーを選択</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>未インストール</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>情報を取得中…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>QuickTime 用に変換中 — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>開始中…</translation>
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
        <translation>%1 / 約 %2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>残り %1</translation>
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
        <translation>%1 時間 %2 分</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>%1p でダウンロードしました（%2p は利用できませんでした）</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>字幕をダウンロードできませんでした：%1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>別の方法で再試行しています…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>このサイトはログインを求めています。%1 の Cookie を使って再試行します。Cookie を使ってダウンロードしたものはあなたのアカウントに結び付きます。</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>どこでも再生できる形式に変換中 — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>最高画質</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>%1 の画質</translation>
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
        <translation>MKV（すべて保持）</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>ソースと同じ</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>トラック %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1（オリジナル）</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1、音声解説</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>投稿者による字幕</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>自動生成字幕</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>自動翻訳</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>ファイルに埋め込む</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>ファイルの横に置く（SRT）</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>プリセットなし</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>切り出し…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>クリップ %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>チャプターごとに 1 ファイル</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>%1 の一部をダウンロード：時間範囲またはチャプター</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>「%1」の切り出し</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>長さ：%1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>～</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>クリップの開始位置</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>クリップの終了位置</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>開始位置は h:mm:ss の形式で入力してください（例：10:00）</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>終了位置は h:mm:ss の形式で入力してください（例：12:30）</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>終了位置は開始位置より後にしてください</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>動画は %1 で終わります</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>ファイル：%1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>またはチャプターを選択してください。連続したチャプターがそれぞれ 1 つのクリップになります。</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>動画全体を、チャプターごとに 1 ファイルとして、動画名のフォルダーに保存</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>正確にカット</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>カット位置で再エンコードします。フレーム単位で正確ですが、時間がかかります。</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>切り出す</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>ポッドキャスト：Opus 96 kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>音楽：M4A、ソースのまま</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>アーカイブ：MKV、全トラックと全字幕</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>%1 のファイル形式</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>%1 の音質</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>%1 の音声トラック</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>%1 の字幕</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>%1 のプリセット</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>%1 のすべての動画の形式</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>%1 のすべての動画の画質</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>%1 の進行状況</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1：減らす</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1：増やす</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>ブラウザーでサイトを開いてログインし直す</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>［ツール］▸［アップデートを確認］で yt-dlp をアップデートします</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>取り除く</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>リストから取り除く（ファイルは残ります）</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>ファイルを削除…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>「%1」を削除しますか？ ファイルはゴミ箱に移動し、行はリストから消えます。</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>ファイルを削除</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>「%1」を開けるアプリケーションがありませんでした。</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>「%1」を表示できるファイルマネージャーがありませんでした。</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>再生用に変換</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>どこでも再生できるようにする</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>どのプレーヤーやデバイスでも再生できる H.264 と AAC に変換します</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>サイトの証明書を検証できませんでした。ネットワークまたはプロキシを確認してから再試行してください。</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>この動画は DRM で保護されているため、ダウンロードできません。</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube には Node.js ランタイムが必要です。ツールをインストールまたはアップデートしてから再試行してください。</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp がインストールされていません。［ツール］▸［アップデートを確認］を開いてインストールしてください。</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>ディスクがいっぱいです。%1 の空き容量を増やしてから再試行してください。</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix は %1 に書き込めません。フォルダーが存在し、書き込み可能か確認してください。</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>動画の情報を読み取れませんでした。</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>このライブ配信またはプレミア公開はまだ始まっていません。始まってから再試行してください。</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>この動画はお住まいの国では提供されていないため、ダウンロードできません。</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>この動画は非公開、削除済み、または利用できません。ブラウザーでアドレスを確認してください。</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>サイトがリクエストを制限しています。しばらくしてから再試行してください。</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>ページが見つかりませんでした。アドレスを確認してから再試行してください。</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>サイトがアクセスを拒否しました。しばらくしてから再試行するか、ログイン済みのブラウザーを使ってください（［ツール］▸［Cookie…］）。</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix はこのアドレスで動画を見つけられませんでした。アドレスが動画のページを指しているか確認してください。</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>サイトの名前が見つかりませんでした。アドレスとインターネット接続を確認してください。</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>サイトが接続を拒否しました。アドレスを確認するか、しばらくしてから再試行してください。</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>サイトが時間内に応答しませんでした。インターネット接続を確認してから再試行してください。</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix はサイトに接続できませんでした。インターネット接続を確認してから再試行してください。</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp はこのページを読み取れませんでした。サイトの仕様が変わった可能性があります。［ツール］▸［アップデートを確認］で Reelix から yt-dlp をアップデートしてから再試行してください。</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp はこのページを読み取れませんでした。サイトの仕様が変わった可能性があり、yt-dlp %1 は最新版の %2 より古くなっています。アップデートしてから再試行してください。</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp はこのページを読み取れませんでした。サイトの仕様が変わった可能性があり、システムの yt-dlp %1 は最新版の %2 より古くなっています。パッケージマネージャーでアップデートするか、［ツール］▸［アップデートを確認］で Reelix 専用のものをインストールしてください。</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>ダウンロードに失敗しました。アドレスと接続を確認してから再試行してください。</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>%1 を起動できませんでした。［ツール］▸［アップデートを確認］で Reelix が動作するものをインストールできます。</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>変換に失敗しました。ダウンロードしたファイルは元のまま残っています。再試行するか、そのまま再生してください。</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>ツールの出力</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>ツールからはそれ以上の出力がありません。</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>動画を見つけてダウンロードします</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>メディアの結合、解析、変換を行います</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>YouTube に必要な JavaScript ランタイム</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix の動作には 3 つの無料ツールが必要です。</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Reelix を開く</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>管理者パスワードは不要です</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>%1 の公開チェックサムを読み取れませんでした（%2）。何もインストールしていません。</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>公開チェックサムに %1 が載っていません。何もインストールしていません。</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>公開チェックサムに %1 が異なる値で複数回載っています。何もインストールしていません。</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 が配布元の公開するチェックサムと一致しません。何もインストールしていません。</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 は公開されている MD5 と一致しました（MD5 のみ：ダウンロードの破損は検出できますが、意図的な改ざんは検出できません）</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 は検証できません：配布元がチェックサムを公開していません</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>このプロセッサー（%1）はサポートされていません。ツールは 64 ビットプロセッサー（x86_64、arm64）用しかありません。何もダウンロードしていません。</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>この ffmpeg は Intel Mac 用にビルドされており、この Mac では Rosetta なしでは動作しません。Rosetta をインストールしてから（ターミナルで softwareupdate --install-rosetta を実行）再試行するか、Homebrew で ffmpeg をインストールしてください（brew install ffmpeg）。Reelix はそちらを使います。（%1）</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>検証済み（SHA-256）</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>検証済み（MD5 のみ）</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>検証不可：配布元がチェックサムを公開していません</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>未検証</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>元に戻す</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>このアップデートで置き換えたバージョンに戻します</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>%1 を以前のバージョンに戻しています</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 を以前のバージョンに戻しました</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1：以前のバージョンが保存されていないため、戻せません。</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>ツールをインストール</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>yt-dlp をダウンロード中</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>ffmpeg をダウンロード中</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Node.js をダウンロード中</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>すべてのツールは最新です</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>アップデートを確認中…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>アップデートをインストール</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>後で</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n 件のダウンロードが実行中です。停止してアップデートを確認しますか？</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>停止して確認</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n 件のダウンロードが実行中です。終了しますか？ 次に Reelix を起動したときに再開されます。</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>アップデート中…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>yt-dlp をアップデート中</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>ffmpeg をアップデート中</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Node.js をアップデート中</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>ダウンロードしたファイルを %1 に移動できませんでした。ファイルは %2 にあります</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>%1 秒間データがなかったため、転送を終了しました</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>転送に %1 秒以上かかったため、終了しました</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>サーバーが %1 を超えるデータを送ってきたため、転送を終了しました</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>停止しました</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>サーバーの応答は HTTP %1 でした</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>応答にバージョンが含まれていません</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Node.js %1 のリリースが見つかりません：%2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>確認できませんでした（%1）</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>確認できませんでした</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>ブラウザーを選択</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>設定を開く</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>再チェック</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>レポートをコピー</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Reelix に必要なものはすべて揃っています。</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1：%2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n 件の問題のためダウンロードできません。各行に対処方法が書かれています。</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>ツール、Cookie、フォルダー、ネットワークをチェック中…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>ダウンロードは動作するはずですが、%n 件の改善点があります。</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>証明書バンドルには証明書が %n 件しかありません。安全なサイトへの接続に失敗する可能性があります。</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>システムの証明書（ca-certificates パッケージ）をインストールしてください。</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>システムが信頼する証明書がありません。安全なサイトを検証できません。</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>証明書バンドルはまだ作成されていません。次回のダウンロード時に作成されます。</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>証明書バンドルには %L1 件の証明書があり、%n 日前に作成されました。</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>ログインしているブラウザーを選択してください。</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>ログインが必要なダウンロードが失敗する場合は、ブラウザーを閉じてから再試行してください。</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>%1 での YouTube のログインは期限切れです。</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Cookie はファイル %1 から読み込みます。</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>%1 の Cookie ストアがロックされています。おそらく %1 が開いているためです。</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>このコンピューターに %1 が見つかりませんでした。</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Cookie ファイル %1 を読み取れません。</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Cookie は %1 から読み込みますが、YouTube にログインしていません。</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Cookie を使用していません。ログインを求めるサイトではダウンロードが拒否されます。</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Cookie は %1 から読み込みます。YouTube へのログインは %n 日前のものです。</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>ブラウザーで YouTube にログインし直してください。</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>%1 の Cookie ストアを読み取れません。</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>必要な機能を備えた Reelix 専用の ffmpeg をインストールしてください。</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ffmpeg %1 には Reelix が使う機能がありません：%2。</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg と ffprobe %1 は動作し、Reelix が使う機能を備えています。</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>別のダウンロード先フォルダーを選択してください。</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>空き容量を増やすか、別のディスク上のフォルダーを選択してください。</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>ダウンロード先フォルダーの空き容量が %1 しかありません。ダウンロードが収まらない可能性があります。</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>ダウンロード先フォルダー %1 が存在しません。</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>ダウンロード先フォルダーは書き込み可能で、空き容量は %1 です。</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix はダウンロード先フォルダー %1 に書き込めません。</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp はブラウザーになりすませません（なりすまし用ライブラリがありません）。チェックするサイトでは拒否される可能性があります。</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>yt-dlp がないため、ブラウザーのなりすましをチェックできません。</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp はチェックするサイトで %n 種類のブラウザーになりすませます。</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>なりすまし機能を備えた Reelix 専用の yt-dlp を使用してください。</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>この yt-dlp はブラウザーになりすませません。チェックするサイト（Cloudflare など）では拒否される可能性があります。</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>このコンピューターはインターネットに接続されていません。どのサーバー名も解決できませんでした。</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>ツールとアップデートに必要なすべてのサーバーが応答しています。</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>応答なし</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>ネットワーク接続とプロキシの設定を確認してください。</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>次のサーバーに接続できません：%1。</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js が動作しません。</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Reelix 専用の Node.js をインストールしてください。</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>JavaScript ランタイムがありません。YouTube のチャレンジを解くには Node.js が必要です。</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>新しい yt-dlp を入手してください。</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 で YouTube のチャレンジを解きます。yt-dlp はチャレンジ用スクリプトを GitHub から取得します。</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 は古すぎます。YouTube のチャレンジを解くには、yt-dlp はバージョン %2 以降を必要とします。</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 はシステムのものです。Reelix は yt-dlp に自身のコピーしか渡しません。</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>この yt-dlp は古すぎて JavaScript ランタイムを使えません。YouTube の動画が失敗する可能性があります。</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 が動作しません：%2。</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>セットアップ画面からインストールしてください。</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 がインストールされていません。</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>セットアップ画面から再インストールしてください。</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>時間内に応答がありませんでした</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 は動作しており、最新です。</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 は古くなっています。サイトは頻繁に変わるため、古い yt-dlp では失敗します。</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>このコピーはシステム付属のものです。常に最新に保たれる Reelix 専用のものをインストールしてください。</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 は動作していますが、最新バージョンを確認できませんでした。</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>アップデートしてください。</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>一部のバージョンを確認できませんでした</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>ダウンロードが完了しました</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n 件のダウンロードが完了しました</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n 件のダウンロードが完了、%L1 件が失敗しました</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>ダウンロード終了時に通知</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>コピーしたアドレスを提案</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>クリップボード：%1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>これは不要</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>ドロップしてリストに追加</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookie…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Cookie の取得元：</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>cookies.txt ファイル…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>cookies.txt ファイルを選択</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>使用するタイミング：</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>すべてのダウンロードで</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>サイトからログインを求められたときのみ</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>ログインを求めるサイト（年齢確認、メンバー限定動画、「ボットではない」ことの確認）でも、ログイン済みのブラウザーの Cookie を使えば Reelix はアクセスできます。Reelix が保存するのはブラウザーの名前またはファイルのパスだけで、Cookie そのものは保存しません。</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>このコンピューターにブラウザーが見つかりません。ブラウザーからエクスポートした cookies.txt ファイルを使ってください。</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>%1 の Cookie を使う</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Cookie の取得元を選ぶ…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>このページはログインを求めています。Web ブラウザーでサイトにログインしてから、Reelix にそのブラウザーの Cookie を使わせてください。Cookie を使ってダウンロードしたものはあなたのアカウントに結び付きます。</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>%1 のセッションが期限切れの可能性があります。%1 でサイトを開いてログインしてから再試行してください。</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>%1 の Cookie が期限切れの可能性があります。ブラウザーでサイトにログインし、Cookie をエクスポートし直してから再試行してください。</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>%1 の Cookie が見つかりません。ブラウザーまたはそのプロファイルがなくなっています。［ツール］▸［Cookie…］で別のものを選んでから再試行してください。</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 は実行中、Cookie をロックしています。%1 を閉じてから再試行してください。</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>%1 の Cookie を復号できませんでした。システムのキーリングが利用できません。キーリングのロックを解除する（デスクトップにログインする）か、cookies.txt ファイルを使ってから再試行してください。</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix は %1 の Cookie を読み取れませんでした。%1 を閉じて再試行するか、［ツール］▸［Cookie…］で別の取得元を選んでください。</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Cookie ファイル %1 が見つかりません。［ツール］▸［Cookie…］で選び直してから再試行してください。</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Cookie ファイル %1 は %2 を超えており、ブラウザーが保持する量をはるかに上回っています。ブラウザーの Cookie を Netscape の cookies.txt 形式でエクスポートし直してから再試行してください。</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Cookie ファイル %1 を読み取れません。ブラウザーから Netscape の cookies.txt 形式でエクスポートし直してから再試行してください。</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>このアドレスには動画がありません</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>この項目自体がリストです。そのアドレスを個別に追加してください</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>%1p 以下がないため、%2p でダウンロードしました</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 はリンクまたは通常のファイルではないため、Reelix はリストのアーカイブをそこに書き込みません。削除してから再試行してください。</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>このフォルダーにダウンロード済みのためスキップしました</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n 件完了</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 件失敗</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>残り %n 件</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>すべてダウンロード</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>すべて停止</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>動画を隠す</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>動画を表示</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>このフォルダーにダウンロード済みの動画をスキップ</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>%1p まで</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>リストを取り除く</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n 本の動画</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>サーバーの応答は HTTP %1 でした</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>サーバーの応答は HTTP %1（%2）でした</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>サーバーがダウンロードを安全でないアドレス（Web アドレスでない、または暗号化から非暗号化への転送）に転送しようとしたため、拒否しました</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>ダウンロードしたファイルが見つかりません</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>アーカイブに %1 の実行ファイルがありません</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 が失敗しました（コード %2）</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>アーカイブ内に %1 を超えるファイルがあるため、アーカイブを拒否しました</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>ツールが起動しません：%1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>ツールが %1 に応答しません</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>ツールがバージョンを表示しません（%1）</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>システムの %1 を使用</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>%1 をフォローしました。確認のたびに新しい項目がダウンロードされます。</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>ファイルから %n 件のフォローを新たに追加しました。</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1：新着 %n 件</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1：読み取れませんでした（%2）</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1：サイトから待機を求められました。%2 以降に再度読み取ります</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1：別の確認処理が読み取り中です</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1：一時停止中</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>フォローのリストを保存できませんでした。</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>別の Reelix がフォローのリストを変更中です。もう一度お試しください。</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>このファイルはフィードの OPML リストではありません。</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>このアドレスはリストではなく、1 本の動画です。</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp はリストを読み取れませんでした。</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp がインストールされていません。</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>フォロー中</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>フォロー中</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>フォロー</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>フォローして、最新の 5 本を今すぐ取得</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>フォローして、今後の分のみ取得</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>これらのリストの新しい項目は、確認のたびに自動でダウンロードされます。</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>まだ何もフォローしていません。リストのヘッダー行からフォローできます。</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>今すぐすべて確認</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>未確認</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>%1 に確認</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>新着 %n 件</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1（一時停止中）</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>「%1」に一致する形式がありません</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>受け付けられたアドレスはありません。</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n 件：%1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Reelix のログ</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>ログを有効にする</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>コピーしました</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>ログはまだありません</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>上でログを有効にすると記録が始まります</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… これより前の行はファイルにあります（［フォルダー］ボタン）— 全体で %1</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp がファイルの保存先を示さなかったため、フォルダー内の最新のファイルを使います</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>ダウンロードサーバーに接続できませんでした：%1。接続を確認してから再試行してください。</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>アップデートが完了しませんでした。現在のツールはそのまま使えます。</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>このコンピューターでツールが見つかりました。そのまま使うか、Reelix 専用のコピーをダウンロードしてください。</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>このコンピューター上：%1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>一部のサイトには古すぎる可能性があります</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Reelix 専用の最新コピーをダウンロードし、こちらの代わりに使います</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>システムのツールで続行</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>新しいフォルダーの名前</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>1 つ上のフォルダー</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>フォルダーがありません</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>新しいフォルダーの名前を入力してください。</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>フォルダー名に「/」は使えません。</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>「%1」はフォルダー名に使えません。</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>「%1」という名前の項目がすでにあります。</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>フォルダーを作成できませんでした：%1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>保存されたダウンロードリストを読み取れませんでした。%1 として保管し、空のリストで開始します。</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>保存されたダウンロードリスト（%1）は別のプログラムが使用中のため、そのままにしています。空のリストで開始しますが、今追加したものは Reelix の終了後に保持されません。</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>ダウンロードリストの変更を %1 に保存できません（ファイルが読み取り専用か、ディスクが書き込みを拒否しました）。Reelix を終了するまで、リストはこのままです。</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>設定…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>ダウンロード先フォルダー</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>準備ができたらすぐにダウンロードを開始</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>ダウンロード形式</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4、最高画質</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4、1080p まで</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4、720p まで</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3（音声のみ）</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>新しいダウンロードのプリセット</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>このプリセットを削除</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>動画</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>新しい動画のファイル形式</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>新しい音声ダウンロードのファイル形式</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>タイトル、投稿者、日付、説明、カバー画像、チャプターをファイルに書き込む</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>スポンサー区間</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>スポンサー区間の扱い</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>残す</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>削除する</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>チャプターとして示す</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>コミュニティのデータベースに登録された区間です。対象サイトの動画に適用されます。</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>データベースのアドレス</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>公開データベース</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>スポンサー</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>自己宣伝</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>高評価・登録の呼びかけ</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>イントロ</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>エンディング</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>音楽以外の部分</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>余談</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>新しいプリセットの名前</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>プリセットとして保存</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>同時ダウンロード数の上限</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>無制限</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>ダウンロードごとの同時取得フラグメント数</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>フォロー中のリストを確認する間隔（時間）</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>同じサイトへのリクエストの間隔（秒）</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Reelix が起動していないときも確認する（systemd ユーザータイマー）</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>タイトルで検索</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>すべて消去</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>完了したダウンロードはまだありません</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>この検索に一致するダウンロードはありません</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>もう一度ダウンロード</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>メディアサーバー用ファイル</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>新しいファイルごとに、Kodi、Jellyfin、Plex が読み取るものを横に書き出します：.nfo、サムネイル、フォルダーのポスター</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>表示言語</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>次回 Reelix の起動時に適用されます</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>疑似言語</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 の準備完了</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 を更新しました</translation>
    </message>
</context>
</TS>
