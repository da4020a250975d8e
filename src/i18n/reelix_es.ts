<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Registros de depuración</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>Acerca de Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Comprobar mi configuración</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Añadir las direcciones escritas o pulsar el botón resaltado</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Abrir la barra de menús</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Abrir un menú</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Cerrar un diálogo, las preferencias o el registro</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Software libre bajo la Licencia Pública General de GNU v3 o posterior (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Hay actualizaciones de las herramientas</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Pegue una o más direcciones de vídeo, una por línea</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Esta dirección ya está en la lista</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n línea no era una dirección</numerusform>
            <numerusform>%n líneas no eran direcciones</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copiar el error</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Quitar terminadas</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Aún no hay descargas</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Pegue arriba la dirección de un vídeo o de una lista de reproducción y pulse Intro; luego elija la calidad y haga clic en Descargar.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Pegue arriba la dirección de un vídeo o de una lista de reproducción y pulse Intro: la descarga empieza sola.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Elegir la carpeta de descargas</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>No instalado</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Obteniendo información…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Conversión a QuickTime — %1&#xa0;%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message id="progress.of_total">
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message id="progress.of_estimate">
        <source>%1 of ~%2</source>
        <translation>%1 de ~%2</translation>
    </message>
    <message id="progress.speed">
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message id="progress.left">
        <source>%1 left</source>
        <translation>quedan %1</translation>
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
        <translation>Descargado en %1p: %2p no estaba disponible</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Subtítulos no descargados: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Reintentando de otra forma…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Este sitio pide iniciar sesión: reintentando con las cookies de %1. Lo que descargue con ellas queda vinculado a su cuenta.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Haciéndolo reproducible en todas partes — %1&#xa0;%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Máxima calidad</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Calidad de %1</translation>
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
        <translation>MKV, lo conserva todo</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Igual que el original</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (original)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audiodescripción</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>Del autor</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Subtítulos automáticos</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Traducciones automáticas</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Subtítulos: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Dentro del archivo</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Junto al archivo (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Sin preajuste</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Recortar…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Fragmento %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Un archivo por capítulo</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Descargar parte de %1: un intervalo de tiempo o capítulos</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Recortar «%1»</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>De</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>a</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Inicio del fragmento</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Fin del fragmento</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Escriba el inicio como h:mm:ss, por ejemplo 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Escriba el fin como h:mm:ss, por ejemplo 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>El fin debe ir después del inicio</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>El vídeo termina en %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>O elija capítulos: cada serie de capítulos seguidos se convierte en un fragmento propio.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Vídeo completo, un archivo por capítulo en una carpeta con su nombre</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Corte preciso</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Recodifica en los puntos de corte: exacto al fotograma, pero más lento.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Recortar</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Pódcast: Opus 96&#xa0;kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Música: M4A, como el original</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Archivado: MKV, todas las pistas y subtítulos</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Formato de archivo de %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Calidad de audio de %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Pista de audio de %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Subtítulos de %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Preajuste de %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Formato de todos los vídeos de %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Calidad de todos los vídeos de %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: reducir</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: aumentar</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Abrir el sitio en el navegador para volver a iniciar sesión</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Actualizar yt-dlp en Herramientas ▸ Buscar actualizaciones</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Quitar de la lista (se conserva el archivo)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Eliminar archivo…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>¿Eliminar «%1»? Irá a la papelera y la fila saldrá de la lista.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Eliminar archivo</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Ninguna aplicación pudo abrir «%1».</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Ningún gestor de archivos pudo mostrar «%1».</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Convertir para reproducir</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Hacer reproducible en todas partes</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Convertir a H.264 y AAC, que cualquier reproductor o dispositivo puede reproducir</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>No se pudo verificar el certificado del sitio. Compruebe su red o su proxy y vuelva a intentarlo.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Este vídeo está protegido con DRM y no se puede descargar.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>YouTube necesita el entorno de ejecución Node.js. Instale o actualice las herramientas y vuelva a intentarlo.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>yt-dlp no está instalado. Abra Herramientas ▸ Buscar actualizaciones para instalarlo.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>El disco está lleno: libere espacio en %1 y vuelva a intentarlo.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>Reelix no puede escribir en %1: compruebe que la carpeta existe y que se puede escribir en ella.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>No se pudo leer la información del vídeo.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Esta emisión en directo o este estreno aún no ha empezado. Vuelva a intentarlo cuando haya comenzado.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Este vídeo no está disponible en su país, así que no se puede descargar aquí.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Este vídeo es privado, se ha eliminado o no está disponible. Compruebe la dirección en su navegador.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>El sitio está limitando las solicitudes. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>No se encontró la página. Compruebe la dirección y vuelva a intentarlo.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>El sitio denegó el acceso. Vuelva a intentarlo más tarde o use un navegador en el que haya iniciado sesión (Herramientas ▸ Cookies…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>Reelix no encontró ningún vídeo en esta dirección. Compruebe que lleva a la página de un vídeo.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>No se encontró el nombre del sitio. Compruebe la dirección y su conexión a Internet.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>El sitio rechazó la conexión. Compruebe la dirección o vuelva a intentarlo más tarde.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>El sitio no respondió a tiempo. Compruebe su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>Reelix no pudo conectar con el sitio. Compruebe su conexión a Internet y vuelva a intentarlo.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>yt-dlp no pudo leer esta página: puede que el sitio haya cambiado. Reelix puede actualizar yt-dlp en Herramientas ▸ Buscar actualizaciones; después vuelva a intentarlo.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>yt-dlp no pudo leer esta página: puede que el sitio haya cambiado, y yt-dlp %1 es anterior a la versión más reciente, %2. Actualícelo y vuelva a intentarlo.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>yt-dlp no pudo leer esta página: puede que el sitio haya cambiado, y el yt-dlp del sistema (%1) es anterior a la versión más reciente, %2. Actualícelo con el gestor de paquetes o instale el de Reelix en Herramientas ▸ Buscar actualizaciones.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>La descarga falló. Compruebe la dirección y su conexión y vuelva a intentarlo.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>No se pudo iniciar %1. Reelix puede instalar una copia que funcione en Herramientas ▸ Buscar actualizaciones.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>La conversión falló; el archivo descargado se conserva tal cual. Vuelva a intentarlo o reprodúzcalo tal como está.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>Lo que dijo la herramienta</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>La herramienta no dijo nada más.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Encuentra y descarga el vídeo</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Une, analiza y convierte archivos multimedia</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Entorno de JavaScript necesario para YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>Reelix necesita tres herramientas libres para funcionar.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Abrir Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>No se necesita contraseña de administrador</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Falló</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>No se pudieron leer las sumas de verificación publicadas para %1 (%2); no se instaló nada.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>Las sumas de verificación publicadas no incluyen %1; no se instaló nada.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>Las sumas de verificación publicadas incluyen %1 más de una vez, con sumas distintas; no se instaló nada.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 no coincide con la suma de verificación que publica su distribuidor; no se instaló nada.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 coincide con su suma MD5 publicada (solo MD5: detecta una descarga dañada, no una modificación deliberada)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 no se puede verificar: su origen no publica ninguna suma de verificación</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Este procesador (%1) no es compatible: las herramientas solo existen para procesadores de 64 bits (x86_64, arm64). No se descargó nada.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Este ffmpeg está compilado para Mac con Intel y no puede ejecutarse en este Mac sin Rosetta. Instale Rosetta (ejecute softwareupdate --install-rosetta en Terminal) y vuelva a intentarlo, o instale ffmpeg con Homebrew (brew install ffmpeg): Reelix usará entonces ese. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Verificado (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Verificado (solo MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>No verificable: el origen no publica ninguna suma de verificación</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>No verificado</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Revertir</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Restaurar la versión que esta actualización reemplazó</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Revirtiendo %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 ha vuelto a su versión anterior</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: no se conserva ninguna versión anterior, no hay nada a lo que volver.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Instalar las herramientas</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Descargando yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Descargando ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Descargando Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Hay actualizaciones disponibles</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Todas las herramientas están actualizadas</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Instalar actualizaciones</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>Hay %n descarga en curso. ¿Detenerla y buscar actualizaciones?</numerusform>
            <numerusform>Hay %n descargas en curso. ¿Detenerlas y buscar actualizaciones?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Detener y buscar</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>Hay %n descarga en curso. ¿Salir de todos modos? Se reanudará la próxima vez que se inicie Reelix.</numerusform>
            <numerusform>Hay %n descargas en curso. ¿Salir de todos modos? Se reanudarán la próxima vez que se inicie Reelix.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Actualizando yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Actualizando ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Actualizando Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>No se pudo mover la descarga a %1: se conserva en %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Sin datos durante %1&#xa0;s: se interrumpió la transferencia</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>La transferencia duró más de %1&#xa0;s: se interrumpió</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>El servidor envió más de %1: se interrumpió la transferencia</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>el servidor respondió HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>la respuesta no indica ninguna versión</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>No se encontró ninguna versión de Node.js %1: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>no se pudo comprobar (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>No se pudo comprobar</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Elegir navegador</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Abrir preferencias</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message id="doctor.level.ok">
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message id="doctor.level.problem">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="doctor.level.warning">
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Copiar informe</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Todo lo que Reelix necesita está en su sitio.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problema impide las descargas. Su línea indica qué hacer.</numerusform>
            <numerusform>%n problemas impiden las descargas. Cada línea indica qué hacer.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Comprobando las herramientas, las cookies, la carpeta y la red…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Las descargas deberían funcionar; %n línea podría mejorar.</numerusform>
            <numerusform>Las descargas deberían funcionar; %n líneas podrían mejorar.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>El paquete de certificados solo contiene %n certificado: los sitios seguros pueden fallar.</numerusform>
            <numerusform>El paquete de certificados solo contiene %n certificados: los sitios seguros pueden fallar.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Instale los certificados del sistema (el paquete ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>El sistema no confía en ningún certificado: no se pueden comprobar los sitios seguros.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>El paquete de certificados aún no se ha creado; la próxima descarga lo creará.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>El paquete de certificados contiene %L1 certificados, creado hace %n día.</numerusform>
            <numerusform>El paquete de certificados contiene %L1 certificados, creado hace %n días.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Elija el navegador con el que ha iniciado sesión.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Si fallan las descargas con sesión iniciada, cierre el navegador y vuelva a intentarlo.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>La sesión de YouTube en %1 ha caducado.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Las cookies proceden del archivo %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>El almacén de cookies de %1 está bloqueado, probablemente porque %1 está abierto.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>No se encontró %1 en este equipo.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de cookies %1.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Las cookies proceden de %1, que no tiene sesión iniciada en YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>No se usan cookies: los sitios que piden iniciar sesión se negarán.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Las cookies proceden de %1; su sesión de YouTube tiene %n día.</numerusform>
            <numerusform>Las cookies proceden de %1; su sesión de YouTube tiene %n días.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Vuelva a iniciar sesión en YouTube en el navegador.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>No se puede leer el almacén de cookies de %1.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Instale el ffmpeg de Reelix, que las incluye.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>A ffmpeg %1 le falta lo que usa Reelix: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg y ffprobe %1 funcionan y tienen lo que usa Reelix.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Elija otra carpeta de descargas.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Libere espacio o elija una carpeta en otro disco.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Solo quedan %1 libres en la carpeta de descargas: puede que las descargas no quepan.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>La carpeta de descargas %1 no existe.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>La carpeta de descargas admite escritura y tiene %1 libres.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>Reelix no puede escribir en la carpeta de descargas %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>yt-dlp no puede hacerse pasar por un navegador (falta su biblioteca de suplantación): los sitios que lo comprueban pueden rechazarlo.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Sin yt-dlp no se puede comprobar la suplantación de navegador.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>yt-dlp puede hacerse pasar por %n navegador en los sitios que lo comprueban.</numerusform>
            <numerusform>yt-dlp puede hacerse pasar por %n navegadores en los sitios que lo comprueban.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Use el yt-dlp de Reelix, que la incluye.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Este yt-dlp no puede hacerse pasar por un navegador: los sitios que lo comprueban (Cloudflare y similares) pueden rechazarlo.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Este equipo no tiene conexión a Internet: no se pudo resolver el nombre de ningún servidor.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Todos los servidores que necesitan las herramientas y las actualizaciones responden.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Compruebe la conexión de red y la configuración del proxy.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>No se puede conectar con estos servidores: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>Node.js no funciona.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Instale el Node.js de Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>No hay entorno de JavaScript: YouTube necesita Node.js para resolver sus desafíos.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Consiga un yt-dlp más reciente.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>Node.js %1 resuelve los desafíos de YouTube; yt-dlp obtiene sus scripts de desafío de GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>Node.js %1 es demasiado antiguo: yt-dlp necesita la versión %2 o posterior para resolver los desafíos de YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>Node.js %1 es el del sistema; Reelix solo proporciona a yt-dlp su propia copia.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Este yt-dlp es demasiado antiguo para usar un entorno de JavaScript: los vídeos de YouTube pueden fallar.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 no funciona: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Instálelo desde la pantalla de instalación.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 no está instalado.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Vuelva a instalarlo desde la pantalla de instalación.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>no respondió a tiempo</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>yt-dlp %1 funciona y es reciente.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>yt-dlp %1 es antiguo: los sitios cambian a menudo y un yt-dlp antiguo falla con ellos.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Esta copia viene con el sistema; instale la de Reelix, que se mantiene actualizada.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>yt-dlp %1 funciona; no se pudo comprobar la versión más reciente.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Actualícelo.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>No se pudieron comprobar algunas versiones</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Descarga terminada</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>La descarga falló</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n descarga terminada</numerusform>
            <numerusform>%n descargas terminadas</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n descarga terminada, %L1 con error</numerusform>
            <numerusform>%n descargas terminadas, %L1 con error</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Avisar al terminar las descargas</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Ofrecer las direcciones copiadas</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>En el portapapeles: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Esta no</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Suelte para añadir a la lista</translation>
    </message>
    <message id="menu.cookies">
        <source>Cookies…</source>
        <translation>Cookies…</translation>
    </message>
    <message id="cookies.use_from">
        <source>Use cookies from:</source>
        <translation>Usar cookies de:</translation>
    </message>
    <message id="cookies.none">
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Un archivo cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Elegir un archivo cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Usarlas:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>En cada descarga</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Solo cuando un sitio me pida iniciar sesión</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Los sitios que exigen iniciar sesión (verificación de edad, vídeos solo para miembros, comprobaciones de «no soy un robot») dejan pasar a Reelix con las cookies de un navegador en el que haya iniciado sesión. Reelix solo guarda el nombre del navegador o la ruta del archivo, nunca una cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>No se encontró ningún navegador en este equipo: use un archivo cookies.txt exportado desde su navegador.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Usar las cookies de %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Usar las cookies de…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Esta página exige iniciar sesión. Inicie sesión en el sitio desde su navegador web y deje que Reelix use las cookies de ese navegador: lo que descargue con ellas queda vinculado a su cuenta.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Puede que su sesión de %1 haya caducado: abra el sitio en %1, inicie sesión y vuelva a intentarlo.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Puede que las cookies de %1 hayan caducado: inicie sesión en el sitio en su navegador, vuelva a exportar las cookies y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>No se encontraron cookies de %1: el navegador o su perfil ya no existe. Elija otro en Herramientas ▸ Cookies… y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>%1 mantiene sus cookies bloqueadas mientras está abierto. Cierre %1 y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>No se pudieron descifrar las cookies de %1: el depósito de claves del sistema no está disponible. Desbloquéelo (inicie sesión en su escritorio) o use un archivo cookies.txt y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>Reelix no pudo leer las cookies de %1. Cierre %1 y vuelva a intentarlo, o use Herramientas ▸ Cookies… para elegir otro origen.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>El archivo de cookies %1 ya no está. Vuelva a elegirlo en Herramientas ▸ Cookies… y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>El archivo de cookies %1 ocupa más de %2, mucho más de lo que guarda un navegador: vuelva a exportar las cookies de su navegador en formato Netscape cookies.txt y vuelva a intentarlo.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>No se puede leer el archivo de cookies %1: vuelva a exportarlo desde su navegador en formato Netscape cookies.txt y vuelva a intentarlo.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Esta dirección no contiene ningún vídeo</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Esta entrada es a su vez una lista: añada su dirección por separado</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Nada en %1p o menos: descargado en %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 es un enlace o no es un archivo normal: Reelix no escribe a través de él el registro de descargas de la lista. Elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Ya descargado en esta carpeta: omitido</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminado</numerusform>
            <numerusform>%n terminados</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallido</numerusform>
            <numerusform>%n fallidos</numerusform>
        </translation>
    </message>
    <message id="playlist.remaining" numerus="yes">
        <source>%n remaining</source>
        <translation>
            <numerusform>%n pendiente</numerusform>
            <numerusform>%n pendientes</numerusform>
        </translation>
    </message>
    <message id="playlist.download_all">
        <source>Download all</source>
        <translation>Descargar todo</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Detener todo</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Ocultar los vídeos</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Mostrar los vídeos</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Omitir los vídeos ya descargados en esta carpeta</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Hasta %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Quitar la lista</translation>
    </message>
    <message id="playlist.videos" numerus="yes">
        <source>%n videos</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
    <message id="tools.http_status">
        <source>The server answered HTTP %1</source>
        <translation>El servidor respondió HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>El servidor respondió HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>El servidor redirigió la descarga a una dirección que no es seguro seguir (no es una dirección web, o no está cifrada tras una cifrada): se rechazó</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>Falta el archivo descargado</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>No hay ningún ejecutable %1 en el archivo comprimido</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 falló (código %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Un elemento del archivo comprimido ocupa más de %1: se rechazó el archivo comprimido</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>La herramienta no se inicia: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>La herramienta no responde a %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>La herramienta no muestra ninguna versión (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>usando %1 del sistema</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Siguiendo %1. Las entradas nuevas se descargan en cada comprobación.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n lista nueva seguida desde el archivo.</numerusform>
            <numerusform>%n listas nuevas seguidas desde el archivo.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n nueva</numerusform>
            <numerusform>%1: %n nuevas</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: no leída (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: el sitio pidió esperar; se volverá a leer después de %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: otra comprobación la está leyendo</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: en pausa</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>No se pudo guardar la lista de seguimientos.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Otro Reelix está modificando la lista de seguimientos; vuelva a intentarlo.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>El archivo no es una lista de fuentes OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Esta dirección es un solo vídeo, no una lista.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>yt-dlp no pudo leer la lista.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>yt-dlp no está instalado.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Siguiendo</translation>
    </message>
    <message id="follow.view_title">
        <source>Following</source>
        <extracomment>The name of the view that lists the followed channels, playlists and feeds</extracomment>
        <translation>Seguidos</translation>
    </message>
    <message id="follow.follow">
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message id="follow.first.newest">
        <source>Follow, and take the newest 5 now</source>
        <translation>Seguir y descargar ya las 5 más recientes</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Seguir, solo lo que venga después</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>Las entradas nuevas de estas listas se descargan solas en cada comprobación.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Aún no sigue nada. Siga una lista desde su fila de cabecera.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Comprobar todas ahora</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Aún sin comprobar</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Comprobada: %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n nueva</numerusform>
            <numerusform>%n nuevas</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (en pausa)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Ningún formato coincide con «%1»</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>No se aceptó ninguna dirección.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n elemento: %1</numerusform>
            <numerusform>%n elementos: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Registros de Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Activar registros</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Aún no hay registros</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Active los registros arriba para empezar</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… Las líneas anteriores están en el archivo (botón Carpeta) — %1 en total</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>yt-dlp no indicó dónde guardó el archivo — se toma el archivo más reciente de la carpeta</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>No se pudo conectar con el servidor de descarga: %1. Compruebe su conexión y vuelva a intentarlo.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>La actualización no terminó. Las herramientas que tiene siguen funcionando.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Se encontraron herramientas en este equipo. Continúe con ellas o descargue las copias propias de Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>En este equipo: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Puede ser demasiado antiguo para algunos sitios</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Descargar la copia propia y actual de Reelix; se usará en lugar de esta</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Continuar con las herramientas del sistema</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Nombre de la nueva carpeta</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Carpeta superior</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>No hay carpetas aquí</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Escriba un nombre para la nueva carpeta.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Un nombre de carpeta no puede contener «/».</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>«%1» no se puede usar como nombre de carpeta.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Ya hay un elemento llamado «%1» aquí.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>No se pudo crear la carpeta: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>No se pudo leer la lista de descargas guardada. Se conservó como %1 y la lista empieza vacía.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>La lista de descargas guardada (%1) está en uso por otro programa y se dejó como estaba. La lista empieza vacía, y lo que añada ahora no se conservará al salir de Reelix.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>Los cambios en la lista de descargas no se pueden guardar en %1 (el archivo es de solo lectura o el disco los rechazó). La lista se queda como está hasta que salga de Reelix.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Falta el archivo</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Carpeta de descargas</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Iniciar las descargas en cuanto estén listas</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Descargar como</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, máxima calidad</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 hasta 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 hasta 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (solo audio)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Preajuste de las descargas nuevas</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Eliminar este preajuste</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Formato de archivo de los vídeos nuevos</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Formato de archivo de las descargas de audio nuevas</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Escribir en el archivo el título, el autor, la fecha, la descripción, la portada y los capítulos</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Segmentos patrocinados</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>Qué hacer con los segmentos patrocinados</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Conservarlos</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Quitarlos</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Marcarlos como capítulos</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Segmentos catalogados por la base de datos de la comunidad, para los vídeos de los sitios que cubre.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Dirección de la base de datos</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>La base de datos pública</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Patrocinio</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Autopromoción</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Recordatorio de interacción</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Introducción</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Cierre</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Avance</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Sección sin música</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Relleno</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Nombre de un preajuste nuevo</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Guardar como preajuste</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Máximo de descargas a la vez</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Fragmentos obtenidos a la vez por descarga</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Horas entre dos comprobaciones de las listas seguidas</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Segundos entre dos solicitudes a un mismo sitio</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Comprobar también cuando Reelix no está abierto (un temporizador de usuario de systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Buscar por título</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Aún no hay descargas terminadas</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Ninguna descarga coincide con esta búsqueda</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Descargar de nuevo</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Archivos para servidores multimedia</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Escribe junto a cada archivo nuevo lo que leen Kodi, Jellyfin y Plex: un .nfo, la miniatura y un póster para la carpeta</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Se aplica la próxima vez que se inicie Reelix</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudoidioma</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 listo</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 actualizado</translation>
    </message>
</context>
</TS>
