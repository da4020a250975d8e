<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Dziennik debugowania</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>O programie Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Sprawdź konfigurację</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Dodaj wpisane adresy lub naciśnij wyróżniony przycisk</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Otwórz pasek menu</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Otwórz menu</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Zamknij okno dialogowe, preferencje lub dziennik</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub nowszej (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Zainstalowane</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Dostępne aktualizacje narzędzi</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Zaktualizuj</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Wklej jeden lub więcej adresów filmów, po jednym w wierszu</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Ten adres jest już na liście</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n wiersz nie był adresem</numerusform>
            <numerusform>%n wiersze nie były adresami</numerusform>
            <numerusform>%n wierszy nie było adresami</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Kopiuj błąd</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Wyczyść ukończone</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Brak pobrań</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Wklej powyżej adres filmu lub playlisty i naciśnij Enter, a potem wybierz jakość i kliknij „Pobierz”.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Wklej powyżej adres filmu lub playlisty i naciśnij Enter — pobieranie zacznie się samo.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Wybierz katalog pobierania</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Nie zainstalowano</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Odczytywanie informacji…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Gotowe do pobrania</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Konwersja</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Konwersja dla QuickTime — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 z ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>pozostało %1</translation>
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
        <translation>%1 godz. %2 min</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>Pobrano w %1p: %2p było niedostępne</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Nie pobrano napisów: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Ponowna próba innym sposobem…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Ta witryna wymaga zalogowania: ponowna próba z ciasteczkami przeglądarki %1. To, co z nimi pobierasz, jest powiązane z twoim kontem.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Konwersja dla każdego odtwarzacza — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Ukończone</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Anulowane</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Najlepsza jakość</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Jakość dla %1</translation>
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
        <translation>MKV, zachowuje wszystko</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Jak w źródle</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Ścieżka %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (oryginał)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audiodeskrypcja</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>Od autora</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Napisy automatyczne</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Tłumaczenia automatyczne</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Napisy: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>W pliku</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Obok pliku (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Bez szablonu</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Przytnij…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Fragment %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Plik na każdy rozdział</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Pobierz część %1: zakres czasu lub rozdziały</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Przycinanie „%1”</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Czas trwania: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>do</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Początek fragmentu</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Koniec fragmentu</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Wpisz początek w postaci g:mm:ss, na przykład 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Wpisz koniec w postaci g:mm:ss, na przykład 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>Koniec musi być po początku</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>Film kończy się w %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Lub wybierz rozdziały: każdy ciąg kolejnych rozdziałów stanie się osobnym fragmentem.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Cały film, plik na każdy rozdział, w katalogu nazwanym jak film</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Dokładne cięcie</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Koduje ponownie w miejscach cięcia: co do klatki, ale wolniej.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Przytnij</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast: Opus 96 kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Muzyka: M4A, jak w źródle</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archiwum: MKV, wszystkie ścieżki i napisy</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Format pliku dla %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Jakość dźwięku dla %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Ścieżka dźwiękowa dla %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Napisy dla %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Szablon dla %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Format wszystkich filmów z listy %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Jakość wszystkich filmów z listy %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Postęp: %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: zmniejsz</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: zwiększ</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Otwórz witrynę w przeglądarce, aby zalogować się ponownie</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Zaktualizuj</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Zaktualizuj yt-dlp w menu Narzędzia ▸ Sprawdź aktualizacje</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Usuń z listy</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Usuń z listy (plik zostaje)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Usuń plik…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Usunąć „%1”? Plik trafi do kosza, a wiersz zniknie z listy.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Usuń plik</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Żaden program nie mógł otworzyć „%1”.</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Żaden menedżer plików nie mógł pokazać „%1”.</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>Nie można usunąć „%1”.</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Konwertuj do odtwarzania</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Konwertuj dla każdego odtwarzacza</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Konwertuj do H.264 i AAC, które odtworzy każdy odtwarzacz i urządzenie</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Nie można zweryfikować certyfikatu witryny. Sprawdź sieć lub serwer proxy i spróbuj ponownie.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Ten film jest chroniony przez DRM i nie można go pobrać.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube wymaga środowiska Node.js. Zainstaluj lub zaktualizuj narzędzia i spróbuj ponownie.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp nie jest zainstalowany. Otwórz Narzędzia ▸ Sprawdź aktualizacje, aby go zainstalować.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>Dysk jest pełny: zwolnij miejsce w %1 i spróbuj ponownie.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix nie może zapisywać w %1: sprawdź, czy katalog istnieje i czy można w nim zapisywać.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Nie można odczytać informacji o filmie.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Ta transmisja na żywo lub premiera jeszcze się nie zaczęła. Spróbuj ponownie, gdy się rozpocznie.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Ten film nie jest dostępny w twoim kraju, więc nie można go tu pobrać.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Ten film jest prywatny, usunięty lub niedostępny. Sprawdź adres w przeglądarce.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>Witryna ogranicza liczbę zapytań. Spróbuj ponownie później.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>Nie znaleziono strony. Sprawdź adres i spróbuj ponownie.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>Witryna odmówiła dostępu. Spróbuj ponownie później lub użyj przeglądarki, w której się logujesz (Narzędzia ▸ Ciasteczka…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix nie znalazł filmu pod tym adresem. Sprawdź, czy prowadzi on do strony filmu.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>Nie można odnaleźć nazwy witryny. Sprawdź adres i połączenie z internetem.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>Witryna odrzuciła połączenie. Sprawdź adres lub spróbuj ponownie później.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>Witryna nie odpowiedziała na czas. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix nie może połączyć się z witryną. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp nie mógł odczytać tej strony: witryna mogła się zmienić. Reelix może zaktualizować yt-dlp w menu Narzędzia ▸ Sprawdź aktualizacje; potem spróbuj ponownie.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp nie mógł odczytać tej strony: witryna mogła się zmienić, a yt-dlp %1 jest starszy od najnowszej wersji %2. Zaktualizuj go i spróbuj ponownie.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp nie mógł odczytać tej strony: witryna mogła się zmienić, a systemowy yt-dlp %1 jest starszy od najnowszej wersji %2. Zaktualizuj go menedżerem pakietów lub zainstaluj własny yt-dlp Reelix w menu Narzędzia ▸ Sprawdź aktualizacje.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>Pobieranie nie powiodło się. Sprawdź adres i połączenie, a potem spróbuj ponownie.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>Nie można uruchomić %1. Reelix może zainstalować działającą kopię w menu Narzędzia ▸ Sprawdź aktualizacje.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>Konwersja nie powiodła się; pobrany plik pozostał bez zmian. Spróbuj ponownie lub odtwórz go w obecnej postaci.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Co zgłosiło narzędzie</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>Narzędzie nie podało nic więcej.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Znajduje i pobiera film</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Łączy, analizuje i konwertuje multimedia</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Środowisko JavaScript potrzebne dla YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Do działania Reelix potrzebuje trzech wolnych narzędzi.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Otwórz Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Hasło administratora nie jest potrzebne</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Nie można odczytać sum kontrolnych opublikowanych dla %1 (%2); niczego nie zainstalowano.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>Opublikowane sumy kontrolne nie obejmują %1; niczego nie zainstalowano.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>%1 występuje w opublikowanych sumach kontrolnych kilka razy, z różnymi sumami; niczego nie zainstalowano.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 nie zgadza się z sumą kontrolną publikowaną przez dystrybutora; niczego nie zainstalowano.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 zgadza się z opublikowaną sumą MD5 (tylko MD5: wykrywa uszkodzone pobranie, ale nie celową zmianę)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>Nie można zweryfikować %1: źródło nie publikuje sumy kontrolnej</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Ten procesor (%1) nie jest obsługiwany: narzędzia istnieją tylko dla procesorów 64-bitowych (x86_64, arm64). Niczego nie pobrano.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Ten ffmpeg jest zbudowany dla komputerów Mac z procesorem Intel i nie uruchomi się na tym Macu bez Rosetty. Zainstaluj Rosettę (uruchom softwareupdate --install-rosetta w Terminalu) i spróbuj ponownie albo zainstaluj ffmpeg przez Homebrew (brew install ffmpeg): Reelix będzie wtedy używać tamtego. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Zweryfikowano (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Zweryfikowano (tylko MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Nie do zweryfikowania: źródło nie publikuje sumy kontrolnej</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Nie zweryfikowano</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Wycofaj</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Przywróć wersję zastąpioną przez tę aktualizację</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Wycofywanie %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>Przywrócono poprzednią wersję %1</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: nie zachowano poprzedniej wersji, nie ma do czego wrócić.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Zainstaluj narzędzia</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Pobieranie yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Pobieranie ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Pobieranie Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Dostępne są aktualizacje</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Wszystkie narzędzia są aktualne</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Sprawdzanie aktualizacji…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Zainstaluj aktualizacje</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Nie teraz</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>Trwa %n pobieranie. Zatrzymać je i sprawdzić aktualizacje?</numerusform>
            <numerusform>Trwają %n pobierania. Zatrzymać je i sprawdzić aktualizacje?</numerusform>
            <numerusform>Trwa %n pobierań. Zatrzymać je i sprawdzić aktualizacje?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Zatrzymaj i sprawdź</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>Trwa %n pobieranie. Zakończyć mimo to? Zostanie wznowione przy następnym uruchomieniu Reelix.</numerusform>
            <numerusform>Trwają %n pobierania. Zakończyć mimo to? Zostaną wznowione przy następnym uruchomieniu Reelix.</numerusform>
            <numerusform>Trwa %n pobierań. Zakończyć mimo to? Zostaną wznowione przy następnym uruchomieniu Reelix.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Aktualizowanie…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Aktualizowanie yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Aktualizowanie ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Aktualizowanie Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Nie można przenieść pobranego pliku do %1: pozostaje w %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Brak danych przez %1 s: przerwano transfer</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>Transfer trwał dłużej niż %1 s: przerwano go</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>Serwer wysłał więcej niż %1: przerwano transfer</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>serwer odpowiedział HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>odpowiedź nie podaje wersji</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Nie znaleziono wydania Node.js %1: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>nie można sprawdzić (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Nie można sprawdzić</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Wybierz przeglądarkę</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Wybierz katalog</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Otwórz preferencje</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Zaktualizuj</translation>
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
        <translation>Ostrzeżenie</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Sprawdź ponownie</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Kopiuj raport</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Wszystko, czego potrzebuje Reelix, jest na miejscu.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problem blokuje pobieranie. Każdy wiersz mówi, co zrobić.</numerusform>
            <numerusform>%n problemy blokują pobieranie. Każdy wiersz mówi, co zrobić.</numerusform>
            <numerusform>%n problemów blokuje pobieranie. Każdy wiersz mówi, co zrobić.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Sprawdzanie narzędzi, ciasteczek, katalogu i sieci…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Pobieranie powinno działać; %n wiersz można poprawić.</numerusform>
            <numerusform>Pobieranie powinno działać; %n wiersze można poprawić.</numerusform>
            <numerusform>Pobieranie powinno działać; %n wierszy można poprawić.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>Pakiet certyfikatów zawiera tylko %n certyfikat: bezpieczne witryny mogą nie działać.</numerusform>
            <numerusform>Pakiet certyfikatów zawiera tylko %n certyfikaty: bezpieczne witryny mogą nie działać.</numerusform>
            <numerusform>Pakiet certyfikatów zawiera tylko %n certyfikatów: bezpieczne witryny mogą nie działać.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Zainstaluj certyfikaty systemowe (pakiet ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>System nie ufa żadnemu certyfikatowi: nie można sprawdzić bezpiecznych witryn.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>Pakiet certyfikatów nie został jeszcze utworzony; utworzy go następne pobieranie.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>Certyfikaty w pakiecie: %L1; pakiet utworzono %n dzień temu.</numerusform>
            <numerusform>Certyfikaty w pakiecie: %L1; pakiet utworzono %n dni temu.</numerusform>
            <numerusform>Certyfikaty w pakiecie: %L1; pakiet utworzono %n dni temu.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Wybierz przeglądarkę, w której się logujesz.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Jeśli pobieranie z zalogowaniem się nie udaje, zamknij przeglądarkę i spróbuj ponownie.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>Logowanie do YouTube w przeglądarce %1 wygasło.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Ciasteczka pochodzą z pliku %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>Magazyn ciasteczek przeglądarki %1 jest zablokowany, najpewniej dlatego, że %1 działa.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>Nie znaleziono przeglądarki %1 na tym komputerze.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Nie można odczytać pliku ciasteczek %1.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Ciasteczka pochodzą z przeglądarki %1, w której nie zalogowano się do YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Nie są używane żadne ciasteczka: witryny wymagające logowania odmówią dostępu.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Ciasteczka pochodzą z przeglądarki %1; logowanie do YouTube ma %n dzień.</numerusform>
            <numerusform>Ciasteczka pochodzą z przeglądarki %1; logowanie do YouTube ma %n dni.</numerusform>
            <numerusform>Ciasteczka pochodzą z przeglądarki %1; logowanie do YouTube ma %n dni.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Zaloguj się ponownie do YouTube w przeglądarce.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>Nie można odczytać magazynu ciasteczek przeglądarki %1.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Zainstaluj własny ffmpeg Reelix, który to wszystko ma.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ffmpeg %1 nie ma tego, czego używa Reelix: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg i ffprobe %1 działają i mają wszystko, czego używa Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Wybierz inny katalog pobierania.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Zwolnij miejsce lub wybierz katalog na innym dysku.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>W katalogu pobierania wolne jest tylko %1: pobierane pliki mogą się nie zmieścić.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>Katalog pobierania %1 nie istnieje.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>Katalog pobierania jest zapisywalny, wolne miejsce: %1.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix nie może zapisywać w katalogu pobierania %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp nie może podszywać się pod przeglądarkę (brak biblioteki do podszywania się): witryny, które to sprawdzają, mogą go odrzucić.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Bez yt-dlp nie można sprawdzić podszywania się pod przeglądarkę.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp może podszywać się pod %n przeglądarkę na witrynach, które to sprawdzają.</numerusform>
            <numerusform>yt-dlp może podszywać się pod %n przeglądarki na witrynach, które to sprawdzają.</numerusform>
            <numerusform>yt-dlp może podszywać się pod %n przeglądarek na witrynach, które to sprawdzają.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Użyj własnego yt-dlp Reelix, który ją zawiera.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Ten yt-dlp nie potrafi podszywać się pod przeglądarkę: witryny, które to sprawdzają (Cloudflare i podobne), mogą go odrzucić.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Ten komputer nie ma połączenia z internetem: nie udało się ustalić adresu żadnego serwera.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Odpowiadają wszystkie serwery potrzebne narzędziom i aktualizacjom.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Sprawdź połączenie sieciowe i ustawienia proxy.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Te serwery są nieosiągalne: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js nie działa.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Zainstaluj własny Node.js Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Brak środowiska JavaScript: YouTube potrzebuje Node.js do rozwiązywania swoich wyzwań.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Zainstaluj nowszy yt-dlp.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 rozwiązuje wyzwania YouTube; yt-dlp pobiera skrypty wyzwań z GitHuba.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 jest za stary: yt-dlp potrzebuje wersji %2 lub nowszej, aby rozwiązywać wyzwania YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 pochodzi z systemu; Reelix przekazuje yt-dlp tylko własną kopię.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Ten yt-dlp jest za stary, aby używać środowiska JavaScript: filmy z YouTube mogą się nie pobierać.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 nie działa: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Zainstaluj go w widoku instalacji.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 nie jest zainstalowany.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Zainstaluj go ponownie w widoku instalacji.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>nie odpowiedział na czas</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 działa i jest aktualny.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 jest stary: witryny często się zmieniają, a stary yt-dlp sobie z nimi nie radzi.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Ta kopia pochodzi z systemu; zainstaluj własną kopię Reelix, która jest na bieżąco aktualizowana.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 działa; nie udało się sprawdzić najnowszej wersji.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Zaktualizuj go.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Nie udało się sprawdzić niektórych wersji</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Pobieranie ukończone</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>Ukończono %n pobieranie</numerusform>
            <numerusform>Ukończono %n pobierania</numerusform>
            <numerusform>Ukończono %n pobierań</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>Ukończono %n pobieranie, nieudane: %L1</numerusform>
            <numerusform>Ukończono %n pobierania, nieudane: %L1</numerusform>
            <numerusform>Ukończono %n pobierań, nieudane: %L1</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Powiadamiaj o zakończeniu pobierania</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Proponuj skopiowane adresy</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>W schowku: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Nie ten</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Upuść, aby dodać do listy</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Ciasteczka…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Używaj ciasteczek z:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Nie używaj</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Plik cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Wybierz plik cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Używaj ich:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Przy każdym pobieraniu</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Tylko gdy witryna prosi o zalogowanie</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Witryny, które wymagają zalogowania (weryfikacja wieku, filmy tylko dla członków, sprawdzanie „czy nie jesteś robotem”), wpuszczają Reelix z ciasteczkami przeglądarki, w której się logujesz. Reelix zapamiętuje tylko nazwę przeglądarki lub ścieżkę pliku, nigdy ciasteczka.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>Nie znaleziono przeglądarki na tym komputerze: użyj pliku cookies.txt wyeksportowanego z przeglądarki.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Użyj ciasteczek z przeglądarki %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Użyj ciasteczek z…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Ta strona wymaga zalogowania. Zaloguj się do witryny w przeglądarce, a potem pozwól Reelix używać jej ciasteczek: to, co z nimi pobierasz, jest powiązane z twoim kontem.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Sesja przeglądarki %1 mogła wygasnąć — otwórz witrynę w przeglądarce %1, zaloguj się i spróbuj ponownie.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Ciasteczka w %1 mogły wygasnąć — zaloguj się do witryny w przeglądarce, wyeksportuj ciasteczka ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Nie znaleziono ciasteczek przeglądarki %1: przeglądarka lub jej profil już nie istnieją. Wybierz inną w menu Narzędzia ▸ Ciasteczka…, a potem spróbuj ponownie.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 blokuje swoje ciasteczka podczas działania. Zamknij %1 i spróbuj ponownie.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Nie można odszyfrować ciasteczek przeglądarki %1: systemowa baza kluczy jest niedostępna. Odblokuj ją (zaloguj się do sesji pulpitu) lub użyj pliku cookies.txt, a potem spróbuj ponownie.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix nie może odczytać ciasteczek przeglądarki %1. Zamknij %1 i spróbuj ponownie albo otwórz menu Narzędzia ▸ Ciasteczka… i wybierz inne źródło.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Plik ciasteczek %1 już nie istnieje. Wybierz go ponownie w menu Narzędzia ▸ Ciasteczka…, a potem spróbuj ponownie.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Plik ciasteczek %1 jest większy niż %2, czyli znacznie większy, niż przechowuje przeglądarka: wyeksportuj ponownie ciasteczka przeglądarki w formacie Netscape cookies.txt i spróbuj ponownie.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Nie można odczytać pliku ciasteczek %1: wyeksportuj go ponownie z przeglądarki w formacie Netscape cookies.txt i spróbuj ponownie.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Pod tym adresem nie ma żadnych filmów</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Ta pozycja sama jest listą: dodaj jej adres osobno</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Brak jakości %1p lub niższej: pobrano w %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 jest dowiązaniem lub nie jest zwykłym plikiem: Reelix nie zapisze w nim archiwum listy. Usuń ten element i spróbuj ponownie.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Już pobrany do tego katalogu: pominięto</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>ukończone: %n</numerusform>
            <numerusform>ukończone: %n</numerusform>
            <numerusform>ukończone: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>nieudane: %n</numerusform>
            <numerusform>nieudane: %n</numerusform>
            <numerusform>nieudane: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>pozostało: %n</numerusform>
            <numerusform>pozostało: %n</numerusform>
            <numerusform>pozostało: %n</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Pobierz wszystkie</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Zatrzymaj wszystkie</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Ukryj filmy</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Pokaż filmy</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Pomijaj filmy już pobrane do tego katalogu</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Do %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Usuń listę</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n film</numerusform>
            <numerusform>%n filmy</numerusform>
            <numerusform>%n filmów</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>Serwer odpowiedział HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>Serwer odpowiedział HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>Serwer przekierował pobieranie pod adres, za którym nie jest bezpiecznie podążać (nie jest to adres internetowy albo jest nieszyfrowany po szyfrowanym): przekierowanie odrzucono</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Brak pobranego pliku</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Nie można utworzyć katalogu %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>W archiwum brak pliku wykonywalnego %1</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1: błąd (kod %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Plik w archiwum jest większy niż %1: archiwum odrzucono</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>Narzędzie się nie uruchamia: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>Narzędzie nie odpowiada na %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>Narzędzie nie podaje wersji (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>używany systemowy %1</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Obserwujesz %1. Nowe pozycje są pobierane przy każdym sprawdzeniu.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n nowa obserwowana lista z pliku.</numerusform>
            <numerusform>%n nowe obserwowane listy z pliku.</numerusform>
            <numerusform>%n nowych obserwowanych list z pliku.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n nowa pozycja</numerusform>
            <numerusform>%1: %n nowe pozycje</numerusform>
            <numerusform>%1: %n nowych pozycji</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: nie odczytano (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: witryna poprosiła o czekanie; ponowny odczyt po %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: trwa już inne sprawdzanie tej listy</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: wstrzymano</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>Nie można zapisać listy obserwowanych.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Inna instancja Reelix zmienia listę obserwowanych; spróbuj ponownie.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>Ten plik nie jest listą kanałów OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Ten adres prowadzi do jednego filmu, a nie do listy.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp nie mógł odczytać listy.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp nie jest zainstalowany.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Obserwujesz</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Obserwowane</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Obserwuj</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Obserwuj i pobierz teraz 5 najnowszych</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Obserwuj, pobieraj tylko kolejne</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>Nowe pozycje z tych list pobierają się same przy każdym sprawdzeniu.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Nic jeszcze nie obserwujesz. Obserwuj listę z jej wiersza nagłówka.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Sprawdź wszystkie teraz</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Sprawdź teraz</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Jeszcze nie sprawdzono</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Sprawdzono %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n nowa pozycja</numerusform>
            <numerusform>%n nowe pozycje</numerusform>
            <numerusform>%n nowych pozycji</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (wstrzymane)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Żaden format nie pasuje do „%1”</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Nie przyjęto żadnego adresu.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n element: %1</numerusform>
            <numerusform>%n elementy: %1</numerusform>
            <numerusform>%n elementów: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Dziennik Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Włącz dziennik</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Skopiowano!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Katalog</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Dziennik jest jeszcze pusty</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Włącz dziennik powyżej, aby zacząć</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Wcześniejsze wiersze są w pliku (przycisk „Katalog”) — łącznie %1</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp nie podał, gdzie zapisał plik — brany jest najnowszy plik w katalogu</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Nie można połączyć się z serwerem pobierania: %1. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>Aktualizacja nie została ukończona. Obecne narzędzia nadal działają.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Na tym komputerze znaleziono narzędzia. Kontynuuj z nimi lub pobierz własne kopie Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>Na tym komputerze: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Może być za stary dla niektórych witryn</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Pobierz własną, aktualną kopię Reelix; zostanie użyta zamiast tej</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Kontynuuj z narzędziami systemowymi</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Nowy katalog</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Nazwa nowego katalogu</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Katalog nadrzędny</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Brak tu katalogów</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Wpisz nazwę nowego katalogu.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Nazwa katalogu nie może zawierać „/”.</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>„%1” nie może być nazwą katalogu.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Element o nazwie „%1” już tu istnieje.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Nie można utworzyć katalogu: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>Nie można odczytać zapisanej listy pobierania. Zachowano ją jako %1, a lista zaczyna się od nowa.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>Zapisana lista pobierania (%1) jest używana przez inny program i pozostawiono ją bez zmian. Lista zaczyna się od nowa, a to, co teraz dodasz, nie zostanie zachowane po zamknięciu Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Nie można zapisać zmian listy pobierania w %1 (plik jest tylko do odczytu lub dysk odmówił zapisu). Lista pozostanie bez zmian do zamknięcia Reelix.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Brak pliku</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Zamknij</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Pobieranie</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Katalog pobierania</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Zmień…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Rozpoczynaj pobieranie, gdy tylko jest gotowe</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Pobieraj jako</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, najlepsza jakość</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 do 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 do 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (tylko dźwięk)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Szablon</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Szablon nowych pobrań</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Usuń ten szablon</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Filmy</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Format pliku nowych filmów</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Format pliku nowych pobrań dźwięku</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Zapisuj w pliku tytuł, autora, datę, opis, okładkę i rozdziały</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Segmenty sponsorowane</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Co robić z segmentami sponsorowanymi</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Zachowuj</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Usuwaj</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Oznaczaj jako rozdziały</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Segmenty z bazy danych tworzonej przez społeczność, dla filmów z obsługiwanych przez nią witryn.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Adres bazy danych</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>Publiczna baza danych</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Autopromocja</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Przypomnienie o interakcji</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Wstęp</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Zakończenie</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Zapowiedź</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Część niemuzyczna</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Dygresje</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Nazwa nowego szablonu</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Zapisz jako szablon</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Maks. jednoczesnych pobrań</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Bez ograniczeń</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Jednocześnie pobierane fragmenty na jedno pobieranie</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Godziny między sprawdzeniami obserwowanych list</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Sekundy między zapytaniami do jednej witryny</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Sprawdzaj także, gdy Reelix nie działa (timer użytkownika systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Ciasteczka</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Szukaj po tytule</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Brak ukończonych pobrań</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Żadne pobieranie nie pasuje do wyszukiwania</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Pobierz ponownie</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Pliki dla serwerów multimediów</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Zapisuje obok każdego nowego pliku to, co czytają Kodi, Jellyfin i Plex: plik .nfo, miniaturę i plakat katalogu</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Zostanie zastosowany przy następnym uruchomieniu Reelix</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudojęzyk</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 gotowy</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 zaktualizowany</translation>
    </message>
</context>
</TS>
