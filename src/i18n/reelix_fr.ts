<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Reelix</name>
    <message id="menu.tools">
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug Logs</source>
        <translation>Journal de débogage</translation>
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
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copier l'erreur</translation>
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
        <source>Paste a video address above, pick MP4 or MP3,
then press Add.</source>
        <translation>Collez une adresse de vidéo ci-dessus, choisissez MP4 ou MP3,
puis appuyez sur Ajouter.</translation>
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
    <message id="action.retry">
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Convertir pour la lecture</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site's certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Le certificat du site n'a pas pu être vérifié. Vérifiez votre réseau ou votre proxy, puis réessayez.</translation>
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
        <source>yt-dlp is not installed. Open Tools › Check for Updates to install it.</source>
        <translation>yt-dlp n'est pas installé. Ouvrez Outils › Rechercher des mises à jour pour l'installer.</translation>
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
            <numerusform>%n téléchargement est en cours. L'arrêter et rechercher des mises à jour ?</numerusform>
            <numerusform>%n téléchargements sont en cours. Les arrêter et rechercher des mises à jour ?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Arrêter et rechercher</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message id="update.ready">
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message id="update.done">
        <source>updated</source>
        <translation>mis à jour</translation>
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
</context>
</TS>
