<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>أدوات (&amp;T)</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>التحقق من التحديثات…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>سجلات التنقيح</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>عن Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>فحص إعداداتي</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>إضافة العناوين المكتوبة، أو الضغط على الزر المُبرز</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>فتح شريط القوائم</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>فتح قائمة</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>إغلاق مربع حوار أو التفضيلات أو السجلات</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>برنامج حر مرخّص بموجب رخصة جنو العمومية العامة، الإصدار 3 أو أي إصدار لاحق (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>مثبّت</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>تتوفر تحديثات للأدوات</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>الصق عنوان فيديو واحدًا أو أكثر، عنوانًا في كل سطر</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>هذا العنوان موجود في القائمة بالفعل</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n أسطر ليست عناوين</numerusform>
            <numerusform>%n سطر ليس عنوانًا</numerusform>
            <numerusform>%n سطران ليسا عنوانين</numerusform>
            <numerusform>%n أسطر ليست عناوين</numerusform>
            <numerusform>%n سطرًا ليست عناوين</numerusform>
            <numerusform>%n سطر ليست عناوين</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>نسخ الخطأ</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>مسح المكتملة</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>لا توجد تنزيلات بعد</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>الصق عنوان فيديو أو قائمة تشغيل في الأعلى واضغط Enter، ثم اختر الجودة وانقر «تنزيل».</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>الصق عنوان فيديو أو قائمة تشغيل في الأعلى واضغط Enter، وسيبدأ التنزيل تلقائيًا.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>اختيار مجلد التنزيل</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>اختيار</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>في الانتظار</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>غير مثبّت</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>جارٍ جلب المعلومات…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>جارٍ التحويل</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>تحويل QuickTime — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>جارٍ البدء…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 من ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/ث</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>متبقٍّ %1</translation>
    </message>
    <message id="duration.seconds">
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message id="duration.minutes">
        <source>%1 min %2 s</source>
        <translation>%1 د %2 ث</translation>
    </message>
    <message id="duration.hours">
        <source>%1 h %2 min</source>
        <translation>%1 س %2 د</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>نُزّل بدقة %1p: دقة %2p لم تكن متاحة</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>لم تُنزَّل الترجمات: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>إعادة المحاولة بطريقة أخرى…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>يطلب هذا الموقع تسجيل الدخول: إعادة المحاولة باستخدام ملفات تعريف الارتباط من %1. ما تنزّله بها يرتبط بحسابك.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>جعله قابلًا للتشغيل في كل مكان — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>اكتمل</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>أُلغي</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>أفضل جودة</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>جودة %1</translation>
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
        <translation>MKV، يحتفظ بكل شيء</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>مثل المصدر</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 ك.بت/ث</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>المسار %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (الأصلي)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1، وصف صوتي</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>من الناشر</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>ترجمات مُنشأة تلقائيًا</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>ترجمات مُترجَمة آليًا</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>الترجمات: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>داخل الملف</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>بجانب الملف (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>بلا إعداد مسبق</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>قصّ…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>المقطع %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>ملف لكل فصل</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>تنزيل جزء من %1: نطاق زمني أو فصول</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>قصّ «%1»</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>المدة: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>من</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>بداية المقطع</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>نهاية المقطع</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>اكتب البداية بالصيغة h:mm:ss، مثلًا 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>اكتب النهاية بالصيغة h:mm:ss، مثلًا 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>يجب أن تأتي النهاية بعد البداية</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>ينتهي الفيديو عند %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>الملف: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>أو اختر فصولًا: كل مجموعة متتالية من الفصول تصبح مقطعًا مستقلًا.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>الفيديو كاملًا، ملف لكل فصل داخل مجلد يحمل اسمه</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>قصّ دقيق</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>يعيد الترميز عند نقاط القص: دقيق حتى الإطار، لكنه أبطأ.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>قصّ</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>بودكاست: Opus ‏96 ك.بت/ث</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>موسيقى: M4A، مثل المصدر</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>أرشيف: MKV، كل المسارات والترجمات</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>صيغة الملف لـ %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>جودة الصوت لـ %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>المسار الصوتي لـ %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>الترجمات لـ %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>الإعداد المسبق لـ %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>الصيغة لكل فيديوهات %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>الجودة لكل فيديوهات %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>تقدّم %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: إنقاص</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: زيادة</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>فتح الموقع في المتصفح لتسجيل الدخول مجددًا</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>حدّث yt-dlp من أدوات ◂ التحقق من التحديثات</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>إزالة من القائمة (يبقى الملف)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>حذف الملف…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>أتريد حذف «%1»؟ سيُنقل إلى سلة المهملات، ويُزال سطره من القائمة.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>حذف الملف</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>لم يتمكن أي تطبيق من فتح «%1».</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>لم يتمكن أي مدير ملفات من إظهار «%1».</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>تعذّر حذف «%1».</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>تحويل للتشغيل</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>جعله قابلًا للتشغيل في كل مكان</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>التحويل إلى H.264 وAAC، اللذين يشغّلهما كل مشغّل وجهاز</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>تعذّر التحقق من شهادة الموقع. تحقق من الشبكة أو الوسيط (proxy)، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>هذا الفيديو محمي بتقنية DRM ولا يمكن تنزيله.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>يحتاج YouTube إلى بيئة تشغيل Node.js. ثبّت الأدوات أو حدّثها، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp غير مثبّت. افتح أدوات ◂ التحقق من التحديثات لتثبيته.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>القرص ممتلئ: حرّر بعض المساحة في %1 وأعد المحاولة.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>لا يستطيع Reelix الكتابة في %1: تأكد من أن المجلد موجود وقابل للكتابة.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>تعذّرت قراءة معلومات الفيديو.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>لم يبدأ هذا البث المباشر أو العرض الأول بعد. أعد المحاولة بعد أن يبدأ.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>هذا الفيديو غير متاح في بلدك، لذا لا يمكن تنزيله هنا.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>هذا الفيديو خاص أو محذوف أو غير متاح. تحقق من العنوان في متصفحك.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>يحدّ الموقع من الطلبات. أعد المحاولة لاحقًا.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>لم يُعثر على الصفحة. تحقق من العنوان، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>رفض الموقع الوصول. أعد المحاولة لاحقًا، أو استخدم متصفحًا سجّلت الدخول فيه (أدوات ◂ ملفات تعريف الارتباط…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>لم يجد Reelix أي فيديو في هذا العنوان. تأكد من أنه يشير إلى صفحة فيديو.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>تعذّر العثور على اسم الموقع. تحقق من العنوان ومن اتصالك بالإنترنت.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>رفض الموقع الاتصال. تحقق من العنوان، أو أعد المحاولة لاحقًا.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>لم يستجب الموقع في الوقت المحدد. تحقق من اتصالك بالإنترنت، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>تعذّر على Reelix الوصول إلى الموقع. تحقق من اتصالك بالإنترنت، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>تعذّر على yt-dlp قراءة هذه الصفحة: ربما تغيّر الموقع. يمكن لـ Reelix تحديث yt-dlp من أدوات ◂ التحقق من التحديثات، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>تعذّر على yt-dlp قراءة هذه الصفحة: ربما تغيّر الموقع، والإصدار %1 من yt-dlp أقدم من أحدث إصدار، %2. حدّثه، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>تعذّر على yt-dlp قراءة هذه الصفحة: ربما تغيّر الموقع، وyt-dlp النظام (%1) أقدم من أحدث إصدار، %2. حدّثه بمدير الحزم، أو ثبّت النسخة الخاصة بـ Reelix من أدوات ◂ التحقق من التحديثات.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>فشل التنزيل. تحقق من العنوان ومن اتصالك، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>تعذّر تشغيل %1. يمكن لـ Reelix تثبيت نسخة تعمل من أدوات ◂ التحقق من التحديثات.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>فشل التحويل؛ الملف المُنزَّل محفوظ كما كان. أعد المحاولة، أو شغّله كما هو.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>ما قالته الأداة</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>لم تقل الأداة شيئًا آخر.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>يعثر على الفيديو وينزّله</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>يدمج الوسائط ويفحصها ويحوّلها</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>بيئة تشغيل JavaScript يحتاجها YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>يحتاج Reelix إلى ثلاث أدوات مجانية ليعمل.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>فتح Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>لا حاجة إلى كلمة مرور المدير</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>تعذّرت قراءة المجاميع الاختبارية المنشورة لـ %1 (%2)؛ لم يُثبَّت شيء.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>لا تذكر المجاميع الاختبارية المنشورة %1؛ لم يُثبَّت شيء.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>تذكر المجاميع الاختبارية المنشورة %1 أكثر من مرة، بمجاميع مختلفة؛ لم يُثبَّت شيء.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>لا يطابق %1 المجموع الاختباري الذي ينشره موزّعه؛ لم يُثبَّت شيء.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 يطابق مجموع MD5 المنشور له (MD5 فقط: يكشف التنزيل التالف، لا التعديل المتعمَّد)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>لا يمكن التحقق من %1: لا ينشر مصدره أي مجموع اختباري</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>هذا المعالج (%1) غير مدعوم: الأدوات متوفرة للمعالجات 64 بت فقط (x86_64 وarm64). لم يُنزَّل شيء.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>نسخة ffmpeg هذه مبنية لأجهزة Mac بمعالجات Intel ولا يمكن تشغيلها على هذا الـ Mac دون Rosetta. ثبّت Rosetta (شغّل softwareupdate --install-rosetta في الطرفية) وأعد المحاولة، أو ثبّت ffmpeg عبر Homebrew (brew install ffmpeg): وعندها يستخدمه Reelix. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>تم التحقق (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>تم التحقق (MD5 فقط)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>لا يمكن التحقق: لا ينشر المصدر أي مجموع اختباري</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>لم يُتحقق منه</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>استرجاع</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>إعادة الإصدار الذي استبدله هذا التحديث</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>جارٍ استرجاع الإصدار السابق من %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>عاد %1 إلى إصداره السابق</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: لا يوجد إصدار سابق محفوظ، فلا شيء يمكن الرجوع إليه.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>تثبيت الأدوات</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>جارٍ تنزيل yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>جارٍ تنزيل ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>جارٍ تنزيل Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>تتوفر تحديثات</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>كل الأدوات محدّثة</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>جارٍ التحقق من التحديثات…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>تثبيت التحديثات</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>ليس الآن</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n تنزيلات قيد التنفيذ. أتريد إيقافها والتحقق من التحديثات؟</numerusform>
            <numerusform>%n تنزيل قيد التنفيذ. أتريد إيقافه والتحقق من التحديثات؟</numerusform>
            <numerusform>%n تنزيلان قيد التنفيذ. أتريد إيقافهما والتحقق من التحديثات؟</numerusform>
            <numerusform>%n تنزيلات قيد التنفيذ. أتريد إيقافها والتحقق من التحديثات؟</numerusform>
            <numerusform>%n تنزيلًا قيد التنفيذ. أتريد إيقافها والتحقق من التحديثات؟</numerusform>
            <numerusform>%n تنزيل قيد التنفيذ. أتريد إيقافها والتحقق من التحديثات؟</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>إيقاف وتحقق</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n تنزيلات قيد التنفيذ. أتريد الإنهاء على أي حال؟ ستُستأنف عند تشغيل Reelix في المرة القادمة.</numerusform>
            <numerusform>%n تنزيل قيد التنفيذ. أتريد الإنهاء على أي حال؟ سيُستأنف عند تشغيل Reelix في المرة القادمة.</numerusform>
            <numerusform>%n تنزيلان قيد التنفيذ. أتريد الإنهاء على أي حال؟ سيُستأنفان عند تشغيل Reelix في المرة القادمة.</numerusform>
            <numerusform>%n تنزيلات قيد التنفيذ. أتريد الإنهاء على أي حال؟ ستُستأنف عند تشغيل Reelix في المرة القادمة.</numerusform>
            <numerusform>%n تنزيلًا قيد التنفيذ. أتريد الإنهاء على أي حال؟ ستُستأنف عند تشغيل Reelix في المرة القادمة.</numerusform>
            <numerusform>%n تنزيل قيد التنفيذ. أتريد الإنهاء على أي حال؟ ستُستأنف عند تشغيل Reelix في المرة القادمة.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>جارٍ التحديث…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>جارٍ تحديث yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>جارٍ تحديث ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>جارٍ تحديث Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>تعذّر نقل التنزيل إلى %1: إنه محفوظ في %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>لا بيانات منذ %1 ث: أُنهي النقل</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>استغرق النقل أكثر من %1 ث: أُنهي</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>أرسل الخادم أكثر من %1: أُنهي النقل</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>أُوقف</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>ردّ الخادم بـ HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>لا يذكر الرد أي إصدار</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>لم يُعثر على إصدار من Node.js %1: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>تعذّر التحقق (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>تعذّر التحقق</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>اختيار المتصفح</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>اختيار المجلد</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>فتح التفضيلات</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>سليم</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>مشكلة</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>إعادة الفحص</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>نسخ التقرير</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>كل ما يحتاجه Reelix موجود.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n مشكلات تمنع التنزيل. يوضح كل سطر ما يجب فعله.</numerusform>
            <numerusform>%n مشكلة تمنع التنزيل. يوضح سطرها ما يجب فعله.</numerusform>
            <numerusform>%n مشكلتان تمنعان التنزيل. يوضح كل سطر ما يجب فعله.</numerusform>
            <numerusform>%n مشكلات تمنع التنزيل. يوضح كل سطر ما يجب فعله.</numerusform>
            <numerusform>%n مشكلةً تمنع التنزيل. يوضح كل سطر ما يجب فعله.</numerusform>
            <numerusform>%n مشكلة تمنع التنزيل. يوضح كل سطر ما يجب فعله.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>جارٍ فحص الأدوات وملفات تعريف الارتباط والمجلد والشبكة…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n أسطر يمكن تحسينها.</numerusform>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n سطر يمكن تحسينه.</numerusform>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n سطران يمكن تحسينهما.</numerusform>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n أسطر يمكن تحسينها.</numerusform>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n سطرًا يمكن تحسينها.</numerusform>
            <numerusform>يُفترض أن يعمل التنزيل؛ %n سطر يمكن تحسينها.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادات: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادة: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادتين: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادات: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادةً: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
            <numerusform>لا تحتوي حزمة الشهادات إلا على %n شهادة: قد يفشل الاتصال بالمواقع الآمنة.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>ثبّت شهادات النظام (الحزمة ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>لا يثق النظام بأي شهادة: لا يمكن التحقق من المواقع الآمنة.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>لم تُنشأ حزمة الشهادات بعد؛ سيُنشئها التنزيل التالي.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n يوم.</numerusform>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n يوم.</numerusform>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n يومين.</numerusform>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n أيام.</numerusform>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n يومًا.</numerusform>
            <numerusform>تحتوي حزمة الشهادات على %L1 شهادة، أُنشئت قبل %n يوم.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>اختر المتصفح الذي سجّلت الدخول فيه.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>إذا فشلت التنزيلات التي تتطلب تسجيل الدخول، فأغلق المتصفح وأعد المحاولة.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>انتهت صلاحية تسجيل الدخول إلى YouTube في %1.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>ملفات تعريف الارتباط مأخوذة من الملف %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>مخزن ملفات تعريف الارتباط في %1 مقفل، والأرجح أن السبب هو أن %1 مفتوح.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>لم يُعثر على %1 في هذا الحاسوب.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>تتعذر قراءة ملف تعريف الارتباط %1.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>ملفات تعريف الارتباط مأخوذة من %1، وهو غير مسجّل الدخول إلى YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>لا تُستخدم ملفات تعريف الارتباط: سترفض المواقع التي تطلب تسجيل الدخول.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n أيام.</numerusform>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n يوم.</numerusform>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n يومان.</numerusform>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n أيام.</numerusform>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n يومًا.</numerusform>
            <numerusform>ملفات تعريف الارتباط مأخوذة من %1؛ مضى على تسجيل دخوله إلى YouTube %n يوم.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>سجّل الدخول إلى YouTube مجددًا في المتصفح.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>تتعذر قراءة مخزن ملفات تعريف الارتباط في %1.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>ثبّت نسخة ffmpeg الخاصة بـ Reelix، ففيها ما يلزم.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ينقص ffmpeg %1 ما يستخدمه Reelix: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>يعمل ffmpeg وffprobe %1 وفيهما ما يستخدمه Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>اختر مجلد تنزيل آخر.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>حرّر بعض المساحة، أو اختر مجلدًا على قرص آخر.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>المساحة الحرة في مجلد التنزيل %1 فقط: قد لا تتسع للتنزيلات.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>مجلد التنزيل %1 غير موجود.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>مجلد التنزيل قابل للكتابة وفيه %1 من المساحة الحرة.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>لا يستطيع Reelix الكتابة في مجلد التنزيل %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>لا يستطيع yt-dlp التظاهر بأنه متصفح (مكتبة التظاهر لديه مفقودة): قد ترفضه المواقع التي تتحقق من ذلك.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>لا يمكن فحص التظاهر بالمتصفح دون yt-dlp.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>يستطيع yt-dlp التظاهر بأنه أحد %n متصفحات في المواقع التي تتحقق من ذلك.</numerusform>
            <numerusform>يستطيع yt-dlp التظاهر بأنه %n متصفح في المواقع التي تتحقق من ذلك.</numerusform>
            <numerusform>يستطيع yt-dlp التظاهر بأنه أحد %n متصفحَين في المواقع التي تتحقق من ذلك.</numerusform>
            <numerusform>يستطيع yt-dlp التظاهر بأنه أحد %n متصفحات في المواقع التي تتحقق من ذلك.</numerusform>
            <numerusform>يستطيع yt-dlp التظاهر بأنه أحد %n متصفحًا في المواقع التي تتحقق من ذلك.</numerusform>
            <numerusform>يستطيع yt-dlp التظاهر بأنه أحد %n متصفح في المواقع التي تتحقق من ذلك.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>استخدم نسخة yt-dlp الخاصة بـ Reelix، ففيها هذه المكتبة.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>لا يستطيع yt-dlp هذا التظاهر بأنه متصفح: قد ترفضه المواقع التي تتحقق من ذلك (مثل Cloudflare).</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>هذا الحاسوب غير متصل بالإنترنت: تعذّر تحليل اسم أي خادم.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>كل الخوادم التي تحتاجها الأدوات والتحديثات تستجيب.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>لا استجابة</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>تحقق من اتصال الشبكة ومن إعدادات الوسيط (proxy).</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>يتعذر الوصول إلى هذه الخوادم: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>لا يعمل Node.js.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>ثبّت نسخة Node.js الخاصة بـ Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>لا توجد بيئة تشغيل JavaScript: يحتاج YouTube إلى Node.js لحل تحدياته.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>احصل على إصدار أحدث من yt-dlp.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>يحل Node.js %1 تحديات YouTube؛ ويجلب yt-dlp سكربتات التحديات من GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 قديم جدًا: يحتاج yt-dlp إلى الإصدار %2 أو أحدث لحل تحديات YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 هو نسخة النظام؛ لا يمرّر Reelix إلى yt-dlp إلا نسخته الخاصة.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>yt-dlp هذا أقدم من أن يستخدم بيئة تشغيل JavaScript: قد تفشل فيديوهات YouTube.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>لا يعمل %1: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>ثبّته من شاشة الإعداد.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 غير مثبّت.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>أعد تثبيته من شاشة الإعداد.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>لم يستجب في الوقت المحدد</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>يعمل yt-dlp %1 وهو حديث.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 قديم: تتغير المواقع كثيرًا ويفشل معها yt-dlp القديم.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>هذه النسخة تأتي مع النظام؛ ثبّت النسخة الخاصة بـ Reelix، فهي تبقى محدّثة.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>يعمل yt-dlp %1؛ تعذّر التحقق من أحدث إصدار.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>حدّثه.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>تعذّر التحقق من بعض الإصدارات</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>فشل التنزيل</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>اكتمل %n تنزيلات</numerusform>
            <numerusform>اكتمل %n تنزيل</numerusform>
            <numerusform>اكتمل %n تنزيلان</numerusform>
            <numerusform>اكتمل %n تنزيلات</numerusform>
            <numerusform>اكتمل %n تنزيلًا</numerusform>
            <numerusform>اكتمل %n تنزيل</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>اكتمل %n تنزيلات، وفشل: %L1</numerusform>
            <numerusform>اكتمل %n تنزيل، وفشل: %L1</numerusform>
            <numerusform>اكتمل %n تنزيلان، وفشل: %L1</numerusform>
            <numerusform>اكتمل %n تنزيلات، وفشل: %L1</numerusform>
            <numerusform>اكتمل %n تنزيلًا، وفشل: %L1</numerusform>
            <numerusform>اكتمل %n تنزيل، وفشل: %L1</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>الإشعار عند انتهاء التنزيلات</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>اقتراح العناوين المنسوخة</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>في الحافظة: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>ليس هذا</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>أفلت للإضافة إلى القائمة</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>ملفات تعريف الارتباط…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>استخدام ملفات تعريف الارتباط من:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>ملف cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>اختيار ملف cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>استخدامها:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>لكل تنزيل</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>فقط عندما يطلب مني موقع تسجيل الدخول</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>المواقع التي تريدك مسجّل الدخول (التحقق من العمر، الفيديوهات المخصصة للأعضاء، التحقق من أنك «لست روبوتًا») تسمح لـ Reelix بالدخول باستخدام ملفات تعريف الارتباط من متصفح سجّلت الدخول فيه. لا يحتفظ Reelix إلا باسم المتصفح أو مسار الملف، ولا يحتفظ أبدًا بأي ملف تعريف ارتباط.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>لم يُعثر على أي متصفح في هذا الجهاز: استخدم ملف cookies.txt مُصدَّرًا من متصفحك.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>استخدام ملفات تعريف الارتباط من %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>استخدام ملفات تعريف الارتباط من…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>تريدك هذه الصفحة أن تسجّل الدخول. سجّل الدخول إلى الموقع في متصفح الويب، ثم دع Reelix يستخدم ملفات تعريف الارتباط لهذا المتصفح: ما تنزّله بها يرتبط بحسابك.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>ربما انتهت صلاحية جلستك في %1 — افتح الموقع في %1، وسجّل الدخول، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>ربما انتهت صلاحية ملفات تعريف الارتباط في %1 — سجّل الدخول إلى الموقع في متصفحك، وصدّر ملفات تعريف الارتباط مجددًا، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>لم يُعثر على ملفات تعريف ارتباط لـ %1: المتصفح أو ملفه الشخصي لم يعد موجودًا. اختر غيره من أدوات ◂ ملفات تعريف الارتباط…، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>يُبقي %1 ملفات تعريف الارتباط مقفلة أثناء تشغيله. أغلق %1، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>تعذّر فك تشفير ملفات تعريف الارتباط في %1: حلقة مفاتيح النظام غير متاحة. افتح قفلها (سجّل الدخول إلى جلسة سطح المكتب) أو استخدم ملف cookies.txt، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>تعذّر على Reelix قراءة ملفات تعريف الارتباط في %1. أغلق %1 وأعد المحاولة، أو افتح أدوات ◂ ملفات تعريف الارتباط… واختر مصدرًا آخر.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>ملف تعريف الارتباط %1 لم يعد موجودًا. اختره مجددًا من أدوات ◂ ملفات تعريف الارتباط…، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>ملف تعريف الارتباط %1 أكبر من %2، وهذا أكثر بكثير مما يحتفظ به أي متصفح: صدّر ملفات تعريف الارتباط من متصفحك مجددًا بصيغة Netscape cookies.txt، ثم أعد المحاولة.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>تتعذر قراءة ملف تعريف الارتباط %1: صدّره مجددًا من متصفحك بصيغة Netscape cookies.txt، ثم أعد المحاولة.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>لا يحتوي هذا العنوان على أي فيديو</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>هذا العنصر قائمة بحد ذاته: أضف عنوانه بمفرده</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>لا شيء بدقة %1p أو أقل: نُزّل بدقة %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 رابط أو ليس ملفًا عاديًا: لا يكتب Reelix أرشيف القائمة عبره. احذفه، ثم أعد المحاولة.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>نُزّل في هذا المجلد من قبل: تم تخطيه</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>مكتمل: %n</numerusform>
            <numerusform>مكتمل: %n</numerusform>
            <numerusform>مكتمل: %n</numerusform>
            <numerusform>مكتمل: %n</numerusform>
            <numerusform>مكتمل: %n</numerusform>
            <numerusform>مكتمل: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>فاشل: %n</numerusform>
            <numerusform>فاشل: %n</numerusform>
            <numerusform>فاشل: %n</numerusform>
            <numerusform>فاشل: %n</numerusform>
            <numerusform>فاشل: %n</numerusform>
            <numerusform>فاشل: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>متبقٍّ: %n</numerusform>
            <numerusform>متبقٍّ: %n</numerusform>
            <numerusform>متبقٍّ: %n</numerusform>
            <numerusform>متبقٍّ: %n</numerusform>
            <numerusform>متبقٍّ: %n</numerusform>
            <numerusform>متبقٍّ: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>تنزيل الكل</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>إيقاف الكل</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>إخفاء الفيديوهات</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>إظهار الفيديوهات</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>تخطي الفيديوهات المنزّلة في هذا المجلد من قبل</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>حتى %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>إزالة القائمة</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n فيديوهات</numerusform>
            <numerusform>%n فيديو</numerusform>
            <numerusform>%n فيديو</numerusform>
            <numerusform>%n فيديوهات</numerusform>
            <numerusform>%n فيديو</numerusform>
            <numerusform>%n فيديو</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>ردّ الخادم بـ HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>ردّ الخادم بـ HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>أعاد الخادم توجيه التنزيل إلى عنوان ليس من الآمن اتباعه (ليس عنوان ويب، أو غير مشفّر بعد عنوان مشفّر): رُفض</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>الملف المُنزَّل مفقود</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>لا يوجد ملف تنفيذي لـ %1 في الأرشيف</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>فشل %1 (الرمز %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 ليس ملفًا عاديًا</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>يحتوي الأرشيف على ملف أكبر من %1: رُفض الأرشيف</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>لا تبدأ الأداة: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>لا تستجيب الأداة لـ %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>لا تعرض الأداة أي إصدار (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>يُستخدم %1 من النظام</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>تجري متابعة %1. تُنزَّل العناصر الجديدة عند كل تحقق.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n متابعات جديدة من الملف.</numerusform>
            <numerusform>%n متابعة جديدة من الملف.</numerusform>
            <numerusform>%n متابعتان جديدتان من الملف.</numerusform>
            <numerusform>%n متابعات جديدة من الملف.</numerusform>
            <numerusform>%n متابعةً جديدة من الملف.</numerusform>
            <numerusform>%n متابعة جديدة من الملف.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n عناصر جديدة</numerusform>
            <numerusform>%1: %n عنصر جديد</numerusform>
            <numerusform>%1: %n عنصران جديدان</numerusform>
            <numerusform>%1: %n عناصر جديدة</numerusform>
            <numerusform>%1: %n عنصرًا جديدًا</numerusform>
            <numerusform>%1: %n عنصر جديد</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: لم تُقرأ (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: طلب الموقع الانتظار؛ ستُقرأ مجددًا بعد %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: عملية تحقق أخرى تقرؤها</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: متوقفة مؤقتًا</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>تعذّرت كتابة قائمة المتابعات.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>نسخة أخرى من Reelix تعدّل قائمة المتابعات؛ أعد المحاولة.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>الملف ليس قائمة خلاصات OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>هذا العنوان فيديو واحد، لا قائمة.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>تعذّر على yt-dlp قراءة القائمة.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp غير مثبّت.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>قيد المتابعة</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>القوائم المتابَعة</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>متابعة</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>متابعة، مع تنزيل أحدث 5 الآن</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>متابعة، لما يأتي لاحقًا فقط</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>تُنزَّل العناصر الجديدة في هذه القوائم تلقائيًا عند كل تحقق.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>لا متابعات بعد. تابع قائمة من سطر عنوانها.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>التحقق من الكل الآن</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>التحقق الآن</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>لم يُتحقق منها بعد</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>تم التحقق في %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n عناصر جديدة</numerusform>
            <numerusform>%n عنصر جديد</numerusform>
            <numerusform>%n عنصران جديدان</numerusform>
            <numerusform>%n عناصر جديدة</numerusform>
            <numerusform>%n عنصرًا جديدًا</numerusform>
            <numerusform>%n عنصر جديد</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (متوقفة مؤقتًا)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>لا توجد صيغة تطابق «%1»</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>لم يُقبل أي عنوان.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n عناصر: %1</numerusform>
            <numerusform>%n عنصر: %1</numerusform>
            <numerusform>%n عنصران: %1</numerusform>
            <numerusform>%n عناصر: %1</numerusform>
            <numerusform>%n عنصرًا: %1</numerusform>
            <numerusform>%n عنصر: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>سجلات Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>تفعيل السجلات</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>نُسخ!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>لا سجلات بعد</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>فعّل السجلات في الأعلى للبدء</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… الأسطر السابقة في الملف (زر «المجلد») — %1 إجمالًا</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>لم يذكر yt-dlp أين وضع الملف — يُؤخذ أحدث ملف في المجلد</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>تعذّر الوصول إلى خادم التنزيل: %1. تحقق من اتصالك، ثم أعد المحاولة.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>لم يكتمل التحديث. لا تزال أدواتك الحالية تعمل.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>عُثر على أدوات في هذا الحاسوب. تابع باستخدامها، أو نزّل النسخ الخاصة بـ Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>في هذا الحاسوب: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>ربما يكون أقدم مما تحتاجه بعض المواقع</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>تنزيل نسخة Reelix الخاصة والحديثة؛ تُستخدم بدلًا من هذه</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>المتابعة بأدوات النظام</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>مجلد جديد</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>اسم المجلد الجديد</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>المجلد الأعلى</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>لا توجد مجلدات هنا</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>اكتب اسمًا للمجلد الجديد.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>لا يمكن أن يحتوي اسم المجلد على «/».</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>لا يمكن استخدام «%1» اسمًا لمجلد.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>يوجد هنا عنصر باسم «%1» بالفعل.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>تعذّر إنشاء المجلد: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>تعذّرت قراءة قائمة التنزيلات المحفوظة. احتُفظ بها باسم %1، وتبدأ القائمة فارغة.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>قائمة التنزيلات المحفوظة (%1) يستخدمها برنامج آخر، فتُركت كما هي. تبدأ القائمة فارغة، وما تضيفه الآن لن يُحفظ بعد إنهاء Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>لا يمكن حفظ التغييرات على قائمة التنزيلات في %1 (الملف للقراءة فقط أو رفضها القرص). تبقى القائمة كما هي حتى إنهاء Reelix.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>الملف مفقود</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>تجاهل</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>التفضيلات…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>مجلد التنزيل</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>تغيير…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>بدء التنزيلات فور جاهزيتها</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>التنزيل بصيغة</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4، أفضل جودة</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 حتى 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 حتى 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (صوت فقط)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>الإعداد المسبق</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>الإعداد المسبق للتنزيلات الجديدة</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>حذف هذا الإعداد المسبق</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>الفيديو</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>صيغة ملفات الفيديو الجديدة</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>صيغة ملفات التنزيلات الصوتية الجديدة</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>كتابة العنوان والناشر والتاريخ والوصف والغلاف والفصول في الملف</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>المقاطع الدعائية</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>ما يحدث للمقاطع الدعائية</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>الإبقاء عليها</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>إزالتها</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>تمييزها كفصول</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>مقاطع تسردها قاعدة بيانات المجتمع، لفيديوهات المواقع التي تغطيها.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>عنوان قاعدة البيانات</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>قاعدة البيانات العامة</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>رعاية</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>ترويج ذاتي</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>تذكير بالتفاعل</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>المقدمة</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>الخاتمة</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>جزء غير موسيقي</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>حشو</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>اسم إعداد مسبق جديد</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>حفظ كإعداد مسبق</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>أقصى عدد للتنزيلات المتزامنة</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>بلا حد</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>الأجزاء المجلوبة معًا لكل تنزيل</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>الساعات بين عمليتي تحقق من القوائم المتابَعة</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>الثواني بين طلبين إلى الموقع نفسه</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>التحقق أيضًا عندما لا يعمل Reelix (مؤقّت مستخدم systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>ملفات تعريف الارتباط</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>سجل التنزيلات</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>البحث بالعنوان</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>مسح الكل</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>لا توجد تنزيلات مكتملة بعد</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>لا يوجد تنزيل يطابق هذا البحث</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>التنزيل مجددًا</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>ملفات لخوادم الوسائط</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>يكتب بجوار كل ملف جديد ما تقرؤه Kodi وJellyfin وPlex: ملف ‎.nfo والصورة المصغّرة وملصقًا للمجلد</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>يُطبَّق عند تشغيل Reelix في المرة القادمة</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>لغة النظام</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>لغة زائفة</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 جاهز</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>تم تحديث %1</translation>
    </message>
</context>
</TS>
