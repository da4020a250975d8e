<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Журнал отладки</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>О Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Проверить систему</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Добавить введённые адреса или нажать выделенную кнопку</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Открыть строку меню</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Открыть меню</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Закрыть диалог, параметры или журнал</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Установлено</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Доступны обновления инструментов</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Вставьте один или несколько адресов видео, по одному в строке</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Этот адрес уже есть в списке</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n строка не является адресом</numerusform>
            <numerusform>%n строки не являются адресами</numerusform>
            <numerusform>%n строк не являются адресами</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Копировать ошибку</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Убрать завершённые</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Загрузок пока нет</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Вставьте выше адрес видео или плейлиста и нажмите Enter, затем выберите качество и нажмите «Загрузить».</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Вставьте выше адрес видео или плейлиста и нажмите Enter — загрузка начнётся сама.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Выбор папки загрузок</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Не установлен</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Получение сведений…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Готово к загрузке</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Преобразование</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Преобразование для QuickTime — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 из ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/с</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
    <message id="duration.seconds">
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message id="duration.minutes">
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message id="duration.hours">
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>Загружено в %1p: %2p недоступно</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Субтитры не загружены: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Повторная попытка другим способом…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Этот сайт требует входа: повторная попытка с файлами cookie браузера %1. То, что вы загружаете с ними, связано с вашей учётной записью.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Преобразование для любых плееров — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Завершено</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Лучшее качество</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Качество для %1</translation>
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
        <translation>MKV, сохраняет всё</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Как в источнике</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (оригинал)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, тифлокомментарий</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>От автора</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Автоматические субтитры</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Автоматические переводы</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Субтитры: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Внутри файла</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Рядом с файлом (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Без пресета</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Обрезать…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Фрагмент %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Файл на каждую главу</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Загрузить часть %1: отрезок времени или главы</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Обрезка «%1»</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Длительность: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>С</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>до</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Начало фрагмента</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Конец фрагмента</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Введите начало в виде ч:мм:сс, например 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Введите конец в виде ч:мм:сс, например 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>Конец должен быть после начала</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>Видео заканчивается в %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Или выберите главы: каждая группа идущих подряд глав станет отдельным фрагментом.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Всё видео, по файлу на главу, в папке с его названием</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Точная обрезка</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Перекодирует в точках обрезки: точно до кадра, но медленнее.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Обрезать</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Подкаст: Opus 96 кбит/с</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Музыка: M4A, как в источнике</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Архив: MKV, все дорожки и субтитры</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Формат файла для %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Качество звука для %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Звуковая дорожка для %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Субтитры для %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Пресет для %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Формат всех видео списка %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Качество всех видео списка %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Ход выполнения: %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: уменьшить</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: увеличить</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Открыть сайт в браузере, чтобы войти снова</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Обновить yt-dlp в меню Инструменты ▸ Проверить обновления</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Убрать из списка (файл останется)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Удалить файл…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Удалить «%1»? Файл будет перемещён в корзину, а строка исчезнет из списка.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Удалить файл</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Ни одно приложение не смогло открыть «%1».</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Ни один файловый менеджер не смог показать «%1».</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>Не удалось удалить «%1».</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Преобразовать для воспроизведения</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Преобразовать для любых плееров</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Преобразовать в H.264 и AAC, которые воспроизводит любой плеер и любое устройство</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Не удалось проверить сертификат сайта. Проверьте сеть или прокси и повторите попытку.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Это видео защищено DRM и не может быть загружено.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube требуется среда выполнения Node.js. Установите или обновите инструменты и повторите попытку.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp не установлен. Откройте Инструменты ▸ Проверить обновления, чтобы установить его.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>Диск заполнен: освободите место в %1 и повторите попытку.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix не может записывать в %1: проверьте, что папка существует и доступна для записи.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Не удалось прочитать сведения о видео.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Эта трансляция или премьера ещё не началась. Повторите попытку, когда она начнётся.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Это видео недоступно в вашей стране, поэтому загрузить его здесь нельзя.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Это видео закрыто, удалено или недоступно. Проверьте адрес в браузере.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>Сайт ограничивает число запросов. Повторите попытку позже.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>Страница не найдена. Проверьте адрес и повторите попытку.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>Сайт отказал в доступе. Повторите попытку позже или используйте браузер, в котором вы вошли на сайт (Инструменты ▸ Файлы cookie…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix не нашёл видео по этому адресу. Проверьте, что он ведёт на страницу видео.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>Не удалось найти имя сайта. Проверьте адрес и подключение к интернету.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>Сайт отклонил соединение. Проверьте адрес или повторите попытку позже.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>Сайт не ответил вовремя. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix не удалось связаться с сайтом. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp не удалось прочитать эту страницу: возможно, сайт изменился. Reelix может обновить yt-dlp в меню Инструменты ▸ Проверить обновления; затем повторите попытку.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp не удалось прочитать эту страницу: возможно, сайт изменился, а yt-dlp %1 старше новейшей версии %2. Обновите его и повторите попытку.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp не удалось прочитать эту страницу: возможно, сайт изменился, а системный yt-dlp %1 старше новейшей версии %2. Обновите его через менеджер пакетов или установите собственный yt-dlp Reelix в меню Инструменты ▸ Проверить обновления.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>Загрузка не удалась. Проверьте адрес и подключение и повторите попытку.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>Не удалось запустить %1. Reelix может установить рабочую копию в меню Инструменты ▸ Проверить обновления.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>Преобразование не удалось; загруженный файл сохранён без изменений. Повторите попытку или воспроизведите его как есть.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Что сообщил инструмент</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>Инструмент больше ничего не сообщил.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Находит и загружает видео</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Объединяет, анализирует и преобразует медиафайлы</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Среда выполнения JavaScript, нужная для YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Для работы Reelix нужны три свободные программы.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Открыть Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Пароль администратора не нужен</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Сбой</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Не удалось прочитать контрольные суммы, опубликованные для %1 (%2); ничего не установлено.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>В опубликованных контрольных суммах нет %1; ничего не установлено.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>%1 указан в опубликованных контрольных суммах несколько раз, с разными суммами; ничего не установлено.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 не совпадает с контрольной суммой, которую публикует распространитель; ничего не установлено.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 совпадает с опубликованной суммой MD5 (только MD5: она выявляет повреждённую загрузку, но не намеренное изменение)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 нельзя проверить: источник не публикует контрольную сумму</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Этот процессор (%1) не поддерживается: инструменты существуют только для 64-битных процессоров (x86_64, arm64). Ничего не загружено.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Этот ffmpeg собран для компьютеров Mac с процессором Intel и не запустится на этом Mac без Rosetta. Установите Rosetta (выполните softwareupdate --install-rosetta в Терминале) и повторите попытку или установите ffmpeg через Homebrew (brew install ffmpeg): тогда Reelix будет использовать его. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Проверено (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Проверено (только MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Проверка невозможна: источник не публикует контрольную сумму</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Не проверено</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Откатить</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Вернуть версию, которую заменило это обновление</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Откат %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 возвращён к предыдущей версии</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: предыдущая версия не сохранена, откатываться не к чему.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Установить инструменты</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Загрузка yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Загрузка ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Загрузка Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Доступны обновления</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Все инструменты актуальны</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Установить обновления</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>Идёт %n загрузка. Остановить её и проверить обновления?</numerusform>
            <numerusform>Идут %n загрузки. Остановить их и проверить обновления?</numerusform>
            <numerusform>Идёт %n загрузок. Остановить их и проверить обновления?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Остановить и проверить</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>Идёт %n загрузка. Всё равно выйти? Она продолжится при следующем запуске Reelix.</numerusform>
            <numerusform>Идут %n загрузки. Всё равно выйти? Они продолжатся при следующем запуске Reelix.</numerusform>
            <numerusform>Идёт %n загрузок. Всё равно выйти? Они продолжатся при следующем запуске Reelix.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Обновление…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Обновление yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Обновление ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Обновление Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Не удалось переместить загруженный файл в %1: он сохранён в %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Нет данных %1 с: передача прервана</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>Передача заняла больше %1 с: она прервана</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>Сервер прислал больше %1: передача прервана</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>сервер ответил HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>в ответе не указана версия</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Выпуск Node.js %1 не найден: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>проверить не удалось (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Проверить не удалось</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Выбрать браузер</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Открыть параметры</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Проверить снова</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Копировать отчёт</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Всё, что нужно Reelix, на месте.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n проблема мешает загрузкам. В каждой строке сказано, что делать.</numerusform>
            <numerusform>%n проблемы мешают загрузкам. В каждой строке сказано, что делать.</numerusform>
            <numerusform>%n проблем мешают загрузкам. В каждой строке сказано, что делать.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Проверка инструментов, файлов cookie, папки и сети…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Загрузки должны работать; %n строку можно улучшить.</numerusform>
            <numerusform>Загрузки должны работать; %n строки можно улучшить.</numerusform>
            <numerusform>Загрузки должны работать; %n строк можно улучшить.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>В наборе сертификатов только %n сертификат: защищённые сайты могут не открываться.</numerusform>
            <numerusform>В наборе сертификатов только %n сертификата: защищённые сайты могут не открываться.</numerusform>
            <numerusform>В наборе сертификатов только %n сертификатов: защищённые сайты могут не открываться.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Установите системные сертификаты (пакет ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>Система не доверяет ни одному сертификату: защищённые сайты невозможно проверить.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>Набор сертификатов ещё не создан; его создаст следующая загрузка.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>Сертификатов в пакете: %L1; пакет создан %n день назад.</numerusform>
            <numerusform>Сертификатов в пакете: %L1; пакет создан %n дня назад.</numerusform>
            <numerusform>Сертификатов в пакете: %L1; пакет создан %n дней назад.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Выберите браузер, в котором вы вошли на сайты.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Если загрузки с входом на сайт не удаются, закройте браузер и повторите попытку.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>Срок входа в YouTube в браузере %1 истёк.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Файлы cookie берутся из файла %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>Хранилище файлов cookie браузера %1 заблокировано — скорее всего, потому что %1 работает.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>Браузер %1 не найден на этом компьютере.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Не удаётся прочитать файл cookie %1.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Файлы cookie берутся из браузера %1, в котором не выполнен вход в YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Файлы cookie не используются: сайты, требующие входа, откажут в доступе.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Файлы cookie берутся из браузера %1; вход в YouTube выполнен %n день назад.</numerusform>
            <numerusform>Файлы cookie берутся из браузера %1; вход в YouTube выполнен %n дня назад.</numerusform>
            <numerusform>Файлы cookie берутся из браузера %1; вход в YouTube выполнен %n дней назад.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Снова войдите в YouTube в браузере.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>Не удаётся прочитать хранилище файлов cookie браузера %1.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Установите собственный ffmpeg Reelix, в котором всё это есть.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>В ffmpeg %1 нет того, что использует Reelix: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg и ffprobe %1 работают и умеют всё, что использует Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Выберите другую папку загрузок.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Освободите место или выберите папку на другом диске.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>В папке загрузок свободно только %1: загрузки могут не поместиться.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>Папка загрузок %1 не существует.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>Папка загрузок доступна для записи, свободно %1.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix не может записывать в папку загрузок %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp не может выдавать себя за браузер (нет библиотеки имитации): сайты с такой проверкой могут ему отказать.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Без yt-dlp имитацию браузера проверить нельзя.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp может выдавать себя за %n браузер на сайтах с проверкой.</numerusform>
            <numerusform>yt-dlp может выдавать себя за %n браузера на сайтах с проверкой.</numerusform>
            <numerusform>yt-dlp может выдавать себя за %n браузеров на сайтах с проверкой.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Используйте собственный yt-dlp Reelix, в котором она есть.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Этот yt-dlp не умеет выдавать себя за браузер: сайты с проверкой (Cloudflare и подобные) могут ему отказать.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>У этого компьютера нет подключения к интернету: не удалось разрешить ни одно имя сервера.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Все серверы, нужные инструментам и обновлениям, отвечают.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Проверьте сетевое подключение и настройки прокси.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Эти серверы недоступны: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js не запускается.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Установите собственный Node.js Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Нет среды выполнения JavaScript: без Node.js не пройти проверки YouTube.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Установите более новый yt-dlp.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 проходит проверки YouTube; yt-dlp загружает скрипты проверок с GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 слишком старый: чтобы проходить проверки YouTube, yt-dlp нужна версия %2 или новее.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 — системный; Reelix передаёт yt-dlp только собственную копию.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Этот yt-dlp слишком старый, чтобы использовать среду JavaScript: видео с YouTube могут не загружаться.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 не запускается: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Установите его на экране установки.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 не установлен.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Установите его заново на экране установки.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>он не ответил вовремя</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 работает, версия свежая.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 устарел: сайты часто меняются, и старый yt-dlp с ними не справляется.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Эта копия из системы; установите собственную копию Reelix, которая своевременно обновляется.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 работает; не удалось проверить, есть ли новая версия.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Обновите его.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Некоторые версии проверить не удалось</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>Завершена %n загрузка</numerusform>
            <numerusform>Завершены %n загрузки</numerusform>
            <numerusform>Завершено %n загрузок</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>Завершена %n загрузка, с ошибкой: %L1</numerusform>
            <numerusform>Завершены %n загрузки, с ошибкой: %L1</numerusform>
            <numerusform>Завершено %n загрузок, с ошибкой: %L1</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Уведомлять о завершении загрузок</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Предлагать скопированные адреса</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>В буфере обмена: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Не этот</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Отпустите, чтобы добавить в список</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Файлы cookie…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Брать файлы cookie из:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Не использовать</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Файл cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Выбор файла cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Использовать:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Для каждой загрузки</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Только когда сайт просит войти</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Сайты, требующие входа (проверка возраста, видео только для участников, проверки «я не робот»), пускают Reelix с файлами cookie браузера, в котором вы вошли. Reelix хранит только название браузера или путь к файлу, но никогда сами файлы cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>На этом компьютере не найдено ни одного браузера: используйте файл cookies.txt, экспортированный из браузера.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Использовать файлы cookie браузера %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Использовать файлы cookie из…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Эта страница требует входа. Войдите на сайт в браузере, затем разрешите Reelix использовать файлы cookie этого браузера: то, что вы загружаете с ними, связано с вашей учётной записью.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Возможно, сеанс в браузере %1 истёк — откройте сайт в браузере %1, войдите и повторите попытку.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Возможно, срок действия файлов cookie в %1 истёк — войдите на сайт в браузере, снова экспортируйте файлы cookie и повторите попытку.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Файлы cookie браузера %1 не найдены: браузер или его профиль удалён. Выберите другой в меню Инструменты ▸ Файлы cookie… и повторите попытку.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 блокирует свои файлы cookie, пока работает. Закройте %1 и повторите попытку.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Не удалось расшифровать файлы cookie браузера %1: системная связка ключей недоступна. Разблокируйте её (войдите в сеанс рабочего стола) или используйте файл cookies.txt, затем повторите попытку.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix не удалось прочитать файлы cookie браузера %1. Закройте %1 и повторите попытку или откройте меню Инструменты ▸ Файлы cookie… и выберите другой источник.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Файла cookie %1 больше нет. Выберите его снова в меню Инструменты ▸ Файлы cookie… и повторите попытку.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Файл cookie %1 больше %2 — гораздо больше, чем хранит браузер: снова экспортируйте файлы cookie браузера в формате Netscape cookies.txt и повторите попытку.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Не удаётся прочитать файл cookie %1: снова экспортируйте его из браузера в формате Netscape cookies.txt и повторите попытку.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>По этому адресу нет ни одного видео</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Эта запись сама является списком: добавьте её адрес отдельно</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Нет ничего в %1p или ниже: загружено в %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 — ссылка или не обычный файл: Reelix не будет записывать в него архив списка. Удалите его и повторите попытку.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Уже загружено в эту папку: пропущено</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>готово: %n</numerusform>
            <numerusform>готово: %n</numerusform>
            <numerusform>готово: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
            <numerusform>с ошибкой: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>осталось: %n</numerusform>
            <numerusform>осталось: %n</numerusform>
            <numerusform>осталось: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Загрузить все</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Остановить все</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Скрыть видео</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Показать видео</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Пропускать видео, уже загруженные в эту папку</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>До %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Убрать список</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
            <numerusform>%n видео</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>Сервер ответил HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>Сервер ответил HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>Сервер перенаправил загрузку на адрес, переходить на который небезопасно (это не веб-адрес или он не зашифрован после зашифрованного): перенаправление отклонено</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Загруженный файл отсутствует</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>В архиве нет исполняемого файла %1</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1: ошибка (код %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Файл в архиве больше %1: архив отклонён</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>Инструмент не запускается: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>Инструмент не отвечает на %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>Инструмент не сообщает версию (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>используется системный %1</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Вы подписаны на %1. Новые записи загружаются при каждой проверке.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n новая подписка из файла.</numerusform>
            <numerusform>%n новые подписки из файла.</numerusform>
            <numerusform>%n новых подписок из файла.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n новая запись</numerusform>
            <numerusform>%1: %n новые записи</numerusform>
            <numerusform>%1: %n новых записей</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: не прочитано (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: сайт попросил подождать; повторное чтение после %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: этот список уже читает другая проверка</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: приостановлено</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>Не удалось записать список подписок.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Другой экземпляр Reelix изменяет список подписок; повторите попытку.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>Этот файл не является списком лент OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Этот адрес ведёт на одно видео, а не на список.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp не удалось прочитать список.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp не установлен.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Вы подписаны</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Подписки</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Подписаться</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Подписаться и сразу загрузить 5 новейших</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Подписаться, загружать только новые</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>Новые записи этих списков загружаются сами при каждой проверке.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Подписок пока нет. Подпишитесь на список в строке его заголовка.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Проверить все сейчас</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Проверить сейчас</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Ещё не проверялось</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Проверено %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n новая запись</numerusform>
            <numerusform>%n новые записи</numerusform>
            <numerusform>%n новых записей</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (приостановлено)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Ни один формат не соответствует «%1»</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Не принят ни один адрес.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n элемент: %1</numerusform>
            <numerusform>%n элемента: %1</numerusform>
            <numerusform>%n элементов: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Журнал Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Включить журнал</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Скопировано!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Журнал пока пуст</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Включите журнал выше, чтобы начать</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Более ранние строки — в файле (кнопка «Папка»), всего %1</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp не сообщил, куда сохранил файл — берётся самый новый файл в папке</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Не удалось связаться с сервером загрузки: %1. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>Обновление не завершилось. Имеющиеся инструменты по-прежнему работают.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>На этом компьютере найдены инструменты. Продолжите с ними или загрузите собственные копии Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>На этом компьютере: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Может быть слишком старым для некоторых сайтов</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Загрузить собственную актуальную копию Reelix; она будет использоваться вместо этой</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Продолжить с системными инструментами</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Новая папка</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Имя новой папки</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Родительская папка</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Здесь нет папок</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Введите имя новой папки.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Имя папки не может содержать «/».</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>«%1» нельзя использовать как имя папки.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Здесь уже есть элемент с именем «%1».</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Не удалось создать папку: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>Не удалось прочитать сохранённый список загрузок. Он сохранён под именем %1, а список начат заново.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>Сохранённый список загрузок (%1) используется другой программой и оставлен как есть. Список начат заново, и то, что вы добавите сейчас, не сохранится после выхода из Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Изменения списка загрузок нельзя сохранить в %1 (файл доступен только для чтения или диск отказал в записи). До выхода из Reelix список останется как есть.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Файл отсутствует</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Параметры…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Папка загрузок</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Начинать загрузку, как только она готова</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Загружать как</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, лучшее качество</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 до 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 до 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (только звук)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Пресет</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Пресет для новых загрузок</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Удалить этот пресет</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Формат файла для новых видео</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Формат файла для новых аудиозагрузок</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Записывать в файл название, автора, дату, описание, обложку и главы</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Спонсорские сегменты</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Что делать со спонсорскими сегментами</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Оставлять</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Вырезать</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Отмечать как главы</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Сегменты из общей базы данных сообщества — для видео с тех сайтов, которые она охватывает.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Адрес базы данных</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>Общедоступная база</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Спонсор</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Самореклама</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Напоминание о взаимодействии</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Вступление</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Концовка</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Анонс</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Немузыкальная часть</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Отступления</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Имя нового пресета</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Сохранить как пресет</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Одновременных загрузок, не более</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Фрагментов одновременно на одну загрузку</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Часов между проверками подписок</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Секунд между запросами к одному сайту</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Проверять, даже когда Reelix не запущен (пользовательский таймер systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Файлы cookie</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>История</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Поиск по названию</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Очистить всё</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Завершённых загрузок пока нет</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Нет загрузок, соответствующих поиску</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Загрузить снова</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Файлы для медиасерверов</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Записывает рядом с каждым новым файлом то, что читают Kodi, Jellyfin и Plex: файл .nfo, миниатюру и постер для папки</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Применяется при следующем запуске Reelix</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Псевдоязык</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 готов</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 обновлён</translation>
    </message>
</context>
</TS>
