<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Debug-Protokolle</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>Über Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Einrichtung prüfen</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Eingegebene Adressen hinzufügen oder die hervorgehobene Schaltfläche drücken</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Menüleiste öffnen</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Ein Menü öffnen</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Dialog, Einstellungen oder Protokoll schließen</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Freie Software unter der GNU General Public License v3 oder neuer (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Updates für die Werkzeuge verfügbar</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Eine oder mehrere Videoadressen einfügen, eine pro Zeile</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Diese Adresse ist bereits in der Liste</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n Zeile war keine Adresse</numerusform>
            <numerusform>%n Zeilen waren keine Adressen</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Fehler kopieren</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Noch keine Downloads</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Fügen Sie oben die Adresse eines Videos oder einer Playlist ein und drücken Sie Enter. Wählen Sie dann die Qualität und klicken Sie auf „Herunterladen“.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Fügen Sie oben die Adresse eines Videos oder einer Playlist ein und drücken Sie Enter – der Download startet von selbst.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Download-Ordner wählen</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Infos werden abgerufen…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Wird umgewandelt</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>QuickTime-Umwandlung – %1&#xa0;%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Wird gestartet…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 von ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message id="duration.seconds">
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message id="duration.minutes">
        <source>%1 min %2 s</source>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message id="duration.hours">
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message id="status.height_fallback">
        <source>Downloaded at %1p: %2p was not available</source>
        <translation>In %1p heruntergeladen: %2p war nicht verfügbar</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Untertitel nicht heruntergeladen: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Neuer Versuch auf anderem Weg…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Diese Website verlangt eine Anmeldung: neuer Versuch mit den Cookies von %1. Was Sie damit herunterladen, ist mit Ihrem Konto verknüpft.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Wird überall abspielbar gemacht – %1&#xa0;%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Beste Qualität</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Qualität für %1</translation>
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
        <translation>MKV, behält alles</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Wie die Quelle</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (Original)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, Audiodeskription</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>Vom Uploader</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Automatische Untertitel</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Automatische Übersetzungen</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Untertitel: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>In der Datei</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Neben der Datei (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Keine Voreinstellung</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Zuschneiden…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Ausschnitt %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Eine Datei pro Kapitel</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Einen Teil von %1 herunterladen: einen Zeitbereich oder Kapitel</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>„%1“ zuschneiden</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Beginn des Ausschnitts</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Ende des Ausschnitts</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Geben Sie den Beginn als h:mm:ss ein, zum Beispiel 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Geben Sie das Ende als h:mm:ss ein, zum Beispiel 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>Das Ende muss nach dem Beginn liegen</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>Das Video endet bei %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Oder Kapitel wählen: Jede Folge aufeinanderfolgender Kapitel wird ein eigener Ausschnitt.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Ganzes Video, eine Datei pro Kapitel in einem gleichnamigen Ordner</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Genauer Schnitt</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Kodiert an den Schnittstellen neu: bildgenau, aber langsamer.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Zuschneiden</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast: Opus 96&#xa0;kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Musik: M4A, wie die Quelle</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archiv: MKV, alle Spuren und Untertitel</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Dateiformat für %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Audioqualität für %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Audiospur für %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Untertitel für %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Voreinstellung für %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Format für alle Videos von %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Qualität für alle Videos von %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: verringern</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: erhöhen</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Website im Browser öffnen, um sich erneut anzumelden</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>yt-dlp unter Extras ▸ Nach Updates suchen aktualisieren</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Aus der Liste entfernen (Datei bleibt erhalten)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Datei löschen…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>„%1“ löschen? Die Datei wandert in den Papierkorb und die Zeile verschwindet aus der Liste.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Datei löschen</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Keine Anwendung konnte „%1“ öffnen.</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Kein Dateimanager konnte „%1“ anzeigen.</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Zum Abspielen umwandeln</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Überall abspielbar machen</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>In H.264 und AAC umwandeln, die jeder Player und jedes Gerät abspielt</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Das Zertifikat der Website konnte nicht überprüft werden. Prüfen Sie Ihr Netzwerk oder Ihren Proxy und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Dieses Video ist DRM-geschützt und kann nicht heruntergeladen werden.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube benötigt die Node.js-Laufzeitumgebung. Installieren oder aktualisieren Sie die Werkzeuge und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp ist nicht installiert. Öffnen Sie Extras ▸ Nach Updates suchen, um es zu installieren.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>Der Datenträger ist voll: Schaffen Sie Platz in %1 und versuchen Sie es erneut.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix kann nicht in %1 schreiben: Prüfen Sie, ob der Ordner existiert und beschreibbar ist.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Die Informationen zum Video konnten nicht gelesen werden.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Dieser Livestream oder diese Premiere hat noch nicht begonnen. Versuchen Sie es erneut, sobald er begonnen hat.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Dieses Video wird in Ihrem Land nicht angeboten und kann daher hier nicht heruntergeladen werden.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Dieses Video ist privat, entfernt oder nicht verfügbar. Prüfen Sie die Adresse in Ihrem Browser.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>Die Website begrenzt die Anfragen. Versuchen Sie es später erneut.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>Die Seite wurde nicht gefunden. Prüfen Sie die Adresse und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>Die Website hat den Zugriff verweigert. Versuchen Sie es später erneut oder verwenden Sie einen Browser, in dem Sie angemeldet sind (Extras ▸ Cookies…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix hat unter dieser Adresse kein Video gefunden. Prüfen Sie, ob sie auf die Seite eines Videos führt.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>Der Name der Website wurde nicht gefunden. Prüfen Sie die Adresse und Ihre Internetverbindung.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>Die Website hat die Verbindung abgelehnt. Prüfen Sie die Adresse oder versuchen Sie es später erneut.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>Die Website hat nicht rechtzeitig geantwortet. Prüfen Sie Ihre Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix konnte die Website nicht erreichen. Prüfen Sie Ihre Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp konnte diese Seite nicht lesen: Die Website hat sich vielleicht geändert. Reelix kann yt-dlp unter Extras ▸ Nach Updates suchen aktualisieren; versuchen Sie es danach erneut.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp konnte diese Seite nicht lesen: Die Website hat sich vielleicht geändert, und yt-dlp %1 ist älter als die neueste Version %2. Aktualisieren Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp konnte diese Seite nicht lesen: Die Website hat sich vielleicht geändert, und das yt-dlp des Systems (%1) ist älter als die neueste Version %2. Aktualisieren Sie es mit der Paketverwaltung oder installieren Sie das von Reelix unter Extras ▸ Nach Updates suchen.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>Der Download ist fehlgeschlagen. Prüfen Sie die Adresse und Ihre Verbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>%1 konnte nicht gestartet werden. Reelix kann unter Extras ▸ Nach Updates suchen eine funktionierende Kopie installieren.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>Die Umwandlung ist fehlgeschlagen; die heruntergeladene Datei bleibt unverändert erhalten. Versuchen Sie es erneut oder spielen Sie sie so ab, wie sie ist.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Ausgabe des Werkzeugs</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>Das Werkzeug hat nichts weiter ausgegeben.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Findet das Video und lädt es herunter</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Führt Medien zusammen, analysiert und wandelt sie um</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>JavaScript-Laufzeitumgebung, die YouTube benötigt</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix benötigt drei freie Werkzeuge.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Reelix öffnen</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Kein Administratorpasswort nötig</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Die für %1 veröffentlichten Prüfsummen konnten nicht gelesen werden (%2); es wurde nichts installiert.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>Die veröffentlichten Prüfsummen enthalten %1 nicht; es wurde nichts installiert.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>Die veröffentlichten Prüfsummen führen %1 mehrfach mit unterschiedlichen Summen auf; es wurde nichts installiert.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 stimmt nicht mit der Prüfsumme überein, die sein Anbieter veröffentlicht; es wurde nichts installiert.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 stimmt mit der veröffentlichten MD5-Summe überein (nur MD5: erkennt einen beschädigten Download, aber keine absichtliche Änderung)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 kann nicht überprüft werden: Die Quelle veröffentlicht keine Prüfsumme</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Dieser Prozessor (%1) wird nicht unterstützt: Die Werkzeuge gibt es nur für 64-Bit-Prozessoren (x86_64, arm64). Es wurde nichts heruntergeladen.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Dieses ffmpeg ist für Intel-Macs gebaut und läuft auf diesem Mac nicht ohne Rosetta. Installieren Sie Rosetta (führen Sie softwareupdate --install-rosetta im Terminal aus) und versuchen Sie es erneut, oder installieren Sie ffmpeg mit Homebrew (brew install ffmpeg): Reelix verwendet dann dieses. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Überprüft (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Überprüft (nur MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Nicht überprüfbar: Die Quelle veröffentlicht keine Prüfsumme</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Nicht überprüft</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Die Version wiederherstellen, die dieses Update ersetzt hat</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>%1 wird zurückgesetzt</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 ist wieder auf der vorherigen Version</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: Es ist keine vorherige Version vorhanden, auf die zurückgesetzt werden könnte.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Werkzeuge installieren</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>yt-dlp wird heruntergeladen</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>ffmpeg wird heruntergeladen</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Node.js wird heruntergeladen</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Updates sind verfügbar</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Alle Werkzeuge sind aktuell</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Es wird nach Updates gesucht…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Updates installieren</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n Download läuft. Anhalten und nach Updates suchen?</numerusform>
            <numerusform>%n Downloads laufen. Anhalten und nach Updates suchen?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Anhalten und suchen</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n Download läuft. Trotzdem beenden? Er wird beim nächsten Start von Reelix fortgesetzt.</numerusform>
            <numerusform>%n Downloads laufen. Trotzdem beenden? Sie werden beim nächsten Start von Reelix fortgesetzt.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>yt-dlp wird aktualisiert</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>ffmpeg wird aktualisiert</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Node.js wird aktualisiert</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Der Download konnte nicht nach %1 verschoben werden: Er liegt weiterhin unter %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Seit %1&#xa0;s keine Daten: Die Übertragung wurde beendet</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>Die Übertragung dauerte länger als %1&#xa0;s: Sie wurde beendet</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>Der Server hat mehr als %1 gesendet: Die Übertragung wurde beendet</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>der Server antwortete mit HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>die Antwort nennt keine Version</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Keine Node.js-%1-Version gefunden: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>Prüfung nicht möglich (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Prüfung nicht möglich</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Browser wählen</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Aktualisieren</translation>
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
        <translation>Warnung</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Alles, was Reelix braucht, ist vorhanden.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n Problem verhindert Downloads. Die Zeile sagt, was zu tun ist.</numerusform>
            <numerusform>%n Probleme verhindern Downloads. Jede Zeile sagt, was zu tun ist.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Werkzeuge, Cookies, Ordner und Netzwerk werden geprüft…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Downloads sollten funktionieren; %n Zeile könnte besser sein.</numerusform>
            <numerusform>Downloads sollten funktionieren; %n Zeilen könnten besser sein.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>Das Zertifikatsbündel enthält nur %n Zertifikat: Sichere Websites könnten fehlschlagen.</numerusform>
            <numerusform>Das Zertifikatsbündel enthält nur %n Zertifikate: Sichere Websites könnten fehlschlagen.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Installieren Sie die Zertifikate des Systems (Paket ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>Das System vertraut keinem Zertifikat: Sichere Websites können nicht überprüft werden.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>Das Zertifikatsbündel ist noch nicht erstellt; der nächste Download erstellt es.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>Das Zertifikatsbündel enthält %L1 Zertifikate, erstellt vor %n Tag.</numerusform>
            <numerusform>Das Zertifikatsbündel enthält %L1 Zertifikate, erstellt vor %n Tagen.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Wählen Sie den Browser, in dem Sie angemeldet sind.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Wenn Downloads mit Anmeldung fehlschlagen, schließen Sie den Browser und versuchen Sie es erneut.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>Die YouTube-Anmeldung in %1 ist abgelaufen.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Die Cookies stammen aus der Datei %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>Der Cookie-Speicher von %1 ist gesperrt, vermutlich weil %1 geöffnet ist.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>%1 wurde auf diesem Computer nicht gefunden.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Die Cookie-Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Die Cookies stammen aus %1, wo Sie nicht bei YouTube angemeldet sind.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Es werden keine Cookies verwendet: Websites, die eine Anmeldung verlangen, lehnen ab.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Die Cookies stammen aus %1; die YouTube-Anmeldung ist %n Tag alt.</numerusform>
            <numerusform>Die Cookies stammen aus %1; die YouTube-Anmeldung ist %n Tage alt.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Melden Sie sich im Browser erneut bei YouTube an.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>Der Cookie-Speicher von %1 kann nicht gelesen werden.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Installieren Sie das ffmpeg von Reelix, das diese mitbringt.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>ffmpeg %1 fehlt, was Reelix verwendet: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg und ffprobe %1 laufen und bieten alles, was Reelix verwendet.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Wählen Sie einen anderen Download-Ordner.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Schaffen Sie Platz oder wählen Sie einen Ordner auf einem anderen Datenträger.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Nur %1 frei im Download-Ordner: Downloads passen eventuell nicht.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>Der Download-Ordner %1 existiert nicht.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>Der Download-Ordner ist beschreibbar und hat %1 frei.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix kann nicht in den Download-Ordner %1 schreiben.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp kann sich nicht als Browser ausgeben (seine Bibliothek dafür fehlt): Websites, die das prüfen, könnten es ablehnen.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Ohne yt-dlp lässt sich nicht prüfen, ob es sich als Browser ausgeben kann.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp kann sich auf prüfenden Websites als %n Browser ausgeben.</numerusform>
            <numerusform>yt-dlp kann sich auf prüfenden Websites als %n verschiedene Browser ausgeben.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Verwenden Sie das yt-dlp von Reelix, das sie mitbringt.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Dieses yt-dlp kann sich nicht als Browser ausgeben: Websites, die das prüfen (Cloudflare und ähnliche), könnten es ablehnen.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Dieser Computer hat keine Internetverbindung: Kein Servername konnte aufgelöst werden.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Alle Server, die die Werkzeuge und Updates brauchen, antworten.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Prüfen Sie die Netzwerkverbindung und die Proxy-Einstellungen.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Diese Server sind nicht erreichbar: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js läuft nicht.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Installieren Sie das Node.js von Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Keine JavaScript-Laufzeitumgebung: YouTube braucht Node.js, um seine Prüfaufgaben zu lösen.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Besorgen Sie ein neueres yt-dlp.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 löst die Prüfaufgaben von YouTube; yt-dlp lädt die dafür nötigen Skripte von GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 ist zu alt: yt-dlp braucht Version %2 oder neuer, um die Prüfaufgaben von YouTube zu lösen.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 ist das des Systems; Reelix gibt yt-dlp nur seine eigene Kopie.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Dieses yt-dlp ist zu alt, um eine JavaScript-Laufzeitumgebung zu nutzen: YouTube-Videos könnten fehlschlagen.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 läuft nicht: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Installieren Sie es über die Einrichtungsansicht.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 ist nicht installiert.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Installieren Sie es erneut über die Einrichtungsansicht.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>es hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 funktioniert und ist aktuell.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 ist alt: Websites ändern sich oft, und ein altes yt-dlp scheitert daran.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Diese Kopie gehört zum System; installieren Sie die von Reelix, die aktuell bleibt.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 funktioniert; die neueste Version konnte nicht geprüft werden.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Aktualisieren Sie es.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Einige Versionen konnten nicht geprüft werden</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n Download abgeschlossen</numerusform>
            <numerusform>%n Downloads abgeschlossen</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n Download abgeschlossen, %L1 fehlgeschlagen</numerusform>
            <numerusform>%n Downloads abgeschlossen, %L1 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Benachrichtigen, wenn Downloads enden</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Kopierte Adressen anbieten</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>In der Zwischenablage: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Diese nicht</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Ablegen, um zur Liste hinzuzufügen</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookies…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Quelle der Cookies:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Eine cookies.txt-Datei…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>cookies.txt-Datei wählen</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Verwenden:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Bei jedem Download</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Nur wenn eine Website eine Anmeldung verlangt</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Websites, die eine Anmeldung verlangen (Altersprüfung, Videos nur für Mitglieder, „Kein Bot“-Prüfungen), lassen Reelix mit den Cookies eines Browsers herein, in dem Sie angemeldet sind. Reelix speichert nur den Namen des Browsers oder den Pfad der Datei, niemals ein Cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>Kein Browser auf diesem Rechner gefunden: Verwenden Sie eine aus Ihrem Browser exportierte cookies.txt-Datei.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Cookies aus %1 verwenden</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Cookies verwenden aus…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Diese Seite verlangt eine Anmeldung. Melden Sie sich in Ihrem Webbrowser bei der Website an und lassen Sie Reelix dann die Cookies dieses Browsers verwenden: Was Sie damit herunterladen, ist mit Ihrem Konto verknüpft.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Ihre Sitzung in %1 ist vielleicht abgelaufen – öffnen Sie die Website in %1, melden Sie sich an und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Die Cookies in %1 sind vielleicht abgelaufen – melden Sie sich im Browser bei der Website an, exportieren Sie die Cookies erneut und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Es wurden keine Cookies von %1 gefunden: Der Browser oder sein Profil existiert nicht mehr. Wählen Sie unter Extras ▸ Cookies… einen anderen und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 sperrt seine Cookies, solange es läuft. Schließen Sie %1 und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Die Cookies von %1 konnten nicht entschlüsselt werden: Der Schlüsselbund des Systems ist nicht verfügbar. Entsperren Sie ihn (melden Sie sich an Ihrer Desktop-Sitzung an) oder verwenden Sie eine cookies.txt-Datei und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix konnte die Cookies von %1 nicht lesen. Schließen Sie %1 und versuchen Sie es erneut, oder wählen Sie unter Extras ▸ Cookies… eine andere Quelle.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Die Cookie-Datei %1 ist nicht mehr vorhanden. Wählen Sie sie unter Extras ▸ Cookies… erneut und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Die Cookie-Datei %1 ist größer als %2, weit mehr, als ein Browser speichert: Exportieren Sie die Cookies Ihres Browsers erneut im Netscape-Format cookies.txt und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Die Cookie-Datei %1 kann nicht gelesen werden: Exportieren Sie sie erneut aus Ihrem Browser im Netscape-Format cookies.txt und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Unter dieser Adresse sind keine Videos aufgeführt</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Dieser Eintrag ist selbst eine Liste: Fügen Sie seine Adresse separat hinzu</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Nichts in %1p oder weniger: in %2p heruntergeladen</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 ist ein Link oder keine normale Datei: Reelix schreibt das Download-Archiv der Liste nicht darüber. Entfernen Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Bereits in diesen Ordner heruntergeladen: übersprungen</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n fertig</numerusform>
            <numerusform>%n fertig</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>%n ausstehend</numerusform>
            <numerusform>%n ausstehend</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Alle herunterladen</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Alle anhalten</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Videos ausblenden</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Videos einblenden</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Bereits in diesen Ordner heruntergeladene Videos überspringen</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Bis %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Liste entfernen</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n Video</numerusform>
            <numerusform>%n Videos</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>Der Server antwortete mit HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>Der Server antwortete mit HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>Der Server hat den Download an eine Adresse weitergeleitet, der nicht sicher gefolgt werden kann (keine Webadresse oder unverschlüsselt nach verschlüsselt): Sie wurde abgelehnt</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Die heruntergeladene Datei fehlt</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>Keine ausführbare Datei %1 im Archiv</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 fehlgeschlagen (Code %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Eine Datei im Archiv ist größer als %1: Das Archiv wurde abgelehnt</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>Das Werkzeug startet nicht: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>Das Werkzeug antwortet nicht auf %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>Das Werkzeug zeigt keine Version an (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>verwendet %1 des Systems</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>%1 abonniert. Neue Einträge werden bei jeder Prüfung heruntergeladen.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n neues Abo aus der Datei.</numerusform>
            <numerusform>%n neue Abos aus der Datei.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n neu</numerusform>
            <numerusform>%1: %n neu</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: nicht gelesen (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: Die Website bittet zu warten; erneutes Lesen nach %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: Eine andere Prüfung liest sie gerade</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: pausiert</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>Die Liste der Abos konnte nicht gespeichert werden.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Eine andere Reelix-Instanz ändert gerade die Liste der Abos; versuchen Sie es erneut.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>Die Datei ist keine OPML-Liste von Feeds.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Diese Adresse ist ein einzelnes Video, keine Liste.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp konnte die Liste nicht lesen.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp ist nicht installiert.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Abonniert</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Abonnements</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Abonnieren</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Abonnieren und die 5 neuesten jetzt holen</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Abonnieren, nur künftige Einträge</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>Neue Einträge dieser Listen werden bei jeder Prüfung von selbst heruntergeladen.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Noch nichts abonniert. Abonnieren Sie eine Liste über ihre Kopfzeile.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Alle jetzt prüfen</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Noch nicht geprüft</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Geprüft: %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n neu</numerusform>
            <numerusform>%n neu</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (pausiert)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Kein Format passt zu „%1“</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Es wurde keine Adresse akzeptiert.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n Element: %1</numerusform>
            <numerusform>%n Elemente: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Reelix-Protokolle</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Protokolle aktivieren</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Noch keine Protokolle</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Aktivieren Sie oben die Protokolle, um zu beginnen</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Frühere Zeilen stehen in der Datei (Schaltfläche „Ordner“) – insgesamt %1</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp hat nicht gemeldet, wo es die Datei abgelegt hat – die neueste Datei im Ordner wird genommen</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Der Download-Server war nicht erreichbar: %1. Prüfen Sie Ihre Verbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>Das Update wurde nicht abgeschlossen. Ihre vorhandenen Werkzeuge funktionieren weiterhin.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Auf diesem Computer wurden Werkzeuge gefunden. Fahren Sie mit ihnen fort oder laden Sie die Kopien von Reelix herunter.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>Auf diesem Computer: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Für manche Websites vielleicht zu alt</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Die aktuelle Kopie von Reelix herunterladen; sie wird anstelle dieser verwendet</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Mit den Systemwerkzeugen fortfahren</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Keine Ordner vorhanden</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Geben Sie einen Namen für den neuen Ordner ein.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Ein Ordnername darf kein „/“ enthalten.</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>„%1“ kann nicht als Ordnername verwendet werden.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Hier gibt es bereits ein Element namens „%1“.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Der Ordner konnte nicht erstellt werden: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>Die gespeicherte Download-Liste konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt und die Liste beginnt leer.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>Die gespeicherte Download-Liste (%1) wird von einem anderen Programm verwendet und wurde unverändert gelassen. Die Liste beginnt leer, und was Sie jetzt hinzufügen, wird nach dem Beenden von Reelix nicht behalten.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Änderungen an der Download-Liste können nicht in %1 gespeichert werden (die Datei ist schreibgeschützt oder der Datenträger hat sie abgelehnt). Die Liste bleibt so, bis Reelix beendet wird.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Datei fehlt</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Download-Ordner</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Downloads starten, sobald sie bereit sind</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Herunterladen als</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, beste Qualität</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 bis 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 bis 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (nur Audio)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Voreinstellung für neue Downloads</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Diese Voreinstellung löschen</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Dateiformat neuer Videos</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Dateiformat neuer Audio-Downloads</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Titel, Uploader, Datum, Beschreibung, Cover und Kapitel in die Datei schreiben</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Sponsorenabschnitte</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Was mit Sponsorenabschnitten geschieht</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Behalten</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Entfernen</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Als Kapitel markieren</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Abschnitte aus der Community-Datenbank, für die Videos der Websites, die sie abdeckt.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Adresse der Datenbank</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>Die öffentliche Datenbank</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Eigenwerbung</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Interaktionserinnerung</translation>
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
        <translation>Vorschau</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Abschnitt ohne Musik</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Füllmaterial</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Name einer neuen Voreinstellung</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Als Voreinstellung speichern</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Höchstzahl gleichzeitiger Downloads</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Gleichzeitig abgerufene Fragmente pro Download</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Stunden zwischen zwei Prüfungen der Abos</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Sekunden zwischen zwei Anfragen an dieselbe Website</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Auch prüfen, wenn Reelix nicht läuft (systemd-Benutzer-Timer)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Nach Titel suchen</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Noch keine abgeschlossenen Downloads</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Kein Download passt zu dieser Suche</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Dateien für Medienserver</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Legt neben jeder neuen Datei ab, was Kodi, Jellyfin und Plex lesen: eine .nfo-Datei, das Vorschaubild und ein Poster für den Ordner</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Wird beim nächsten Start von Reelix übernommen</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudosprache</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 bereit</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 aktualisiert</translation>
    </message>
</context>
</TS>
