<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Journal de débogage</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>À propos de Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Vérifier ma configuration</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Ajouter les adresses saisies, ou appuyer sur le bouton mis en avant</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Ouvrir la barre de menus</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Ouvrir un menu</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Fermer une boîte de dialogue, les préférences ou le journal</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Mises à jour des outils disponibles</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Collez une ou plusieurs adresses de vidéo, une par ligne</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Cette adresse est déjà dans la liste</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n ligne n&apos;était pas une adresse</numerusform>
            <numerusform>%n lignes n&apos;étaient pas des adresses</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copier l&apos;erreur</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Effacer les terminés</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Aucun téléchargement</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Collez l&apos;adresse d&apos;une vidéo ou d&apos;une playlist ci-dessus et appuyez sur Entrée, puis choisissez la qualité et cliquez sur Télécharger.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Collez l&apos;adresse d&apos;une vidéo ou d&apos;une playlist ci-dessus et appuyez sur Entrée&#xa0;: le téléchargement démarre tout seul.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Choisir le dossier de téléchargement</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Non installé</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Analyse…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Conversion QuickTime — %1&#xa0;%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 sur ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>encore %1</translation>
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
        <translation>Téléchargé en %1p&#xa0;: %2p n&apos;était pas disponible</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Sous-titres non téléchargés&#xa0;: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Nouvel essai d&apos;une autre façon…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Ce site demande de vous connecter&#xa0;: nouvel essai avec les cookies de %1. Ce que vous téléchargez avec eux est lié à votre compte.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Conversion pour une lecture partout — %1&#xa0;%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Meilleure qualité</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Qualité pour %1</translation>
    </message>
    <message id="a11y.named_value">
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message id="media.format.m4a">
        <source>M4A (AAC)</source>
        <translation>M4A (AAC)</translation>
    </message>
    <message id="media.format.mkv">
        <source>MKV, keeps everything</source>
        <translation>MKV, garde tout</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Comme la source</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (originale)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audiodescription</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>De l’auteur</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Sous-titres automatiques</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Traductions automatiques</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Sous-titres&#xa0;: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Dans le fichier</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>À côté du fichier (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Aucun préréglage</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Découper…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Extrait %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Un fichier par chapitre</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Télécharger une partie de %1&#xa0;: un intervalle ou des chapitres</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Découper «&#xa0;%1&#xa0;»</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>De</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>à</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Début de l’extrait</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Fin de l’extrait</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Saisissez le début sous la forme h:mm:ss, par exemple 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Saisissez la fin sous la forme h:mm:ss, par exemple 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>La fin doit venir après le début</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>La vidéo se termine à %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Ou choisissez des chapitres&#xa0;: chaque suite de chapitres devient un extrait à part.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Vidéo entière, un fichier par chapitre dans un dossier à son nom</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Coupe précise</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Réencode aux points de coupe&#xa0;: exact à l’image près, mais plus lent.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast&#xa0;: Opus 96&#xa0;kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Musique&#xa0;: M4A, comme la source</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archive&#xa0;: MKV, toutes les pistes et sous-titres</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Format de fichier pour %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Qualité audio pour %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Piste audio pour %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Sous-titres pour %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Préréglage pour %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Format de toutes les vidéos de %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Qualité de toutes les vidéos de %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1 : diminuer</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1 : augmenter</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Ouvrir le site dans le navigateur pour se reconnecter</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Mettre à jour yt-dlp dans Outils ▸ Rechercher des mises à jour</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Retirer de la liste (le fichier reste)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Supprimer le fichier…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;? Il part à la corbeille et sa ligne quitte la liste.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Supprimer le fichier</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Aucune application n&apos;a pu ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu afficher «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être supprimé.</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Convertir pour la lecture</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Rendre lisible partout</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Convertir en H.264 et AAC, que tous les lecteurs et appareils lisent</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Le certificat du site n&apos;a pas pu être vérifié. Vérifiez votre réseau ou votre proxy, puis réessayez.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Cette vidéo est protégée par DRM et ne peut pas être téléchargée.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube a besoin de Node.js. Installez ou mettez à jour les outils, puis réessayez.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp n&apos;est pas installé. Ouvrez Outils ▸ Rechercher des mises à jour pour l&apos;installer.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>Le disque est plein : libérez de la place dans %1 puis réessayez.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix ne peut pas écrire dans %1 : vérifiez que le dossier existe et qu&apos;il est accessible en écriture.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Les informations de la vidéo n&apos;ont pas pu être lues.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Ce direct ou cette première n&apos;a pas encore commencé. Réessayez quand il aura débuté.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Cette vidéo n&apos;est pas proposée dans votre pays&#xa0;: elle ne peut pas être téléchargée ici.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Cette vidéo est privée, supprimée ou indisponible. Vérifiez l&apos;adresse dans votre navigateur.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>Le site limite les requêtes. Réessayez plus tard.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>La page est introuvable. Vérifiez l&apos;adresse, puis réessayez.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>Le site a refusé l&apos;accès. Réessayez plus tard, ou utilisez un navigateur où vous êtes connecté (Outils ▸ Cookies…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix n&apos;a trouvé aucune vidéo à cette adresse. Vérifiez qu&apos;elle mène à la page d&apos;une vidéo.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>Le nom du site est introuvable. Vérifiez l&apos;adresse et votre connexion Internet.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>Le site a refusé la connexion. Vérifiez l&apos;adresse, ou réessayez plus tard.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>Le site n&apos;a pas répondu à temps. Vérifiez votre connexion Internet, puis réessayez.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix n&apos;a pas pu joindre le site. Vérifiez votre connexion Internet, puis réessayez.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp n&apos;a pas pu lire cette page&#xa0;: le site a peut-être changé. Mettez yt-dlp à jour avec Reelix dans Outils ▸ Rechercher des mises à jour, puis réessayez.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp n&apos;a pas pu lire cette page&#xa0;: le site a peut-être changé, et yt-dlp %1 est plus ancien que la dernière version, %2. Mettez-le à jour, puis réessayez.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp n&apos;a pas pu lire cette page&#xa0;: le site a peut-être changé, et le yt-dlp du système (%1) précède la dernière version (%2). Mettez-le à jour avec le gestionnaire de paquets, ou installez celui de Reelix dans Outils ▸ Rechercher des mises à jour.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>Le téléchargement a échoué. Vérifiez l&apos;adresse et votre connexion, puis réessayez.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>%1 n&apos;a pas pu être lancé. Reelix peut en installer une copie qui fonctionne dans Outils ▸ Rechercher des mises à jour.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>La conversion a échoué&#xa0;; le fichier téléchargé est conservé tel quel. Réessayez, ou lisez-le tel quel.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Ce qu&apos;a dit l&apos;outil</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>L&apos;outil n&apos;en a pas dit plus.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Trouve et télécharge la vidéo</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Assemble, analyse et convertit les médias</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Moteur JavaScript requis pour YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix a besoin de trois outils libres.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Ouvrir Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Aucun mot de passe administrateur requis</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Les sommes de contrôle publiées pour %1 sont illisibles (%2) ; rien n&apos;a été installé.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>Les sommes de contrôle publiées ne mentionnent pas %1 ; rien n&apos;a été installé.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>Les sommes de contrôle publiées mentionnent %1 plusieurs fois, avec des sommes différentes ; rien n&apos;a été installé.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 ne correspond pas à la somme de contrôle publiée par son distributeur ; rien n&apos;a été installé.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 correspond à sa somme MD5 publiée (MD5 seulement&#xa0;: elle détecte un téléchargement abîmé, pas une modification délibérée)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 ne peut pas être vérifié&#xa0;: sa source ne publie aucune somme de contrôle</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Ce processeur (%1) n&apos;est pas pris en charge : les outils n&apos;existent que pour les processeurs 64 bits (x86_64, arm64). Rien n&apos;a été téléchargé.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Cet ffmpeg est compilé pour les Mac Intel et ne peut pas fonctionner sur ce Mac sans Rosetta. Installez Rosetta (commande softwareupdate --install-rosetta dans le Terminal) puis réessayez, ou installez ffmpeg avec Homebrew (brew install ffmpeg) : Reelix utilisera celui-ci. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Vérifié (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Vérifié (MD5 seulement)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Non vérifiable : la source ne publie aucune somme de contrôle</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Non vérifié</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Revenir en arrière</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Remettre la version que cette mise à jour a remplacée</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Retour à la version précédente de %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 est revenu à sa version précédente</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1 : aucune version précédente n&apos;est conservée, impossible de revenir en arrière.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Installer les outils</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Téléchargement de yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Téléchargement de ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Téléchargement de Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Des mises à jour sont disponibles</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Tous les outils sont à jour</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Installer les mises à jour</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Plus tard</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n téléchargement est en cours. L&apos;arrêter et rechercher des mises à jour ?</numerusform>
            <numerusform>%n téléchargements sont en cours. Les arrêter et rechercher des mises à jour ?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Arrêter et rechercher</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n téléchargement est en cours. Quitter quand même&#xa0;? Il reprendra au prochain démarrage de Reelix.</numerusform>
            <numerusform>%n téléchargements sont en cours. Quitter quand même&#xa0;? Ils reprendront au prochain démarrage de Reelix.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 prêt</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 mis à jour</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Mise à jour de yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Mise à jour de ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Mise à jour de Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Le téléchargement n&apos;a pas pu être déplacé dans %1 : il est conservé ici : %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Aucune donnée depuis %1 s : le transfert a été arrêté</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>Le transfert a duré plus de %1 s : il a été arrêté</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>Le serveur a envoyé plus de %1 : le transfert a été arrêté</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>le serveur a répondu HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>la réponse n&apos;indique aucune version</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Aucune version de Node.js %1 trouvée : %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>vérification impossible (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Vérification impossible</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Choisir le navigateur</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Choisir le dossier</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Ouvrir les préférences</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Copier le rapport</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Tout ce dont Reelix a besoin est en place.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problème empêche les téléchargements. Sa ligne dit quoi faire.</numerusform>
            <numerusform>%n problèmes empêchent les téléchargements. Chaque ligne dit quoi faire.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Vérification des outils, des cookies, du dossier et du réseau…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Les téléchargements devraient fonctionner&#xa0;; %n ligne pourrait être améliorée.</numerusform>
            <numerusform>Les téléchargements devraient fonctionner&#xa0;; %n lignes pourraient être améliorées.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>Le paquet de certificats n&apos;en contient que %n&#xa0;: les sites sécurisés risquent d&apos;échouer.</numerusform>
            <numerusform>Le paquet de certificats n&apos;en contient que %n&#xa0;: les sites sécurisés risquent d&apos;échouer.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Installez les certificats du système (le paquet ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>Le système ne fait confiance à aucun certificat&#xa0;: les sites sécurisés ne peuvent pas être vérifiés.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>Le paquet de certificats n&apos;est pas encore créé&#xa0;; le prochain téléchargement le créera.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>Le paquet contient %L1&#xa0;certificats, créé il y a %n&#xa0;jour.</numerusform>
            <numerusform>Le paquet contient %L1&#xa0;certificats, créé il y a %n&#xa0;jours.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Choisissez le navigateur avec lequel vous êtes connecté.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Si les téléchargements connectés échouent, fermez le navigateur et réessayez.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>La connexion à YouTube dans %1 a expiré.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Les cookies viennent du fichier %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>Le magasin de cookies de %1 est verrouillé, sans doute parce que %1 est ouvert.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>%1 est introuvable sur cet ordinateur.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Le fichier de cookies %1 est illisible.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Les cookies viennent de %1, qui n&apos;est pas connecté à YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Aucun cookie n&apos;est utilisé&#xa0;: les sites qui demandent une connexion refuseront.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Les cookies viennent de %1&#xa0;; sa connexion à YouTube date de %n&#xa0;jour.</numerusform>
            <numerusform>Les cookies viennent de %1&#xa0;; sa connexion à YouTube date de %n&#xa0;jours.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Reconnectez-vous à YouTube dans le navigateur.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>Le magasin de cookies de %1 est illisible.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Installez le ffmpeg de Reelix, qui les fournit.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>Il manque à ffmpeg %1 ce qu&apos;utilise Reelix&#xa0;: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg et ffprobe %1 fonctionnent et ont tout ce qu&apos;utilise Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Choisissez un autre dossier de téléchargement.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Libérez de l&apos;espace, ou choisissez un dossier sur un autre disque.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Seulement %1 libres dans le dossier de téléchargement&#xa0;: les téléchargements risquent de ne pas tenir.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>Le dossier de téléchargement %1 n&apos;existe pas.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>Le dossier de téléchargement est accessible en écriture et dispose de %1 libres.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix ne peut pas écrire dans le dossier de téléchargement %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp ne peut pas se faire passer pour un navigateur (sa bibliothèque d&apos;imitation manque)&#xa0;: les sites qui vérifient risquent de le refuser.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>L&apos;imitation de navigateur ne peut pas être vérifiée sans yt-dlp.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp peut se faire passer pour %n&#xa0;navigateur sur les sites qui vérifient.</numerusform>
            <numerusform>yt-dlp peut se faire passer pour %n&#xa0;navigateurs sur les sites qui vérifient.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Utilisez le yt-dlp de Reelix, qui la fournit.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Ce yt-dlp ne peut pas se faire passer pour un navigateur&#xa0;: les sites qui vérifient (Cloudflare et autres) risquent de le refuser.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Cet ordinateur n&apos;a pas de connexion à Internet&#xa0;: aucun nom de serveur n&apos;a pu être résolu.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Tous les serveurs dont ont besoin les outils et les mises à jour répondent.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Vérifiez la connexion réseau et les réglages du proxy.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Ces serveurs sont injoignables&#xa0;: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js ne fonctionne pas.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Installez le Node.js de Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Aucun moteur JavaScript&#xa0;: YouTube a besoin de Node.js pour résoudre ses défis.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Procurez-vous un yt-dlp plus récent.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 résout les défis de YouTube&#xa0;; yt-dlp récupère ses scripts de défi sur GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 est trop ancien&#xa0;: yt-dlp a besoin de la version %2 ou plus récente pour résoudre les défis de YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 est celui du système&#xa0;; Reelix ne fournit à yt-dlp que sa propre copie.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Ce yt-dlp est trop ancien pour utiliser un moteur JavaScript&#xa0;: les vidéos YouTube risquent d&apos;échouer.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 ne fonctionne pas&#xa0;: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Installez-le depuis la vue d&apos;installation.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 n&apos;est pas installé.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Réinstallez-le depuis la vue d&apos;installation.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>il n&apos;a pas répondu à temps</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 fonctionne et est récent.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 est ancien&#xa0;: les sites changent souvent et un vieux yt-dlp échoue sur eux.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Cette copie vient du système&#xa0;; installez celle de Reelix, qui reste à jour.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 fonctionne&#xa0;; la dernière version n&apos;a pas pu être vérifiée.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Mettez-le à jour.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Certaines versions n&apos;ont pas pu être vérifiées</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n téléchargement terminé</numerusform>
            <numerusform>%n téléchargements terminés</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n téléchargement terminé, %L1 en échec</numerusform>
            <numerusform>%n téléchargements terminés, %L1 en échec</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Notifier à la fin des téléchargements</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Proposer les adresses copiées</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>Dans le presse-papiers : %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Pas celle-ci</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Déposer pour ajouter à la liste</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookies…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Utiliser les cookies de :</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Un fichier cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Choisir un fichier cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Les utiliser&#xa0;:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Pour chaque téléchargement</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Seulement quand un site me demande de me connecter</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Les sites qui demandent d&apos;être connecté (vérification de l&apos;âge, vidéos réservées aux membres, «&#xa0;pas un robot&#xa0;») laissent entrer Reelix avec les cookies d&apos;un navigateur où vous êtes connecté. Reelix ne garde que le nom du navigateur ou le chemin du fichier, jamais un cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>Aucun navigateur trouvé sur cette machine : utilisez un fichier cookies.txt exporté depuis votre navigateur.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Utiliser les cookies de %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Utiliser les cookies de…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Cette page demande d&apos;être connecté. Connectez-vous au site dans votre navigateur, puis laissez Reelix utiliser ses cookies&#xa0;: ce que vous téléchargez avec eux est lié à votre compte.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Votre session %1 a peut-être expiré — ouvrez le site dans %1, connectez-vous, puis réessayez.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Les cookies de %1 ont peut-être expiré — connectez-vous au site dans votre navigateur, exportez à nouveau les cookies, puis réessayez.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Aucun cookie de %1 trouvé : le navigateur ou son profil n&apos;existe plus. Choisissez-en un autre dans Outils ▸ Cookies…, puis réessayez.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 verrouille ses cookies tant qu&apos;il est ouvert. Fermez %1, puis réessayez.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Les cookies de %1 n&apos;ont pas pu être déchiffrés : le trousseau du système n&apos;est pas disponible. Déverrouillez-le (ouvrez votre session) ou utilisez un fichier cookies.txt, puis réessayez.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix n&apos;a pas pu lire les cookies de %1. Fermez %1 et réessayez, ou utilisez Outils ▸ Cookies… pour choisir une autre source.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>Le fichier de cookies %1 n&apos;existe plus. Choisissez-le à nouveau dans Outils ▸ Cookies…, puis réessayez.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>Le fichier de cookies %1 dépasse %2, bien plus que ce que garde un navigateur : exportez à nouveau les cookies de votre navigateur au format Netscape cookies.txt, puis réessayez.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Le fichier de cookies %1 est illisible : exportez-le à nouveau depuis votre navigateur au format Netscape cookies.txt, puis réessayez.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Cette adresse ne liste aucune vidéo</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Cette entrée est elle-même une liste : ajoutez son adresse à part</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Rien en %1p ou moins : téléchargée en %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 est un lien ou n’est pas un fichier ordinaire : Reelix n’y écrit pas l’archive de la liste. Supprimez-le, puis réessayez.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Déjà téléchargée dans ce dossier : ignorée</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminée</numerusform>
            <numerusform>%n terminées</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>%n restante</numerusform>
            <numerusform>%n restantes</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Tout télécharger</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Tout arrêter</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Masquer les vidéos</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Afficher les vidéos</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Ignorer les vidéos déjà téléchargées dans ce dossier</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Jusqu’à %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Retirer la liste</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n vidéo</numerusform>
            <numerusform>%n vidéos</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>Le serveur a répondu HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>Le serveur a répondu HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>Le serveur a renvoyé le téléchargement vers une adresse qu&apos;il n&apos;est pas sûr de suivre (pas une adresse web, ou non chiffrée après une adresse chiffrée) : elle a été refusée</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>Binaire %1 introuvable dans l&apos;archive</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 a échoué (code %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Un fichier de l&apos;archive dépasse %1 : l&apos;archive a été refusée</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>L&apos;outil ne démarre pas : %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>L&apos;outil ne répond pas à %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>L&apos;outil n&apos;affiche pas de version (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>utilise %1 du système</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>%1 est suivie. Les nouveautés se téléchargent à chaque vérification.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n nouvel abonnement tiré du fichier.</numerusform>
            <numerusform>%n nouveaux abonnements tirés du fichier.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1&#xa0;: %n nouveauté</numerusform>
            <numerusform>%1&#xa0;: %n nouveautés</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1&#xa0;: non lue (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1&#xa0;: le site demande d&apos;attendre&#xa0;; nouvelle lecture après %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1&#xa0;: une autre vérification la lit déjà</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1&#xa0;: en pause</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>La liste des abonnements n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Un autre Reelix modifie la liste des abonnements&#xa0;; réessayez.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>Ce fichier n&apos;est pas une liste de flux OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Cette adresse mène à une seule vidéo, pas à une liste.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp n&apos;a pas pu lire la liste.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp n&apos;est pas installé.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Suivi</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Abonnements</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Suivre et prendre les 5 plus récentes maintenant</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Suivre, seulement les prochaines</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>Les nouveautés de ces listes se téléchargent d&apos;elles-mêmes à chaque vérification.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Aucun abonnement pour l&apos;instant. Suivez une liste depuis sa ligne d&apos;en-tête.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Tout vérifier maintenant</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Pas encore vérifiée</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Vérifiée le %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n nouveauté</numerusform>
            <numerusform>%n nouveautés</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (en pause)</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Fichiers pour serveurs multimédias</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Écrit à côté de chaque nouveau fichier ce que lisent Kodi, Jellyfin et Plex&#xa0;: un .nfo, la miniature et une affiche pour le dossier</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Mettre en pause</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Aucun format ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Aucune adresse n&apos;a été acceptée.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n élément&#xa0;: %1</numerusform>
            <numerusform>%n éléments&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Logs Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Activer les logs</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Copié !</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Aucun log pour l&apos;instant</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Activez les logs ci-dessus pour commencer</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Lignes précédentes dans le fichier (bouton Dossier) — %1 au total</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp n&apos;a pas dit où il a mis le fichier — le plus récent du dossier est pris</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Impossible de joindre le serveur de téléchargement : %1. Vérifiez votre connexion, puis réessayez.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>La mise à jour n&apos;a pas abouti. Vos outils actuels fonctionnent toujours.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Des outils ont été trouvés sur cet ordinateur. Continuez avec eux, ou téléchargez les copies de Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>Sur cet ordinateur : %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Peut-être trop ancien pour certains sites</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Télécharger la copie à jour de Reelix ; elle remplace celle-ci</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Continuer avec les outils du système</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Aucun dossier ici</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Saisissez un nom pour le nouveau dossier.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Un nom de dossier ne peut pas contenir « / ».</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>« %1 » ne peut pas servir de nom de dossier.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Un élément nommé « %1 » existe déjà ici.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Le dossier n&apos;a pas pu être créé : %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>La liste de téléchargements enregistrée n&apos;a pas pu être lue. Elle a été conservée sous %1 et la liste repart vide.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>La liste de téléchargements enregistrée (%1) est utilisée par un autre programme et a été laissée telle quelle. La liste repart vide, et ce que vous ajoutez maintenant ne sera pas conservé après la fermeture de Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Les modifications de la liste de téléchargements ne peuvent pas être enregistrées dans %1 (le fichier est en lecture seule ou le disque les a refusées). La liste reste telle quelle jusqu&apos;à la fermeture de Reelix.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Dossier de téléchargement</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Lancer les téléchargements dès qu&apos;ils sont prêts</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Télécharger en</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, meilleure qualité</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 jusqu&apos;à 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 jusqu&apos;à 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (audio seul)</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudo-langue</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Appliquée au prochain démarrage de Reelix</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Préréglage des nouveaux téléchargements</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Supprimer ce préréglage</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Format de fichier des nouvelles vidéos</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Format de fichier des nouveaux téléchargements audio</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Écrire le titre, l’auteur, la date, la description, la pochette et les chapitres dans le fichier</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Segments sponsorisés</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Ce que deviennent les segments sponsorisés</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Les garder</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Les retirer</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Les marquer comme chapitres</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Segments répertoriés par la base de données communautaire, pour les vidéos des sites qu’elle couvre.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Adresse de la base</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>La base publique</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Autopromotion</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Rappel d’interaction</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Introduction</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Conclusion</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Passage sans musique</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Remplissage</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Nom d’un nouveau préréglage</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Téléchargements simultanés, au plus</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Sans limite</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Fragments récupérés en même temps par téléchargement</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Heures entre deux vérifications des abonnements</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Secondes entre deux requêtes à un même site</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Vérifier aussi quand Reelix n&apos;est pas ouvert (un minuteur utilisateur systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Rechercher par titre</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Aucun téléchargement terminé pour l&apos;instant</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Aucun téléchargement ne correspond à cette recherche</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Télécharger à nouveau</translation>
    </message>
</context>
</TS>
