<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Cerca aggiornamenti…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Log di debug</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>Informazioni su Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Controlla la configurazione</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Aggiungi gli indirizzi digitati o premi il pulsante evidenziato</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Apri la barra dei menu</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Apri un menu</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Chiudi una finestra di dialogo, le preferenze o il log</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Software libero distribuito con licenza GNU General Public License v3 o successiva (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Installato</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Aggiornamenti degli strumenti disponibili</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Incolla uno o più indirizzi di video, uno per riga</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Questo indirizzo è già nell&apos;elenco</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n riga non era un indirizzo</numerusform>
            <numerusform>%n righe non erano indirizzi</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copia l&apos;errore</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Rimuovi completati</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Ancora nessun download</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Incolla qui sopra l&apos;indirizzo di un video o di una playlist e premi Invio, poi scegli la qualità e fai clic su Scarica.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Incolla qui sopra l&apos;indirizzo di un video o di una playlist e premi Invio: il download parte da solo.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Scegli la cartella dei download</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Non installato</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Recupero informazioni…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Conversione in corso</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Conversione QuickTime — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 di ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
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
        <translation>Scaricato a %1p: %2p non era disponibile</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Sottotitoli non scaricati: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Nuovo tentativo in un altro modo…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Questo sito chiede di accedere: nuovo tentativo con i cookie di %1. Ciò che scarichi con essi è legato al tuo account.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Conversione per la riproduzione ovunque — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Qualità migliore</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Qualità per %1</translation>
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
        <translation>MKV, conserva tutto</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Come l&apos;originale</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (originale)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audiodescrizione</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>Dall&apos;autore</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Sottotitoli automatici</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Traduzioni automatiche</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Sottotitoli: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Nel file</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Accanto al file (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Nessuna preimpostazione</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Taglia…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Clip %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Un file per capitolo</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Scarica una parte di %1: un intervallo di tempo o dei capitoli</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Taglia «%1»</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>a</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Inizio della clip</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Fine della clip</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Scrivi l&apos;inizio nel formato h:mm:ss, per esempio 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Scrivi la fine nel formato h:mm:ss, per esempio 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>La fine deve venire dopo l&apos;inizio</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>Il video finisce a %1</translation>
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
        <translation>Oppure scegli dei capitoli: ogni serie di capitoli consecutivi diventa una clip a sé.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Video intero, un file per capitolo in una cartella con il suo nome</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Taglio preciso</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Ricodifica nei punti di taglio: preciso al fotogramma, ma più lento.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Taglia</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast: Opus 96&#xa0;kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Musica: M4A, come l&apos;originale</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archivio: MKV, tutte le tracce e i sottotitoli</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Formato del file per %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Qualità audio per %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Traccia audio per %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Sottotitoli per %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Preimpostazione per %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Formato per tutti i video di %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Qualità per tutti i video di %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Avanzamento di %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: diminuisci</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: aumenta</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Apri il sito nel browser per accedere di nuovo</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Aggiorna yt-dlp da Strumenti ▸ Cerca aggiornamenti</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Rimuovi dall&apos;elenco (il file resta)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Elimina file…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Eliminare «%1»? Finisce nel cestino e la riga esce dall&apos;elenco.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Elimina file</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Nessuna applicazione è riuscita ad aprire «%1».</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Nessun gestore di file è riuscito a mostrare «%1».</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>Impossibile eliminare «%1».</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Converti per la riproduzione</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Rendi riproducibile ovunque</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Converti in H.264 e AAC, riproducibili da qualsiasi lettore e dispositivo</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Impossibile verificare il certificato del sito. Controlla la rete o il proxy, poi riprova.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Questo video è protetto da DRM e non può essere scaricato.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube richiede il runtime Node.js. Installa o aggiorna gli strumenti, poi riprova.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp non è installato. Apri Strumenti ▸ Cerca aggiornamenti per installarlo.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>Il disco è pieno: libera spazio in %1 e riprova.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix non può scrivere in %1: controlla che la cartella esista e sia scrivibile.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Impossibile leggere le informazioni del video.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Questa diretta o prima visione non è ancora iniziata. Riprova quando sarà cominciata.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Questo video non è disponibile nel tuo paese, quindi non può essere scaricato qui.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Questo video è privato, rimosso o non disponibile. Controlla l&apos;indirizzo nel browser.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>Il sito sta limitando le richieste. Riprova più tardi.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>Pagina non trovata. Controlla l&apos;indirizzo, poi riprova.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>Il sito ha negato l&apos;accesso. Riprova più tardi o usa un browser in cui hai effettuato l&apos;accesso (Strumenti ▸ Cookie…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix non ha trovato alcun video a questo indirizzo. Controlla che porti alla pagina di un video.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>Impossibile trovare il nome del sito. Controlla l&apos;indirizzo e la connessione a Internet.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>Il sito ha rifiutato la connessione. Controlla l&apos;indirizzo o riprova più tardi.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>Il sito non ha risposto in tempo. Controlla la connessione a Internet, poi riprova.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix non è riuscito a raggiungere il sito. Controlla la connessione a Internet, poi riprova.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp non è riuscito a leggere questa pagina: il sito potrebbe essere cambiato. Reelix può aggiornare yt-dlp da Strumenti ▸ Cerca aggiornamenti; poi riprova.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp non è riuscito a leggere questa pagina: il sito potrebbe essere cambiato, e yt-dlp %1 è più vecchio dell&apos;ultima versione, la %2. Aggiornalo, poi riprova.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp non è riuscito a leggere questa pagina: il sito potrebbe essere cambiato, e lo yt-dlp di sistema (%1) è più vecchio dell&apos;ultima versione, la %2. Aggiornalo con il gestore dei pacchetti o installa quello di Reelix da Strumenti ▸ Cerca aggiornamenti.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>Download non riuscito. Controlla l&apos;indirizzo e la connessione, poi riprova.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>Impossibile avviare %1. Reelix può installarne una copia funzionante da Strumenti ▸ Cerca aggiornamenti.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>Conversione non riuscita; il file scaricato resta com&apos;era. Riprova o riproducilo così com&apos;è.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Cosa ha detto lo strumento</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>Lo strumento non ha detto altro.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Trova e scarica il video</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Unisce, analizza e converte i file multimediali</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Runtime JavaScript necessario per YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Per funzionare, Reelix ha bisogno di tre strumenti liberi.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Apri Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Nessuna password di amministratore necessaria</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Impossibile leggere i checksum pubblicati per %1 (%2); non è stato installato nulla.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>I checksum pubblicati non elencano %1; non è stato installato nulla.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>I checksum pubblicati elencano %1 più volte, con valori diversi; non è stato installato nulla.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 non corrisponde al checksum pubblicato dal suo distributore; non è stato installato nulla.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 corrisponde alla somma MD5 pubblicata (solo MD5: rileva un download danneggiato, non una modifica intenzionale)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 non può essere verificato: la sua fonte non pubblica alcun checksum</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Questo processore (%1) non è supportato: gli strumenti esistono solo per processori a 64 bit (x86_64, arm64). Non è stato scaricato nulla.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Questo ffmpeg è compilato per Mac Intel e non può funzionare su questo Mac senza Rosetta. Installa Rosetta (esegui softwareupdate --install-rosetta nel Terminale) e riprova, oppure installa ffmpeg con Homebrew (brew install ffmpeg): Reelix userà quello. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Verificato (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Verificato (solo MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Non verificabile: la fonte non pubblica alcun checksum</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Non verificato</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Ripristina</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Rimetti la versione che questo aggiornamento ha sostituito</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Ripristino della versione precedente di %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 è tornato alla versione precedente</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: non è conservata alcuna versione precedente, non c&apos;è nulla da ripristinare.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Installa gli strumenti</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Download di yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Download di ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Download di Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Sono disponibili aggiornamenti</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Tutti gli strumenti sono aggiornati</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Ricerca aggiornamenti…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Installa aggiornamenti</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n download è in corso. Fermarlo e cercare aggiornamenti?</numerusform>
            <numerusform>%n download sono in corso. Fermarli e cercare aggiornamenti?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Ferma e cerca</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n download è in corso. Uscire comunque? Riprenderà al prossimo avvio di Reelix.</numerusform>
            <numerusform>%n download sono in corso. Uscire comunque? Riprenderanno al prossimo avvio di Reelix.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Aggiornamento di yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Aggiornamento di ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Aggiornamento di Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Impossibile spostare il download in %1: è conservato in %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Nessun dato da %1&#xa0;s: il trasferimento è stato interrotto</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>Il trasferimento ha richiesto più di %1&#xa0;s: è stato interrotto</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>Il server ha inviato più di %1: il trasferimento è stato interrotto</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>il server ha risposto HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>la risposta non indica alcuna versione</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Nessuna versione di Node.js %1 trovata: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>impossibile controllare (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Impossibile controllare</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Scegli il browser</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Scegli la cartella</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Apri le preferenze</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Controlla di nuovo</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Copia il rapporto</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Tutto ciò che serve a Reelix è a posto.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problema impedisce i download. La sua riga dice cosa fare.</numerusform>
            <numerusform>%n problemi impediscono i download. Ogni riga dice cosa fare.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Controllo di strumenti, cookie, cartella e rete…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>I download dovrebbero funzionare; %n riga potrebbe andare meglio.</numerusform>
            <numerusform>I download dovrebbero funzionare; %n righe potrebbero andare meglio.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>Il pacchetto dei certificati contiene solo %n certificato: i siti sicuri potrebbero non funzionare.</numerusform>
            <numerusform>Il pacchetto dei certificati contiene solo %n certificati: i siti sicuri potrebbero non funzionare.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Installa i certificati di sistema (il pacchetto ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>Il sistema non si fida di alcun certificato: i siti sicuri non possono essere verificati.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>Il pacchetto dei certificati non è ancora stato creato; lo creerà il prossimo download.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>Il pacchetto dei certificati contiene %L1 certificati, creato %n giorno fa.</numerusform>
            <numerusform>Il pacchetto dei certificati contiene %L1 certificati, creato %n giorni fa.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Scegli il browser con cui hai effettuato l&apos;accesso.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Se i download con accesso non riescono, chiudi il browser e riprova.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>L&apos;accesso a YouTube in %1 è scaduto.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>I cookie provengono dal file %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>L&apos;archivio dei cookie di %1 è bloccato, probabilmente perché %1 è aperto.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>%1 non è stato trovato su questo computer.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Il file dei cookie %1 non è leggibile.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>I cookie provengono da %1, che non ha effettuato l&apos;accesso a YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Nessun cookie in uso: i siti che chiedono di accedere rifiuteranno.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>I cookie provengono da %1; il suo accesso a YouTube risale a %n giorno fa.</numerusform>
            <numerusform>I cookie provengono da %1; il suo accesso a YouTube risale a %n giorni fa.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Accedi di nuovo a YouTube nel browser.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>L&apos;archivio dei cookie di %1 non è leggibile.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Installa l&apos;ffmpeg di Reelix, che le include.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>A ffmpeg %1 manca ciò che usa Reelix: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg e ffprobe %1 funzionano e hanno ciò che usa Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Scegli un&apos;altra cartella dei download.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Libera spazio o scegli una cartella su un altro disco.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Solo %1 liberi nella cartella dei download: i download potrebbero non entrarci.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>La cartella dei download %1 non esiste.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>La cartella dei download è scrivibile e ha %1 liberi.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix non può scrivere nella cartella dei download %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp non può farsi passare per un browser (manca la sua libreria di impersonificazione): i siti che controllano potrebbero rifiutarlo.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Senza yt-dlp non è possibile controllare l&apos;impersonificazione del browser.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp può farsi passare per %n browser sui siti che controllano.</numerusform>
            <numerusform>yt-dlp può farsi passare per %n browser diversi sui siti che controllano.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Usa lo yt-dlp di Reelix, che la include.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Questo yt-dlp non può farsi passare per un browser: i siti che controllano (Cloudflare e simili) potrebbero rifiutarlo.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Questo computer non ha una connessione a Internet: non è stato possibile risolvere il nome di alcun server.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Tutti i server necessari agli strumenti e agli aggiornamenti rispondono.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Controlla la connessione di rete e le impostazioni del proxy.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Questi server non sono raggiungibili: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js non funziona.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Installa il Node.js di Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Nessun runtime JavaScript: YouTube ha bisogno di Node.js per risolvere le sue verifiche.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Procurati uno yt-dlp più recente.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 risolve le verifiche di YouTube; yt-dlp scarica da GitHub i suoi script per le verifiche.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 è troppo vecchio: yt-dlp richiede la versione %2 o successiva per risolvere le verifiche di YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 è quello di sistema; Reelix fornisce a yt-dlp solo la propria copia.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Questo yt-dlp è troppo vecchio per usare un runtime JavaScript: i video di YouTube potrebbero non funzionare.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 non funziona: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Installalo dalla schermata di installazione.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 non è installato.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Installalo di nuovo dalla schermata di installazione.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>non ha risposto in tempo</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 funziona ed è recente.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 è vecchio: i siti cambiano spesso e uno yt-dlp vecchio non riesce a leggerli.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Questa copia viene dal sistema; installa quella di Reelix, che resta aggiornata.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 funziona; non è stato possibile controllare l&apos;ultima versione.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Aggiornalo.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Non è stato possibile controllare alcune versioni</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Download completato</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n download completato</numerusform>
            <numerusform>%n download completati</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n download completato, non riusciti: %L1</numerusform>
            <numerusform>%n download completati, non riusciti: %L1</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Notifica al termine dei download</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Proponi gli indirizzi copiati</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>Negli appunti: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Non questo</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Rilascia per aggiungere all&apos;elenco</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookie…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Usa i cookie di:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Un file cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Scegli un file cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Usali:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Per ogni download</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Solo quando un sito mi chiede di accedere</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>I siti che richiedono l&apos;accesso (verifica dell&apos;età, video riservati agli iscritti, controlli «non sono un robot») fanno entrare Reelix con i cookie di un browser in cui hai effettuato l&apos;accesso. Reelix conserva solo il nome del browser o il percorso del file, mai un cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>Nessun browser trovato su questo computer: usa un file cookies.txt esportato dal tuo browser.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Usa i cookie di %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Usa i cookie di…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Questa pagina richiede l&apos;accesso. Accedi al sito nel tuo browser, poi lascia che Reelix usi i cookie di quel browser: ciò che scarichi con essi è legato al tuo account.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>La tua sessione di %1 potrebbe essere scaduta — apri il sito in %1, accedi, poi riprova.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>I cookie in %1 potrebbero essere scaduti — accedi al sito nel browser, esporta di nuovo i cookie, poi riprova.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Nessun cookie di %1 trovato: il browser o il suo profilo non esiste più. Scegline un altro in Strumenti ▸ Cookie…, poi riprova.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 tiene bloccati i suoi cookie mentre è in esecuzione. Chiudi %1, poi riprova.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Impossibile decifrare i cookie di %1: il portachiavi di sistema non è disponibile. Sbloccalo (accedi alla sessione desktop) o usa un file cookies.txt, poi riprova.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix non è riuscito a leggere i cookie di %1. Chiudi %1 e riprova, oppure usa Strumenti ▸ Cookie… per scegliere un&apos;altra fonte.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Il file dei cookie %1 non c&apos;è più. Sceglilo di nuovo in Strumenti ▸ Cookie…, poi riprova.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Il file dei cookie %1 supera %2, molto più di quanto conservi un browser: esporta di nuovo i cookie del browser nel formato Netscape cookies.txt, poi riprova.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Il file dei cookie %1 non è leggibile: esportalo di nuovo dal browser nel formato Netscape cookies.txt, poi riprova.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Questo indirizzo non elenca alcun video</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Questa voce è a sua volta un elenco: aggiungi il suo indirizzo a parte</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Niente a %1p o meno: scaricato a %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 è un collegamento o non è un file normale: Reelix non vi scrive l&apos;archivio dei download dell&apos;elenco. Rimuovilo, poi riprova.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Già scaricato in questa cartella: saltato</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n completato</numerusform>
            <numerusform>%n completati</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n non riuscito</numerusform>
            <numerusform>%n non riusciti</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>%n rimanente</numerusform>
            <numerusform>%n rimanenti</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Scarica tutto</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Ferma tutto</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Nascondi i video</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Mostra i video</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Salta i video già scaricati in questa cartella</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Fino a %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Rimuovi l&apos;elenco</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n video</numerusform>
            <numerusform>%n video</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>Il server ha risposto HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>Il server ha risposto HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>Il server ha rimandato il download a un indirizzo che non è sicuro seguire (non è un indirizzo web, o non è cifrato dopo uno cifrato): è stato rifiutato</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Il file scaricato non c&apos;è</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>Nessun eseguibile %1 nell&apos;archivio</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 non riuscito (codice %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Un file dell&apos;archivio supera %1: l&apos;archivio è stato rifiutato</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>Lo strumento non si avvia: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>Lo strumento non risponde a %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>Lo strumento non mostra alcuna versione (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>usa %1 del sistema</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Ora segui %1. I nuovi contenuti vengono scaricati a ogni controllo.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n nuovo elenco seguito dal file.</numerusform>
            <numerusform>%n nuovi elenchi seguiti dal file.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n nuovo</numerusform>
            <numerusform>%1: %n nuovi</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: non letto (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: il sito ha chiesto di attendere; nuova lettura dopo %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: un altro controllo lo sta leggendo</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: in pausa</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>Impossibile salvare l&apos;elenco dei seguiti.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Un&apos;altra istanza di Reelix sta modificando l&apos;elenco dei seguiti; riprova.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>Il file non è un elenco di feed OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Questo indirizzo è un solo video, non un elenco.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp non è riuscito a leggere l&apos;elenco.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp non è installato.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Segui già</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Seguiti</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Segui</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Segui e prendi subito i 5 più recenti</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Segui, solo i prossimi</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>I nuovi contenuti di questi elenchi vengono scaricati da soli a ogni controllo.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Non segui ancora nulla. Segui un elenco dalla sua riga di intestazione.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Controlla tutti ora</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Non ancora controllato</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Controllato: %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n nuovo</numerusform>
            <numerusform>%n nuovi</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (in pausa)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Metti in pausa</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Nessun formato corrisponde a «%1»</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Nessun indirizzo è stato accettato.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n elemento: %1</numerusform>
            <numerusform>%n elementi: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Log di Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Attiva i log</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Copiato!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Ancora nessun log</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Attiva i log qui sopra per iniziare</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Le righe precedenti sono nel file (pulsante Cartella) — %1 in tutto</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp non ha detto dove ha messo il file — viene preso il file più recente della cartella</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Impossibile raggiungere il server di download: %1. Controlla la connessione, poi riprova.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>L&apos;aggiornamento non è stato completato. Gli strumenti che hai funzionano ancora.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Su questo computer sono stati trovati degli strumenti. Continua con questi o scarica le copie di Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>Su questo computer: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Potrebbe essere troppo vecchio per alcuni siti</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Scarica la copia aggiornata di Reelix; verrà usata al posto di questa</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Continua con gli strumenti di sistema</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Nome della nuova cartella</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Cartella superiore</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Nessuna cartella qui</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Scrivi un nome per la nuova cartella.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Il nome di una cartella non può contenere «/».</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>«%1» non può essere usato come nome di cartella.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Qui esiste già un elemento chiamato «%1».</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Impossibile creare la cartella: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>Impossibile leggere l&apos;elenco dei download salvato. È stato conservato come %1 e l&apos;elenco riparte vuoto.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>L&apos;elenco dei download salvato (%1) è in uso da parte di un altro programma ed è stato lasciato com&apos;è. L&apos;elenco riparte vuoto, e ciò che aggiungi ora non verrà conservato dopo la chiusura di Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Le modifiche all&apos;elenco dei download non possono essere salvate in %1 (il file è di sola lettura o il disco le ha rifiutate). L&apos;elenco resta così fino alla chiusura di Reelix.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>File mancante</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Cartella dei download</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Avvia i download appena sono pronti</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Scarica come</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, qualità migliore</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 fino a 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 fino a 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (solo audio)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Preimpostazione</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Preimpostazione dei nuovi download</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Elimina questa preimpostazione</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Formato dei file dei nuovi video</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Formato dei file dei nuovi download audio</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Scrivi nel file titolo, autore, data, descrizione, copertina e capitoli</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Segmenti sponsorizzati</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Cosa fare dei segmenti sponsorizzati</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Mantienili</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Rimuovili</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Segnali come capitoli</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Segmenti catalogati dal database della comunità, per i video dei siti che copre.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Indirizzo del database</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>Il database pubblico</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Autopromozione</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Promemoria di interazione</translation>
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
        <translation>Anteprima</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Sezione senza musica</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Riempitivo</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Nome di una nuova preimpostazione</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Salva come preimpostazione</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Download simultanei al massimo</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Illimitati</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Frammenti scaricati insieme per ogni download</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Ore tra due controlli degli elenchi seguiti</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Secondi tra due richieste allo stesso sito</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Controlla anche quando Reelix non è in esecuzione (un timer utente di systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookie</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Cerca per titolo</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Ancora nessun download completato</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Nessun download corrisponde a questa ricerca</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Scarica di nuovo</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>File per media server</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Scrive accanto a ogni nuovo file ciò che leggono Kodi, Jellyfin e Plex: un .nfo, la miniatura e un poster per la cartella</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Lingua dell’interfaccia</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Applicata al prossimo avvio di Reelix</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudolingua</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 pronto</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 aggiornato</translation>
    </message>
</context>
</TS>
