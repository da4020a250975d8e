<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="menu.tools">
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message id="menu.file">
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="menu.check_updates">
        <source>Check for updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message id="menu.debug_logs">
        <source>Debug logs</source>
        <translation>Logs de depuração</translation>
    </message>
    <message id="menu.help">
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message id="menu.shortcuts">
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message id="menu.about">
        <source>About Reelix</source>
        <translation>Sobre o Reelix</translation>
    </message>
    <message id="menu.setup_check">
        <source>Check my setup</source>
        <translation>Verificar minha configuração</translation>
    </message>
    <message id="shortcuts.add">
        <source>Add the addresses typed, or press the highlighted button</source>
        <translation>Adicionar os endereços digitados ou pressionar o botão destacado</translation>
    </message>
    <message id="shortcuts.menu_bar">
        <source>Open the menu bar</source>
        <translation>Abrir a barra de menus</translation>
    </message>
    <message id="shortcuts.menus">
        <source>Open a menu</source>
        <translation>Abrir um menu</translation>
    </message>
    <message id="shortcuts.close">
        <source>Close a dialog, the preferences or the log</source>
        <translation>Fechar uma caixa de diálogo, as preferências ou o log</translation>
    </message>
    <message id="about.version">
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message id="about.licence">
        <source>Free software under the GNU General Public License v3 or later (GPL-3.0-or-later).</source>
        <translation>Software livre sob a Licença Pública Geral GNU v3 ou posterior (GPL-3.0-or-later).</translation>
    </message>
    <message id="about.installed">
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="update.banner.title">
        <source>Tool updates available</source>
        <translation>Atualizações das ferramentas disponíveis</translation>
    </message>
    <message id="update.banner.action">
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message id="input.placeholder">
        <source>Paste one or more video addresses, one per line</source>
        <translation>Cole um ou mais endereços de vídeo, um por linha</translation>
    </message>
    <message id="input.add">
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message id="input.already_listed">
        <source>This address is already in the list</source>
        <translation>Este endereço já está na lista</translation>
    </message>
    <message id="input.not_addresses" numerus="yes">
        <source>%n lines were not addresses</source>
        <translation>
            <numerusform>%n linha não era um endereço</numerusform>
            <numerusform>%n linhas não eram endereços</numerusform>
        </translation>
    </message>
    <message id="action.copy_error">
        <source>Copy the error</source>
        <translation>Copiar o erro</translation>
    </message>
    <message id="input.paste">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="header.clear">
        <source>Clear finished</source>
        <translation>Limpar concluídos</translation>
    </message>
    <message id="empty.title">
        <source>No downloads yet</source>
        <translation>Nenhum download ainda</translation>
    </message>
    <message id="empty.subtitle">
        <source>Paste a video or playlist address above and press Enter, then choose the quality and click Download.</source>
        <translation>Cole acima o endereço de um vídeo ou playlist e pressione Enter; depois escolha a qualidade e clique em Baixar.</translation>
    </message>
    <message id="empty.subtitle_auto">
        <source>Paste a video or playlist address above and press Enter — the download starts by itself.</source>
        <translation>Cole acima o endereço de um vídeo ou playlist e pressione Enter — o download começa sozinho.</translation>
    </message>
    <message id="folder.picker.title">
        <source>Choose the download folder</source>
        <translation>Escolher a pasta de downloads</translation>
    </message>
    <message id="folder.picker.choose">
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message id="status.waiting">
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message id="setup.not_installed">
        <source>Not installed</source>
        <translation>Não instalado</translation>
    </message>
    <message id="status.fetching">
        <source>Fetching info…</source>
        <translation>Obtendo informações…</translation>
    </message>
    <message id="status.ready">
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message id="status.downloading">
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message id="status.converting">
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message id="status.converting_progress">
        <source>QuickTime conversion — %1%</source>
        <translation>Conversão para QuickTime — %1%</translation>
    </message>
    <message id="status.starting">
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message id="progress.percent">
        <source>%1%</source>
        <translation>%1%</translation>
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
        <translation>faltam %1</translation>
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
        <translation>Baixado em %1p: %2p não estava disponível</translation>
    </message>
    <message id="status.subtitles_missing">
        <source>Subtitles not downloaded: %1</source>
        <translation>Legendas não baixadas: %1</translation>
    </message>
    <message id="status.retry_fallback">
        <source>Trying again another way…</source>
        <translation>Tentando novamente de outro jeito…</translation>
    </message>
    <message id="status.sign_in_retry">
        <source>This site asks you to sign in: trying again with the cookies of %1. What you download with them is tied to your account.</source>
        <translation>Este site pede que você faça login: tentando novamente com os cookies do %1. O que você baixar com eles fica vinculado à sua conta.</translation>
    </message>
    <message id="status.converting_playable">
        <source>Making playable everywhere — %1%</source>
        <translation>Tornando reproduzível em qualquer lugar — %1%</translation>
    </message>
    <message id="status.done">
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message id="status.cancelled">
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message id="status.error">
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message id="quality.best">
        <source>Best quality</source>
        <translation>Melhor qualidade</translation>
    </message>
    <message id="a11y.quality_for">
        <source>Quality for %1</source>
        <translation>Qualidade de %1</translation>
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
        <translation>MKV, mantém tudo</translation>
    </message>
    <message id="media.quality.source">
        <source>Same as source</source>
        <translation>Igual à original</translation>
    </message>
    <message id="media.kbps">
        <source>%1 kbit/s</source>
        <translation>%1&#xa0;kbit/s</translation>
    </message>
    <message id="media.track.number">
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message id="media.track.original">
        <source>%1 (original)</source>
        <translation>%1 (original)</translation>
    </message>
    <message id="media.track.descriptive">
        <source>%1, audio description</source>
        <translation>%1, audiodescrição</translation>
    </message>
    <message id="media.subs.uploader">
        <source>From the uploader</source>
        <translation>Do autor</translation>
    </message>
    <message id="media.subs.automatic">
        <source>Automatic captions</source>
        <translation>Legendas automáticas</translation>
    </message>
    <message id="media.subs.translated">
        <source>Automatic translations</source>
        <translation>Traduções automáticas</translation>
    </message>
    <message id="media.subs.none">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="media.subs.all">
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message id="media.subs.summary">
        <source>Subtitles: %1</source>
        <translation>Legendas: %1</translation>
    </message>
    <message id="media.subs.inside">
        <source>Inside the file</source>
        <translation>Dentro do arquivo</translation>
    </message>
    <message id="media.subs.beside">
        <source>Beside the file (SRT)</source>
        <translation>Ao lado do arquivo (SRT)</translation>
    </message>
    <message id="media.preset.none">
        <source>No preset</source>
        <translation>Sem predefinição</translation>
    </message>
    <message id="media.trim">
        <source>Trim…</source>
        <translation>Cortar…</translation>
    </message>
    <message id="media.trim.clip">
        <source>Clip %1</source>
        <translation>Trecho %1</translation>
    </message>
    <message id="media.trim.split">
        <source>One file per chapter</source>
        <translation>Um arquivo por capítulo</translation>
    </message>
    <message id="media.trim.tip">
        <source>Download part of %1: a time range or chapters</source>
        <translation>Baixar parte de %1: um intervalo de tempo ou capítulos</translation>
    </message>
    <message id="trim.title">
        <source>Trim “%1”</source>
        <translation>Cortar “%1”</translation>
    </message>
    <message id="trim.duration">
        <source>Duration: %1</source>
        <translation>Duração: %1</translation>
    </message>
    <message id="trim.from">
        <source>From</source>
        <translation>De</translation>
    </message>
    <message id="trim.to">
        <source>to</source>
        <translation>até</translation>
    </message>
    <message id="trim.start">
        <source>Start of the clip</source>
        <translation>Início do trecho</translation>
    </message>
    <message id="trim.end">
        <source>End of the clip</source>
        <translation>Fim do trecho</translation>
    </message>
    <message id="trim.bad_start">
        <source>Type the start as h:mm:ss, for example 10:00</source>
        <translation>Digite o início como h:mm:ss, por exemplo 10:00</translation>
    </message>
    <message id="trim.bad_end">
        <source>Type the end as h:mm:ss, for example 12:30</source>
        <translation>Digite o fim como h:mm:ss, por exemplo 12:30</translation>
    </message>
    <message id="trim.end_before_start">
        <source>The end must come after the start</source>
        <translation>O fim deve vir depois do início</translation>
    </message>
    <message id="trim.past_end">
        <source>The video ends at %1</source>
        <translation>O vídeo termina em %1</translation>
    </message>
    <message id="trim.file">
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message id="trim.chapter_times">
        <source>   %1–%2</source>
        <translation>   %1–%2</translation>
    </message>
    <message id="trim.chapters">
        <source>Or pick chapters: each run of chapters becomes a clip of its own.</source>
        <translation>Ou escolha capítulos: cada sequência de capítulos vira um trecho separado.</translation>
    </message>
    <message id="trim.split">
        <source>Whole video, one file per chapter in a folder named after it</source>
        <translation>Vídeo inteiro, um arquivo por capítulo em uma pasta com o nome dele</translation>
    </message>
    <message id="trim.precise">
        <source>Precise cut</source>
        <translation>Corte preciso</translation>
    </message>
    <message id="trim.precise.note">
        <source>Re-encodes at the cut points: exact to the frame, but slower.</source>
        <translation>Recodifica nos pontos de corte: exato no quadro, porém mais lento.</translation>
    </message>
    <message id="trim.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="trim.action">
        <source>Trim</source>
        <translation>Cortar</translation>
    </message>
    <message id="preset.podcast">
        <source>Podcast: Opus 96 kbit/s</source>
        <translation>Podcast: Opus 96&#xa0;kbit/s</translation>
    </message>
    <message id="preset.music">
        <source>Music: M4A, as the source</source>
        <translation>Música: M4A, igual à original</translation>
    </message>
    <message id="preset.archive">
        <source>Archive: MKV, all tracks and subtitles</source>
        <translation>Arquivamento: MKV, todas as faixas e legendas</translation>
    </message>
    <message id="a11y.file_format_for">
        <source>File format for %1</source>
        <translation>Formato de arquivo de %1</translation>
    </message>
    <message id="a11y.audio_quality_for">
        <source>Audio quality for %1</source>
        <translation>Qualidade de áudio de %1</translation>
    </message>
    <message id="a11y.audio_track_for">
        <source>Audio track for %1</source>
        <translation>Faixa de áudio de %1</translation>
    </message>
    <message id="a11y.subtitles_for">
        <source>Subtitles for %1</source>
        <translation>Legendas de %1</translation>
    </message>
    <message id="a11y.preset_for">
        <source>Preset for %1</source>
        <translation>Predefinição de %1</translation>
    </message>
    <message id="a11y.list_format">
        <source>Format for every video of %1</source>
        <translation>Formato de todos os vídeos de %1</translation>
    </message>
    <message id="a11y.list_quality">
        <source>Quality for every video of %1</source>
        <translation>Qualidade de todos os vídeos de %1</translation>
    </message>
    <message id="a11y.progress">
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message id="a11y.progress_of">
        <source>Progress of %1</source>
        <translation>Progresso de %1</translation>
    </message>
    <message id="a11y.step_down">
        <source>%1: decrease</source>
        <translation>%1: diminuir</translation>
    </message>
    <message id="a11y.step_up">
        <source>%1: increase</source>
        <translation>%1: aumentar</translation>
    </message>
    <message id="action.retry">
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message id="action.open_site">
        <source>Open the site in the browser to sign in again</source>
        <translation>Abrir o site no navegador para fazer login de novo</translation>
    </message>
    <message id="action.update_ytdlp">
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message id="action.update_ytdlp.tip">
        <source>Update yt-dlp in Tools ▸ Check for updates</source>
        <translation>Atualizar o yt-dlp em Ferramentas ▸ Verificar atualizações</translation>
    </message>
    <message id="action.remove">
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message id="action.remove_keep_file">
        <source>Remove from list (keeps the file)</source>
        <translation>Remover da lista (mantém o arquivo)</translation>
    </message>
    <message id="action.delete_file">
        <source>Delete file…</source>
        <translation>Excluir arquivo…</translation>
    </message>
    <message id="delete.question">
        <source>Delete “%1”? It goes to the trash, and the row leaves the list.</source>
        <translation>Excluir “%1”? Ele vai para a lixeira e a linha sai da lista.</translation>
    </message>
    <message id="delete.confirm">
        <source>Delete file</source>
        <translation>Excluir arquivo</translation>
    </message>
    <message id="action.show_finder">
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message id="desktop.open_failed">
        <source>No application could open “%1”.</source>
        <translation>Nenhum aplicativo conseguiu abrir “%1”.</translation>
    </message>
    <message id="desktop.reveal_failed">
        <source>No file manager could show “%1”.</source>
        <translation>Nenhum gerenciador de arquivos conseguiu mostrar “%1”.</translation>
    </message>
    <message id="desktop.delete_failed">
        <source>“%1” could not be deleted.</source>
        <translation>Não foi possível excluir “%1”.</translation>
    </message>
    <message id="action.convert_qt">
        <source>Convert for playback</source>
        <translation>Converter para reprodução</translation>
    </message>
    <message id="action.convert_playable">
        <source>Make playable everywhere</source>
        <translation>Tornar reproduzível em qualquer lugar</translation>
    </message>
    <message id="action.convert_playable.tip">
        <source>Convert to H.264 and AAC, which every player and device plays</source>
        <translation>Converter para H.264 e AAC, que qualquer player e dispositivo reproduz</translation>
    </message>
    <message id="error.ssl_certificate">
        <source>The site&apos;s certificate could not be verified. Check your network or proxy, then retry.</source>
        <translation>Não foi possível verificar o certificado do site. Verifique sua rede ou proxy e tente novamente.</translation>
    </message>
    <message id="error.drm_protected">
        <source>This video is DRM-protected and cannot be downloaded.</source>
        <translation>Este vídeo é protegido por DRM e não pode ser baixado.</translation>
    </message>
    <message id="error.youtube_js_runtime">
        <source>YouTube needs the Node.js runtime. Install or update the tools, then retry.</source>
        <translation>O YouTube precisa do ambiente de execução Node.js. Instale ou atualize as ferramentas e tente novamente.</translation>
    </message>
    <message id="error.ytdlp_not_found">
        <source>yt-dlp is not installed. Open Tools ▸ Check for updates to install it.</source>
        <translation>O yt-dlp não está instalado. Abra Ferramentas ▸ Verificar atualizações para instalá-lo.</translation>
    </message>
    <message id="error.disk_full">
        <source>The disk is full: free some space in %1 and try again.</source>
        <translation>O disco está cheio: libere espaço em %1 e tente novamente.</translation>
    </message>
    <message id="error.folder_not_writable">
        <source>Reelix cannot write in %1: check that the folder exists and can be written to.</source>
        <translation>O Reelix não consegue gravar em %1: verifique se a pasta existe e permite gravação.</translation>
    </message>
    <message id="error.info_unreadable">
        <source>The video&apos;s information could not be read.</source>
        <translation>Não foi possível ler as informações do vídeo.</translation>
    </message>
    <message id="error.live_not_started">
        <source>This live stream or premiere has not started yet. Retry once it has begun.</source>
        <translation>Esta transmissão ao vivo ou estreia ainda não começou. Tente novamente quando tiver começado.</translation>
    </message>
    <message id="error.geo_restricted">
        <source>This video is not offered in your country, so it cannot be downloaded here.</source>
        <translation>Este vídeo não é oferecido no seu país, então não pode ser baixado aqui.</translation>
    </message>
    <message id="error.video_unavailable">
        <source>This video is private, removed or unavailable. Check the address in your browser.</source>
        <translation>Este vídeo é privado, foi removido ou está indisponível. Verifique o endereço no seu navegador.</translation>
    </message>
    <message id="error.too_many_requests">
        <source>The site is limiting requests. Try again later.</source>
        <translation>O site está limitando as solicitações. Tente novamente mais tarde.</translation>
    </message>
    <message id="error.page_not_found">
        <source>The page was not found. Check the address, then retry.</source>
        <translation>A página não foi encontrada. Verifique o endereço e tente novamente.</translation>
    </message>
    <message id="error.forbidden">
        <source>The site refused access. Try again later, or use a browser where you are signed in (Tools ▸ Cookies…).</source>
        <translation>O site recusou o acesso. Tente novamente mais tarde ou use um navegador em que você esteja logado (Ferramentas ▸ Cookies…).</translation>
    </message>
    <message id="error.unsupported_address">
        <source>Reelix found no video at this address. Check that it points to a video&apos;s page.</source>
        <translation>O Reelix não encontrou nenhum vídeo neste endereço. Verifique se ele leva à página de um vídeo.</translation>
    </message>
    <message id="error.name_not_resolved">
        <source>The site&apos;s name could not be found. Check the address and your internet connection.</source>
        <translation>O nome do site não foi encontrado. Verifique o endereço e sua conexão com a internet.</translation>
    </message>
    <message id="error.connection_refused">
        <source>The site refused the connection. Check the address, or try again later.</source>
        <translation>O site recusou a conexão. Verifique o endereço ou tente novamente mais tarde.</translation>
    </message>
    <message id="error.timed_out">
        <source>The site did not answer in time. Check your internet connection, then retry.</source>
        <translation>O site não respondeu a tempo. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message id="error.no_network">
        <source>Reelix could not reach the site. Check your internet connection, then retry.</source>
        <translation>O Reelix não conseguiu acessar o site. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message id="error.site_changed">
        <source>yt-dlp could not read this page: the site may have changed. Reelix can update yt-dlp in Tools ▸ Check for updates, then retry.</source>
        <translation>O yt-dlp não conseguiu ler esta página: o site pode ter mudado. O Reelix pode atualizar o yt-dlp em Ferramentas ▸ Verificar atualizações; depois tente novamente.</translation>
    </message>
    <message id="error.site_changed_old_own">
        <source>yt-dlp could not read this page: the site may have changed, and yt-dlp %1 is older than the newest, %2. Update it, then retry.</source>
        <translation>O yt-dlp não conseguiu ler esta página: o site pode ter mudado, e o yt-dlp %1 é mais antigo que a versão mais recente, %2. Atualize-o e tente novamente.</translation>
    </message>
    <message id="error.site_changed_old_system">
        <source>yt-dlp could not read this page: the site may have changed, and the system&apos;s yt-dlp %1 is older than the newest, %2. Update it with the package manager, or install Reelix&apos;s own in Tools ▸ Check for updates.</source>
        <translation>O yt-dlp não conseguiu ler esta página: o site pode ter mudado, e o yt-dlp do sistema (%1) é mais antigo que a versão mais recente, %2. Atualize-o com o gerenciador de pacotes ou instale o do Reelix em Ferramentas ▸ Verificar atualizações.</translation>
    </message>
    <message id="error.download_failed">
        <source>The download failed. Check the address and your connection, then retry.</source>
        <translation>O download falhou. Verifique o endereço e sua conexão e tente novamente.</translation>
    </message>
    <message id="error.tool_not_runnable">
        <source>%1 could not be started. Reelix can install a working copy in Tools ▸ Check for updates.</source>
        <translation>Não foi possível iniciar o %1. O Reelix pode instalar uma cópia que funcione em Ferramentas ▸ Verificar atualizações.</translation>
    </message>
    <message id="error.conversion_failed">
        <source>The conversion failed; the downloaded file is kept as it was. Retry, or play it as it is.</source>
        <translation>A conversão falhou; o arquivo baixado foi mantido como estava. Tente novamente ou reproduza-o assim mesmo.</translation>
    </message>
    <message id="error.details">
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message id="error.details_title">
        <source>What the tool said</source>
        <translation>O que a ferramenta disse</translation>
    </message>
    <message id="error.no_detail">
        <source>The tool said nothing more.</source>
        <translation>A ferramenta não disse mais nada.</translation>
    </message>
    <message id="error.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="tool.ytdlp.desc">
        <source>Finds and downloads the video</source>
        <translation>Encontra e baixa o vídeo</translation>
    </message>
    <message id="tool.ffmpeg.desc">
        <source>Merges, probes and converts media</source>
        <translation>Junta, analisa e converte mídia</translation>
    </message>
    <message id="tool.node.desc">
        <source>JavaScript runtime needed for YouTube</source>
        <translation>Ambiente JavaScript necessário para o YouTube</translation>
    </message>
    <message id="setup.subtitle">
        <source>Reelix needs three free tools to work.</source>
        <translation>O Reelix precisa de três ferramentas livres para funcionar.</translation>
    </message>
    <message id="setup.open">
        <source>Open Reelix</source>
        <translation>Abrir o Reelix</translation>
    </message>
    <message id="setup.no_sudo">
        <source>No administrator password needed</source>
        <translation>Não precisa de senha de administrador</translation>
    </message>
    <message id="setup.failed">
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message id="tools.verify.no_sums">
        <source>The checksums published for %1 could not be read (%2); nothing was installed.</source>
        <translation>Não foi possível ler as somas de verificação publicadas para %1 (%2); nada foi instalado.</translation>
    </message>
    <message id="tools.verify.not_listed">
        <source>The published checksums do not list %1; nothing was installed.</source>
        <translation>As somas de verificação publicadas não incluem %1; nada foi instalado.</translation>
    </message>
    <message id="tools.verify.listed_twice">
        <source>The published checksums list %1 more than once, with different sums; nothing was installed.</source>
        <translation>As somas de verificação publicadas listam %1 mais de uma vez, com somas diferentes; nada foi instalado.</translation>
    </message>
    <message id="tools.verify.mismatch">
        <source>%1 does not match the checksum its distributor publishes; nothing was installed.</source>
        <translation>%1 não corresponde à soma de verificação publicada por seu distribuidor; nada foi instalado.</translation>
    </message>
    <message id="tools.verify.md5_only">
        <source>%1 matches its published MD5 sum (MD5 only: it catches a damaged download, not a deliberate change)</source>
        <translation>%1 corresponde à soma MD5 publicada (só MD5: detecta um download corrompido, não uma alteração proposital)</translation>
    </message>
    <message id="tools.verify.unverifiable">
        <source>%1 cannot be verified: its source publishes no checksum</source>
        <translation>%1 não pode ser verificado: a origem não publica nenhuma soma de verificação</translation>
    </message>
    <message id="tools.unsupported_processor">
        <source>This processor (%1) is not supported: the tools exist for 64-bit processors only (x86_64, arm64). Nothing was downloaded.</source>
        <translation>Este processador (%1) não é compatível: as ferramentas só existem para processadores de 64 bits (x86_64, arm64). Nada foi baixado.</translation>
    </message>
    <message id="tools.ffmpeg.rosetta">
        <source>This ffmpeg is built for Intel Macs and cannot run on this Mac without Rosetta. Install Rosetta (run softwareupdate --install-rosetta in Terminal) and try again, or install ffmpeg with Homebrew (brew install ffmpeg): Reelix then uses that one. (%1)</source>
        <translation>Este ffmpeg foi compilado para Macs Intel e não roda neste Mac sem o Rosetta. Instale o Rosetta (execute softwareupdate --install-rosetta no Terminal) e tente novamente, ou instale o ffmpeg com o Homebrew (brew install ffmpeg): o Reelix passará a usar esse. (%1)</translation>
    </message>
    <message id="verify.card.sha256">
        <source>Verified (SHA-256)</source>
        <translation>Verificado (SHA-256)</translation>
    </message>
    <message id="verify.card.md5">
        <source>Verified (MD5 only)</source>
        <translation>Verificado (só MD5)</translation>
    </message>
    <message id="verify.card.not_verifiable">
        <source>Not verifiable: the source publishes no checksum</source>
        <translation>Não verificável: a origem não publica nenhuma soma de verificação</translation>
    </message>
    <message id="verify.card.not_verified">
        <source>Not verified</source>
        <translation>Não verificado</translation>
    </message>
    <message id="rollback.button">
        <source>Roll back</source>
        <translation>Reverter</translation>
    </message>
    <message id="rollback.tip">
        <source>Put back the version this update replaced</source>
        <translation>Restaurar a versão que esta atualização substituiu</translation>
    </message>
    <message id="rollback.step">
        <source>Rolling back %1</source>
        <translation>Revertendo %1</translation>
    </message>
    <message id="rollback.done">
        <source>%1 is back to its previous version</source>
        <translation>%1 voltou à versão anterior</translation>
    </message>
    <message id="rollback.nothing">
        <source>%1: no previous version is kept, there is nothing to roll back to.</source>
        <translation>%1: nenhuma versão anterior foi mantida, não há para onde reverter.</translation>
    </message>
    <message id="setup.download">
        <source>Install the tools</source>
        <translation>Instalar as ferramentas</translation>
    </message>
    <message id="setup.step.ytdlp">
        <source>Downloading yt-dlp</source>
        <translation>Baixando o yt-dlp</translation>
    </message>
    <message id="setup.step.ffmpeg">
        <source>Downloading ffmpeg</source>
        <translation>Baixando o ffmpeg</translation>
    </message>
    <message id="setup.step.node">
        <source>Downloading Node.js</source>
        <translation>Baixando o Node.js</translation>
    </message>
    <message id="update.available">
        <source>Updates are available</source>
        <translation>Há atualizações disponíveis</translation>
    </message>
    <message id="update.all_uptodate">
        <source>All tools are up to date</source>
        <translation>Todas as ferramentas estão atualizadas</translation>
    </message>
    <message id="update.checking">
        <source>Checking for updates…</source>
        <translation>Verificando atualizações…</translation>
    </message>
    <message id="update.install">
        <source>Install updates</source>
        <translation>Instalar atualizações</translation>
    </message>
    <message id="update.skip">
        <source>Not now</source>
        <translation>Agora não</translation>
    </message>
    <message id="updates.stop_question" numerus="yes">
        <source>%n downloads are running. Stop them and check for updates?</source>
        <translation>
            <numerusform>%n download está em andamento. Pará-lo e verificar atualizações?</numerusform>
            <numerusform>%n downloads estão em andamento. Pará-los e verificar atualizações?</numerusform>
        </translation>
    </message>
    <message id="updates.stop_and_check">
        <source>Stop and check</source>
        <translation>Parar e verificar</translation>
    </message>
    <message id="quit.question" numerus="yes">
        <source>%n downloads are running. Quit anyway? They will resume next time Reelix starts.</source>
        <translation>
            <numerusform>%n download está em andamento. Sair mesmo assim? Ele será retomado na próxima vez que o Reelix for aberto.</numerusform>
            <numerusform>%n downloads estão em andamento. Sair mesmo assim? Eles serão retomados na próxima vez que o Reelix for aberto.</numerusform>
        </translation>
    </message>
    <message id="quit.quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="quit.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="update.updating">
        <source>Updating…</source>
        <translation>Atualizando…</translation>
    </message>
    <message id="update.step.ytdlp">
        <source>Updating yt-dlp</source>
        <translation>Atualizando o yt-dlp</translation>
    </message>
    <message id="update.step.ffmpeg">
        <source>Updating ffmpeg</source>
        <translation>Atualizando o ffmpeg</translation>
    </message>
    <message id="update.step.node">
        <source>Updating Node.js</source>
        <translation>Atualizando o Node.js</translation>
    </message>
    <message id="action.start">
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message id="action.stop">
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message id="error.file_kept">
        <source>The download could not be moved into %1: it is kept at %2</source>
        <translation>Não foi possível mover o download para %1: ele foi mantido em %2</translation>
    </message>
    <message id="tools.idle">
        <source>No data for %1 s: the transfer was ended</source>
        <translation>Nenhum dado por %1&#xa0;s: a transferência foi encerrada</translation>
    </message>
    <message id="tools.deadline">
        <source>The transfer took more than %1 s: it was ended</source>
        <translation>A transferência levou mais de %1&#xa0;s: ela foi encerrada</translation>
    </message>
    <message id="tools.too_large">
        <source>The server sent more than %1: the transfer was ended</source>
        <translation>O servidor enviou mais de %1: a transferência foi encerrada</translation>
    </message>
    <message id="tools.stopped">
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message id="tools.check.http">
        <source>the server answered HTTP %1</source>
        <translation>o servidor respondeu HTTP %1</translation>
    </message>
    <message id="tools.check.unreadable">
        <source>the answer names no version</source>
        <translation>a resposta não informa nenhuma versão</translation>
    </message>
    <message id="tools.node.no_release">
        <source>No Node.js %1 release found: %2</source>
        <translation>Nenhuma versão do Node.js %1 encontrada: %2</translation>
    </message>
    <message id="tools.unchecked">
        <source>could not check (%1)</source>
        <translation>não foi possível verificar (%1)</translation>
    </message>
    <message id="setup.unchecked">
        <source>Could not check</source>
        <translation>Não foi possível verificar</translation>
    </message>
    <message id="doctor.action.browser">
        <source>Choose browser</source>
        <translation>Escolher navegador</translation>
    </message>
    <message id="doctor.action.folder">
        <source>Choose folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message id="doctor.action.install">
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message id="doctor.action.preferences">
        <source>Open preferences</source>
        <translation>Abrir preferências</translation>
    </message>
    <message id="doctor.action.update">
        <source>Update</source>
        <translation>Atualizar</translation>
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
        <translation>Aviso</translation>
    </message>
    <message id="doctor.ui.again">
        <source>Check again</source>
        <translation>Verificar de novo</translation>
    </message>
    <message id="doctor.ui.copy_report">
        <source>Copy report</source>
        <translation>Copiar relatório</translation>
    </message>
    <message id="doctor.ui.healthy">
        <source>Everything Reelix needs is in place.</source>
        <translation>Tudo de que o Reelix precisa está no lugar.</translation>
    </message>
    <message id="doctor.ui.line">
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message id="doctor.ui.problems" numerus="yes">
        <source>%n problem(s) stop downloads. Each line says what to do.</source>
        <translation>
            <numerusform>%n problema impede os downloads. A linha dele diz o que fazer.</numerusform>
            <numerusform>%n problemas impedem os downloads. Cada linha diz o que fazer.</numerusform>
        </translation>
    </message>
    <message id="doctor.ui.running">
        <source>Checking the tools, cookies, folder and network…</source>
        <translation>Verificando as ferramentas, os cookies, a pasta e a rede…</translation>
    </message>
    <message id="doctor.ui.warnings" numerus="yes">
        <source>Downloads should work; %n line(s) could be better.</source>
        <translation>
            <numerusform>Os downloads devem funcionar; %n linha poderia estar melhor.</numerusform>
            <numerusform>Os downloads devem funcionar; %n linhas poderiam estar melhores.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.few" numerus="yes">
        <source>The certificate bundle holds only %n certificate(s): secure sites may fail.</source>
        <translation>
            <numerusform>O pacote de certificados contém só %n certificado: sites seguros podem falhar.</numerusform>
            <numerusform>O pacote de certificados contém só %n certificados: sites seguros podem falhar.</numerusform>
        </translation>
    </message>
    <message id="doctor.certs.install">
        <source>Install the system&apos;s certificates (the ca-certificates package).</source>
        <translation>Instale os certificados do sistema (o pacote ca-certificates).</translation>
    </message>
    <message id="doctor.certs.no_source">
        <source>The system trusts no certificates: secure sites cannot be checked.</source>
        <translation>O sistema não confia em nenhum certificado: os sites seguros não podem ser verificados.</translation>
    </message>
    <message id="doctor.certs.not_yet">
        <source>The certificate bundle is not made yet; the next download makes it.</source>
        <translation>O pacote de certificados ainda não foi criado; o próximo download vai criá-lo.</translation>
    </message>
    <message id="doctor.certs.ok" numerus="yes">
        <source>The certificate bundle holds %L1 certificates, made %n day(s) ago.</source>
        <translation>
            <numerusform>O pacote de certificados contém %L1 certificados, criado há %n dia.</numerusform>
            <numerusform>O pacote de certificados contém %L1 certificados, criado há %n dias.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.choose">
        <source>Choose the browser you are signed in with.</source>
        <translation>Escolha o navegador em que você está logado.</translation>
    </message>
    <message id="doctor.cookies.close">
        <source>If signed-in downloads fail, close the browser and try again.</source>
        <translation>Se os downloads com login falharem, feche o navegador e tente novamente.</translation>
    </message>
    <message id="doctor.cookies.expired">
        <source>The YouTube sign-in in %1 has expired.</source>
        <translation>O login do YouTube no %1 expirou.</translation>
    </message>
    <message id="doctor.cookies.file">
        <source>Cookies come from the file %1.</source>
        <translation>Os cookies vêm do arquivo %1.</translation>
    </message>
    <message id="doctor.cookies.locked">
        <source>%1&apos;s cookie store is locked, most likely because %1 is open.</source>
        <translation>O armazenamento de cookies do %1 está bloqueado, provavelmente porque o %1 está aberto.</translation>
    </message>
    <message id="doctor.cookies.no_browser">
        <source>%1 was not found on this computer.</source>
        <translation>%1 não foi encontrado neste computador.</translation>
    </message>
    <message id="doctor.cookies.no_file">
        <source>The cookie file %1 cannot be read.</source>
        <translation>Não é possível ler o arquivo de cookies %1.</translation>
    </message>
    <message id="doctor.cookies.no_sign_in">
        <source>Cookies come from %1, which is not signed in to YouTube.</source>
        <translation>Os cookies vêm do %1, que não está logado no YouTube.</translation>
    </message>
    <message id="doctor.cookies.none">
        <source>No cookies are used: sites that ask you to sign in will refuse.</source>
        <translation>Nenhum cookie é usado: os sites que pedem login vão recusar.</translation>
    </message>
    <message id="doctor.cookies.ok" numerus="yes">
        <source>Cookies come from %1; its YouTube sign-in is %n day(s) old.</source>
        <translation>
            <numerusform>Os cookies vêm do %1; o login dele no YouTube tem %n dia.</numerusform>
            <numerusform>Os cookies vêm do %1; o login dele no YouTube tem %n dias.</numerusform>
        </translation>
    </message>
    <message id="doctor.cookies.sign_in">
        <source>Sign in to YouTube again in the browser.</source>
        <translation>Faça login no YouTube de novo no navegador.</translation>
    </message>
    <message id="doctor.cookies.unreadable">
        <source>%1&apos;s cookie store cannot be read.</source>
        <translation>Não é possível ler o armazenamento de cookies do %1.</translation>
    </message>
    <message id="doctor.ffmpeg.install">
        <source>Install Reelix&apos;s own ffmpeg, which has them.</source>
        <translation>Instale o ffmpeg do Reelix, que tem esses recursos.</translation>
    </message>
    <message id="doctor.ffmpeg.lacks">
        <source>ffmpeg %1 lacks what Reelix uses: %2.</source>
        <translation>Falta ao ffmpeg %1 o que o Reelix usa: %2.</translation>
    </message>
    <message id="doctor.ffmpeg.ok">
        <source>ffmpeg and ffprobe %1 run and have what Reelix uses.</source>
        <translation>ffmpeg e ffprobe %1 funcionam e têm o que o Reelix usa.</translation>
    </message>
    <message id="doctor.folder.choose">
        <source>Choose another download folder.</source>
        <translation>Escolha outra pasta de downloads.</translation>
    </message>
    <message id="doctor.folder.free">
        <source>Free some space, or choose a folder on another disk.</source>
        <translation>Libere espaço ou escolha uma pasta em outro disco.</translation>
    </message>
    <message id="doctor.folder.low">
        <source>Only %1 free in the download folder: downloads may not fit.</source>
        <translation>Só %1 livres na pasta de downloads: os downloads podem não caber.</translation>
    </message>
    <message id="doctor.folder.missing">
        <source>The download folder %1 does not exist.</source>
        <translation>A pasta de downloads %1 não existe.</translation>
    </message>
    <message id="doctor.folder.ok">
        <source>The download folder is writable and has %1 free.</source>
        <translation>A pasta de downloads permite gravação e tem %1 livres.</translation>
    </message>
    <message id="doctor.folder.read_only">
        <source>Reelix cannot write in the download folder %1.</source>
        <translation>O Reelix não consegue gravar na pasta de downloads %1.</translation>
    </message>
    <message id="doctor.impersonation.missing">
        <source>yt-dlp cannot pass for a browser (its impersonation library is missing): sites that check may refuse it.</source>
        <translation>O yt-dlp não consegue se passar por um navegador (falta a biblioteca de personificação): os sites que verificam podem recusá-lo.</translation>
    </message>
    <message id="doctor.impersonation.no_ytdlp">
        <source>Browser impersonation cannot be checked without yt-dlp.</source>
        <translation>Sem o yt-dlp, não é possível verificar a personificação de navegador.</translation>
    </message>
    <message id="doctor.impersonation.ok" numerus="yes">
        <source>yt-dlp can pass for %n browser(s) on sites that check.</source>
        <translation>
            <numerusform>O yt-dlp consegue se passar por %n navegador nos sites que verificam.</numerusform>
            <numerusform>O yt-dlp consegue se passar por %n navegadores nos sites que verificam.</numerusform>
        </translation>
    </message>
    <message id="doctor.impersonation.todo">
        <source>Use Reelix&apos;s own yt-dlp, which carries it.</source>
        <translation>Use o yt-dlp do Reelix, que a inclui.</translation>
    </message>
    <message id="doctor.impersonation.too_old">
        <source>This yt-dlp cannot pass for a browser: sites that check (Cloudflare and the like) may refuse it.</source>
        <translation>Este yt-dlp não consegue se passar por um navegador: os sites que verificam (Cloudflare e similares) podem recusá-lo.</translation>
    </message>
    <message id="doctor.network.offline">
        <source>This computer has no internet connection: no server&apos;s name could be looked up.</source>
        <translation>Este computador está sem conexão com a internet: não foi possível resolver o nome de nenhum servidor.</translation>
    </message>
    <message id="doctor.network.ok">
        <source>Every server the tools and updates need answers.</source>
        <translation>Todos os servidores de que as ferramentas e as atualizações precisam respondem.</translation>
    </message>
    <message id="doctor.network.silent">
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message id="doctor.network.todo">
        <source>Check the network connection and the proxy settings.</source>
        <translation>Verifique a conexão de rede e as configurações de proxy.</translation>
    </message>
    <message id="doctor.network.unreachable">
        <source>These servers cannot be reached: %1.</source>
        <translation>Não é possível acessar estes servidores: %1.</translation>
    </message>
    <message id="doctor.node.broken">
        <source>Node.js does not run.</source>
        <translation>O Node.js não funciona.</translation>
    </message>
    <message id="doctor.node.install">
        <source>Install Reelix&apos;s own Node.js.</source>
        <translation>Instale o Node.js do Reelix.</translation>
    </message>
    <message id="doctor.node.missing">
        <source>No JavaScript runtime: YouTube needs Node.js to solve its challenges.</source>
        <translation>Nenhum ambiente JavaScript: o YouTube precisa do Node.js para resolver os desafios dele.</translation>
    </message>
    <message id="doctor.node.newer_ytdlp">
        <source>Get a newer yt-dlp.</source>
        <translation>Obtenha um yt-dlp mais recente.</translation>
    </message>
    <message id="doctor.node.ok">
        <source>Node.js %1 solves YouTube&apos;s challenges; yt-dlp fetches its challenge scripts from GitHub.</source>
        <translation>O Node.js %1 resolve os desafios do YouTube; o yt-dlp busca os scripts de desafio no GitHub.</translation>
    </message>
    <message id="doctor.node.old">
        <source>Node.js %1 is too old: yt-dlp needs version %2 or newer to solve YouTube&apos;s challenges.</source>
        <translation>O Node.js %1 é antigo demais: o yt-dlp precisa da versão %2 ou mais recente para resolver os desafios do YouTube.</translation>
    </message>
    <message id="doctor.node.system">
        <source>Node.js %1 is the system&apos;s; Reelix hands yt-dlp only its own copy.</source>
        <translation>O Node.js %1 é o do sistema; o Reelix só fornece ao yt-dlp a própria cópia.</translation>
    </message>
    <message id="doctor.node.ytdlp_old">
        <source>This yt-dlp is too old to use a JavaScript runtime: YouTube videos may fail.</source>
        <translation>Este yt-dlp é antigo demais para usar um ambiente JavaScript: vídeos do YouTube podem falhar.</translation>
    </message>
    <message id="doctor.tool.broken">
        <source>%1 does not run: %2.</source>
        <translation>%1 não funciona: %2.</translation>
    </message>
    <message id="doctor.tool.install">
        <source>Install it from the setup view.</source>
        <translation>Instale-o pela tela de instalação.</translation>
    </message>
    <message id="doctor.tool.missing">
        <source>%1 is not installed.</source>
        <translation>%1 não está instalado.</translation>
    </message>
    <message id="doctor.tool.reinstall">
        <source>Install it again from the setup view.</source>
        <translation>Instale-o de novo pela tela de instalação.</translation>
    </message>
    <message id="doctor.tool.silent">
        <source>it gave no answer in time</source>
        <translation>não respondeu a tempo</translation>
    </message>
    <message id="doctor.ytdlp.ok">
        <source>yt-dlp %1 works and is recent.</source>
        <translation>O yt-dlp %1 funciona e é recente.</translation>
    </message>
    <message id="doctor.ytdlp.old">
        <source>yt-dlp %1 is old: sites change often and an old yt-dlp fails on them.</source>
        <translation>O yt-dlp %1 é antigo: os sites mudam com frequência e um yt-dlp antigo falha neles.</translation>
    </message>
    <message id="doctor.ytdlp.own">
        <source>This copy comes with the system; install Reelix&apos;s own, which stays up to date.</source>
        <translation>Esta cópia vem com o sistema; instale a do Reelix, que se mantém atualizada.</translation>
    </message>
    <message id="doctor.ytdlp.unchecked">
        <source>yt-dlp %1 works; the newest version could not be checked.</source>
        <translation>O yt-dlp %1 funciona; não foi possível verificar a versão mais recente.</translation>
    </message>
    <message id="doctor.ytdlp.update">
        <source>Update it.</source>
        <translation>Atualize-o.</translation>
    </message>
    <message id="update.unchecked">
        <source>Some versions could not be checked</source>
        <translation>Não foi possível verificar algumas versões</translation>
    </message>
    <message id="notify.done">
        <source>Download finished</source>
        <translation>Download concluído</translation>
    </message>
    <message id="notify.failed">
        <source>Download failed</source>
        <translation>O download falhou</translation>
    </message>
    <message id="notify.many_done" numerus="yes">
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n download concluído</numerusform>
            <numerusform>%n downloads concluídos</numerusform>
        </translation>
    </message>
    <message id="notify.many_ended" numerus="yes">
        <source>%n downloads finished, %L1 failed</source>
        <translation>
            <numerusform>%n download concluído, %L1 com falha</numerusform>
            <numerusform>%n downloads concluídos, %L1 com falha</numerusform>
        </translation>
    </message>
    <message id="notify.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="notify.reveal">
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message id="menu.notifications">
        <source>Notify when downloads end</source>
        <translation>Notificar quando os downloads terminarem</translation>
    </message>
    <message id="menu.clipboard_offers">
        <source>Offer copied addresses</source>
        <translation>Sugerir endereços copiados</translation>
    </message>
    <message id="clipboard.offer">
        <source>In the clipboard: %1</source>
        <translation>Na área de transferência: %1</translation>
    </message>
    <message id="clipboard.paste">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="clipboard.dismiss">
        <source>Not this one</source>
        <translation>Este não</translation>
    </message>
    <message id="drop.hint">
        <source>Drop to add to the list</source>
        <translation>Solte para adicionar à lista</translation>
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
        <translation>Nenhum</translation>
    </message>
    <message id="cookies.file">
        <source>A cookies.txt file…</source>
        <translation>Um arquivo cookies.txt…</translation>
    </message>
    <message id="cookies.file_title">
        <source>Choose a cookies.txt file</source>
        <translation>Escolher um arquivo cookies.txt</translation>
    </message>
    <message id="cookies.when">
        <source>Use them:</source>
        <translation>Usá-los:</translation>
    </message>
    <message id="cookies.when_always">
        <source>For every download</source>
        <translation>Em todos os downloads</translation>
    </message>
    <message id="cookies.when_asked">
        <source>Only when a site asks me to sign in</source>
        <translation>Só quando um site pedir que eu faça login</translation>
    </message>
    <message id="cookies.explain">
        <source>Sites that want you signed in (age checks, members-only videos, “not a bot” checks) let Reelix in with the cookies of a browser where you are signed in. Reelix keeps only the browser&apos;s name or the file&apos;s path, never a cookie.</source>
        <translation>Sites que exigem login (verificação de idade, vídeos só para membros, verificações de “não sou um robô”) deixam o Reelix entrar com os cookies de um navegador em que você está logado. O Reelix guarda só o nome do navegador ou o caminho do arquivo, nunca um cookie.</translation>
    </message>
    <message id="cookies.none_found">
        <source>No browser found on this machine: use a cookies.txt file exported from your browser.</source>
        <translation>Nenhum navegador encontrado nesta máquina: use um arquivo cookies.txt exportado do seu navegador.</translation>
    </message>
    <message id="cookies.done">
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message id="action.use_cookies_from">
        <source>Use cookies from %1</source>
        <translation>Usar os cookies do %1</translation>
    </message>
    <message id="action.use_cookies">
        <source>Use cookies from…</source>
        <translation>Usar os cookies de…</translation>
    </message>
    <message id="error.sign_in_required">
        <source>This page wants you signed in. Sign in to the site in your web browser, then let Reelix use that browser&apos;s cookies: what you download with them is tied to your account.</source>
        <translation>Esta página exige login. Faça login no site no seu navegador e deixe o Reelix usar os cookies desse navegador: o que você baixar com eles fica vinculado à sua conta.</translation>
    </message>
    <message id="error.sign_in_expired">
        <source>Your %1 session may have expired — open the site in %1, sign in, then retry.</source>
        <translation>Sua sessão no %1 pode ter expirado — abra o site no %1, faça login e tente novamente.</translation>
    </message>
    <message id="error.sign_in_file_expired">
        <source>The cookies in %1 may have expired — sign in to the site in your browser, export the cookies again, then retry.</source>
        <translation>Os cookies em %1 podem ter expirado — faça login no site no seu navegador, exporte os cookies de novo e tente novamente.</translation>
    </message>
    <message id="error.cookies_not_found">
        <source>No %1 cookies were found: the browser or its profile is gone. Choose another one in Tools ▸ Cookies…, then retry.</source>
        <translation>Nenhum cookie do %1 foi encontrado: o navegador ou o perfil dele não existe mais. Escolha outro em Ferramentas ▸ Cookies… e tente novamente.</translation>
    </message>
    <message id="error.cookies_locked">
        <source>%1 keeps its cookies locked while it runs. Close %1, then retry.</source>
        <translation>O %1 mantém os cookies bloqueados enquanto está aberto. Feche o %1 e tente novamente.</translation>
    </message>
    <message id="error.cookies_keyring">
        <source>%1&apos;s cookies could not be decrypted: the system keyring is not available. Unlock it (sign in to your desktop session) or use a cookies.txt file, then retry.</source>
        <translation>Não foi possível descriptografar os cookies do %1: o chaveiro do sistema não está disponível. Desbloqueie-o (entre na sua sessão da área de trabalho) ou use um arquivo cookies.txt e tente novamente.</translation>
    </message>
    <message id="error.cookies_unreadable">
        <source>Reelix could not read %1&apos;s cookies. Close %1 and retry, or use Tools ▸ Cookies… to choose another source.</source>
        <translation>O Reelix não conseguiu ler os cookies do %1. Feche o %1 e tente novamente, ou use Ferramentas ▸ Cookies… para escolher outra origem.</translation>
    </message>
    <message id="error.cookies_file_missing">
        <source>The cookies file %1 is no longer there. Choose it again in Tools ▸ Cookies…, then retry.</source>
        <translation>O arquivo de cookies %1 não está mais lá. Escolha-o de novo em Ferramentas ▸ Cookies… e tente novamente.</translation>
    </message>
    <message id="error.cookies_file_too_large">
        <source>The cookies file %1 is larger than %2, far more than a browser keeps: export your browser’s cookies again in the Netscape cookies.txt format, then retry.</source>
        <translation>O arquivo de cookies %1 tem mais de %2, muito mais do que um navegador guarda: exporte de novo os cookies do seu navegador no formato Netscape cookies.txt e tente novamente.</translation>
    </message>
    <message id="error.cookies_file_unreadable">
        <source>The cookies file %1 cannot be read: export it again from your browser in the Netscape cookies.txt format, then retry.</source>
        <translation>Não é possível ler o arquivo de cookies %1: exporte-o de novo do seu navegador no formato Netscape cookies.txt e tente novamente.</translation>
    </message>
    <message id="playlist.empty">
        <source>This address lists no videos</source>
        <translation>Este endereço não lista nenhum vídeo</translation>
    </message>
    <message id="playlist.nested">
        <source>This entry is a list itself: add its address on its own</source>
        <translation>Esta entrada é ela mesma uma lista: adicione o endereço dela separadamente</translation>
    </message>
    <message id="playlist.quality_fallback">
        <source>Nothing at %1p or lower: downloaded at %2p</source>
        <translation>Nada em %1p ou menos: baixado em %2p</translation>
    </message>
    <message id="playlist.archive_unsafe">
        <source>%1 is a link or not a plain file: Reelix does not write the list’s archive through it. Remove it, then try again.</source>
        <translation>%1 é um link ou não é um arquivo comum: o Reelix não grava o registro de downloads da lista através dele. Remova-o e tente novamente.</translation>
    </message>
    <message id="playlist.skipped">
        <source>Already downloaded to this folder: skipped</source>
        <translation>Já baixado nesta pasta: ignorado</translation>
    </message>
    <message id="playlist.done" numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n concluído</numerusform>
            <numerusform>%n concluídos</numerusform>
        </translation>
    </message>
    <message id="playlist.failed" numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n com falha</numerusform>
            <numerusform>%n com falha</numerusform>
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
        <translation>Baixar tudo</translation>
    </message>
    <message id="playlist.stop_all">
        <source>Stop all</source>
        <translation>Parar tudo</translation>
    </message>
    <message id="playlist.collapse">
        <source>Hide the videos</source>
        <translation>Ocultar os vídeos</translation>
    </message>
    <message id="playlist.expand">
        <source>Show the videos</source>
        <translation>Mostrar os vídeos</translation>
    </message>
    <message id="playlist.skip_downloaded">
        <source>Skip videos already downloaded to this folder</source>
        <translation>Ignorar vídeos já baixados nesta pasta</translation>
    </message>
    <message id="playlist.quality_cap">
        <source>Up to %1p</source>
        <translation>Até %1p</translation>
    </message>
    <message id="playlist.remove">
        <source>Remove the list</source>
        <translation>Remover a lista</translation>
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
        <translation>O servidor respondeu HTTP %1</translation>
    </message>
    <message id="tools.http_status_reason">
        <source>The server answered HTTP %1 (%2)</source>
        <translation>O servidor respondeu HTTP %1 (%2)</translation>
    </message>
    <message id="tools.redirect_refused">
        <source>The server sent the download on to an address that is not safe to follow (not a web address, or unencrypted after encrypted): it was refused</source>
        <translation>O servidor redirecionou o download para um endereço que não é seguro seguir (não é um endereço web, ou não é criptografado depois de um criptografado): ele foi recusado</translation>
    </message>
    <message id="tools.download.missing">
        <source>The downloaded file is missing</source>
        <translation>O arquivo baixado não foi encontrado</translation>
    </message>
    <message id="tools.install.no_folder">
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message id="tools.install.missing_binary">
        <source>No %1 executable in the archive</source>
        <translation>Nenhum executável %1 no pacote</translation>
    </message>
    <message id="tools.install.process_failed">
        <source>%1 failed (code %2)</source>
        <translation>%1 falhou (código %2)</translation>
    </message>
    <message id="tools.install.not_regular">
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message id="tools.install.member_too_large">
        <source>A file in the archive is larger than %1: the archive was refused</source>
        <translation>Um arquivo do pacote tem mais de %1: o pacote foi recusado</translation>
    </message>
    <message id="tools.install.cannot_start">
        <source>The tool does not start: %1</source>
        <translation>A ferramenta não inicia: %1</translation>
    </message>
    <message id="tools.install.no_answer">
        <source>The tool does not answer %1</source>
        <translation>A ferramenta não responde a %1</translation>
    </message>
    <message id="tools.install.no_version">
        <source>The tool shows no version (%1)</source>
        <translation>A ferramenta não mostra nenhuma versão (%1)</translation>
    </message>
    <message id="tools.cli.system">
        <source>using %1 from the system</source>
        <translation>usando %1 do sistema</translation>
    </message>
    <message id="follow.cli.added">
        <source>Following %1. New entries download at each check.</source>
        <translation>Seguindo %1. As novidades são baixadas a cada verificação.</translation>
    </message>
    <message id="follow.cli.imported" numerus="yes">
        <source>%n new follows from the file.</source>
        <translation>
            <numerusform>%n nova lista seguida a partir do arquivo.</numerusform>
            <numerusform>%n novas listas seguidas a partir do arquivo.</numerusform>
        </translation>
    </message>
    <message id="follow.cli.new" numerus="yes">
        <source>%1: %n new</source>
        <translation>
            <numerusform>%1: %n nova</numerusform>
            <numerusform>%1: %n novas</numerusform>
        </translation>
    </message>
    <message id="follow.cli.failed">
        <source>%1: not read (%2)</source>
        <translation>%1: não lida (%2)</translation>
    </message>
    <message id="follow.cli.waiting">
        <source>%1: the site asked to wait; read again after %2</source>
        <translation>%1: o site pediu para esperar; nova leitura depois de %2</translation>
    </message>
    <message id="follow.cli.busy">
        <source>%1: another check is reading it</source>
        <translation>%1: outra verificação já está lendo esta lista</translation>
    </message>
    <message id="follow.cli.paused">
        <source>%1: paused</source>
        <translation>%1: pausada</translation>
    </message>
    <message id="follow.error.write">
        <source>The list of follows could not be written.</source>
        <translation>Não foi possível salvar as listas seguidas.</translation>
    </message>
    <message id="follow.error.held">
        <source>Another Reelix is changing the list of follows; try again.</source>
        <translation>Outro Reelix está alterando as listas seguidas; tente novamente.</translation>
    </message>
    <message id="follow.error.not_opml">
        <source>The file is not an OPML list of feeds.</source>
        <translation>O arquivo não é uma lista de feeds OPML.</translation>
    </message>
    <message id="follow.error.not_list">
        <source>This address is one video, not a list.</source>
        <translation>Este endereço é um único vídeo, não uma lista.</translation>
    </message>
    <message id="follow.error.unread">
        <source>yt-dlp could not read the list.</source>
        <translation>O yt-dlp não conseguiu ler a lista.</translation>
    </message>
    <message id="follow.error.no_ytdlp">
        <source>yt-dlp is not installed.</source>
        <translation>O yt-dlp não está instalado.</translation>
    </message>
    <message id="follow.following">
        <source>Following</source>
        <extracomment>The button&apos;s state: this list is followed (not the Following view&apos;s name)</extracomment>
        <translation>Seguindo</translation>
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
        <translation>Seguir e baixar já os 5 mais recentes</translation>
    </message>
    <message id="follow.first.next">
        <source>Follow, only what comes next</source>
        <translation>Seguir, só o que vier depois</translation>
    </message>
    <message id="follow.view.intro">
        <source>New entries of these lists download by themselves at each check.</source>
        <translation>As novidades destas listas são baixadas sozinhas a cada verificação.</translation>
    </message>
    <message id="follow.view.empty">
        <source>Nothing followed yet. Follow a list from its header row.</source>
        <translation>Você ainda não segue nada. Siga uma lista pela linha de cabeçalho dela.</translation>
    </message>
    <message id="follow.check_all">
        <source>Check all now</source>
        <translation>Verificar todas agora</translation>
    </message>
    <message id="follow.check_now">
        <source>Check now</source>
        <translation>Verificar agora</translation>
    </message>
    <message id="follow.not_checked">
        <source>Not checked yet</source>
        <translation>Ainda não verificada</translation>
    </message>
    <message id="follow.checked">
        <source>Checked %1</source>
        <translation>Verificada: %1</translation>
    </message>
    <message id="follow.new_count" numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n nova</numerusform>
            <numerusform>%n novas</numerusform>
        </translation>
    </message>
    <message id="follow.paused_title">
        <source>%1 (paused)</source>
        <translation>%1 (pausada)</translation>
    </message>
    <message id="follow.pause">
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message id="follow.resume">
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message id="cli.no_format">
        <source>No format matches &quot;%1&quot;</source>
        <translation>Nenhum formato corresponde a “%1”</translation>
    </message>
    <message id="cli.no_address">
        <source>No address was accepted.</source>
        <translation>Nenhum endereço foi aceito.</translation>
    </message>
    <message id="cli.items_summary" numerus="yes">
        <source>%n item(s): %1</source>
        <translation>
            <numerusform>%n item: %1</numerusform>
            <numerusform>%n itens: %1</numerusform>
        </translation>
    </message>
    <message id="log.title">
        <source>Reelix logs</source>
        <translation>Logs do Reelix</translation>
    </message>
    <message id="log.enable">
        <source>Enable logs</source>
        <translation>Ativar logs</translation>
    </message>
    <message id="log.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="log.copied">
        <source>Copied!</source>
        <translation>Copiado!</translation>
    </message>
    <message id="log.clear">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="log.folder">
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message id="log.empty">
        <source>No logs yet</source>
        <translation>Nenhum log ainda</translation>
    </message>
    <message id="log.enable_hint">
        <source>Turn on logs above to begin</source>
        <translation>Ative os logs acima para começar</translation>
    </message>
    <message id="log.earlier_lines">
        <source>… Earlier lines are in the file (Folder button) — %1 in all</source>
        <translation>… As linhas anteriores estão no arquivo (botão Pasta) — %1 no total</translation>
    </message>
    <message id="log.fallback_latest_file">
        <source>yt-dlp did not say where it put the file — taking the newest file in the folder</source>
        <translation>O yt-dlp não disse onde colocou o arquivo — usando o arquivo mais recente da pasta</translation>
    </message>
    <message id="setup.offline">
        <source>Could not reach the download server: %1. Check your connection, then retry.</source>
        <translation>Não foi possível acessar o servidor de download: %1. Verifique sua conexão e tente novamente.</translation>
    </message>
    <message id="update.failed">
        <source>The update did not finish. The tools you have still work.</source>
        <translation>A atualização não terminou. As ferramentas que você tem continuam funcionando.</translation>
    </message>
    <message id="setup.system_subtitle">
        <source>Tools were found on this computer. Continue with them, or download Reelix&apos;s own copies.</source>
        <translation>Foram encontradas ferramentas neste computador. Continue com elas ou baixe as cópias do próprio Reelix.</translation>
    </message>
    <message id="setup.system_found">
        <source>On this computer: %1</source>
        <translation>Neste computador: %1</translation>
    </message>
    <message id="setup.system_too_old">
        <source>May be too old for some sites</source>
        <translation>Pode ser antigo demais para alguns sites</translation>
    </message>
    <message id="setup.install_one">
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message id="setup.install_one.tip">
        <source>Download Reelix&apos;s own, current copy; it is used in place of this one</source>
        <translation>Baixar a cópia atual do próprio Reelix; ela será usada no lugar desta</translation>
    </message>
    <message id="setup.use_system">
        <source>Continue with the system tools</source>
        <translation>Continuar com as ferramentas do sistema</translation>
    </message>
    <message id="folder.new">
        <source>New folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message id="folder.new.placeholder">
        <source>Name of the new folder</source>
        <translation>Nome da nova pasta</translation>
    </message>
    <message id="folder.new.create">
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message id="folder.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="folder.up">
        <source>Up one folder</source>
        <translation>Pasta acima</translation>
    </message>
    <message id="folder.empty">
        <source>No folders here</source>
        <translation>Nenhuma pasta aqui</translation>
    </message>
    <message id="folder.error.empty">
        <source>Type a name for the new folder.</source>
        <translation>Digite um nome para a nova pasta.</translation>
    </message>
    <message id="folder.error.slash">
        <source>A folder name cannot contain “/”.</source>
        <translation>Um nome de pasta não pode conter “/”.</translation>
    </message>
    <message id="folder.error.dots">
        <source>“%1” cannot be used as a folder name.</source>
        <translation>“%1” não pode ser usado como nome de pasta.</translation>
    </message>
    <message id="folder.error.exists">
        <source>There is already an item named “%1” here.</source>
        <translation>Já existe um item chamado “%1” aqui.</translation>
    </message>
    <message id="folder.error.failed">
        <source>The folder could not be created: %1</source>
        <translation>Não foi possível criar a pasta: %1</translation>
    </message>
    <message id="store.set_aside">
        <source>The saved download list could not be read. It was kept as %1 and the list starts empty.</source>
        <translation>Não foi possível ler a lista de downloads salva. Ela foi mantida como %1 e a lista começa vazia.</translation>
    </message>
    <message id="store.left_as_is">
        <source>The saved download list (%1) is in use by another program and was left as it is. The list starts empty, and what you add now is not kept after Reelix quits.</source>
        <translation>A lista de downloads salva (%1) está sendo usada por outro programa e foi deixada como estava. A lista começa vazia, e o que você adicionar agora não será mantido depois que o Reelix for fechado.</translation>
    </message>
    <message id="store.not_saved">
        <source>Changes to the download list cannot be saved in %1 (the file is read-only or the disk refused them). The list stays as it is until Reelix quits.</source>
        <translation>As alterações na lista de downloads não podem ser salvas em %1 (o arquivo é somente leitura ou o disco as recusou). A lista fica como está até o Reelix ser fechado.</translation>
    </message>
    <message id="error.file_missing">
        <source>File missing</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message id="notice.dismiss">
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message id="prefs.title">
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message id="prefs.section.downloads">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="prefs.folder">
        <source>Download folder</source>
        <translation>Pasta de downloads</translation>
    </message>
    <message id="prefs.folder.change">
        <source>Change…</source>
        <translation>Alterar…</translation>
    </message>
    <message id="prefs.auto_start">
        <source>Start downloads as soon as they are ready</source>
        <translation>Iniciar os downloads assim que estiverem prontos</translation>
    </message>
    <message id="prefs.auto_start.choice">
        <source>Download as</source>
        <translation>Baixar como</translation>
    </message>
    <message id="prefs.choice.best">
        <source>MP4, best quality</source>
        <translation>MP4, melhor qualidade</translation>
    </message>
    <message id="prefs.choice.1080">
        <source>MP4 up to 1080p</source>
        <translation>MP4 até 1080p</translation>
    </message>
    <message id="prefs.choice.720">
        <source>MP4 up to 720p</source>
        <translation>MP4 até 720p</translation>
    </message>
    <message id="prefs.choice.mp3">
        <source>MP3 (audio only)</source>
        <translation>MP3 (só áudio)</translation>
    </message>
    <message id="prefs.section.files">
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message id="prefs.media.preset">
        <source>Preset</source>
        <translation>Predefinição</translation>
    </message>
    <message id="prefs.media.preset.purpose">
        <source>Preset of new downloads</source>
        <translation>Predefinição dos novos downloads</translation>
    </message>
    <message id="prefs.media.preset.delete">
        <source>Delete this preset</source>
        <translation>Excluir esta predefinição</translation>
    </message>
    <message id="prefs.media.video">
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message id="prefs.media.video.purpose">
        <source>File format of new videos</source>
        <translation>Formato de arquivo dos novos vídeos</translation>
    </message>
    <message id="prefs.media.audio">
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message id="prefs.media.audio.purpose">
        <source>File format of new audio downloads</source>
        <translation>Formato de arquivo dos novos downloads de áudio</translation>
    </message>
    <message id="prefs.media.metadata">
        <source>Write the title, uploader, date, description, cover and chapters into the file</source>
        <translation>Gravar no arquivo o título, o autor, a data, a descrição, a capa e os capítulos</translation>
    </message>
    <message id="prefs.sponsor">
        <source>Sponsor segments</source>
        <translation>Trechos patrocinados</translation>
    </message>
    <message id="prefs.sponsor.purpose">
        <source>What becomes of sponsor segments</source>
        <translation>O que fazer com os trechos patrocinados</translation>
    </message>
    <message id="prefs.sponsor.keep">
        <source>Keep them</source>
        <translation>Mantê-los</translation>
    </message>
    <message id="prefs.sponsor.remove">
        <source>Remove them</source>
        <translation>Removê-los</translation>
    </message>
    <message id="prefs.sponsor.mark">
        <source>Mark them as chapters</source>
        <translation>Marcá-los como capítulos</translation>
    </message>
    <message id="prefs.sponsor.note">
        <source>Segments listed by the community database, for the videos of the sites it covers.</source>
        <translation>Trechos catalogados pelo banco de dados da comunidade, para os vídeos dos sites que ele cobre.</translation>
    </message>
    <message id="prefs.sponsor.api">
        <source>Database address</source>
        <translation>Endereço do banco de dados</translation>
    </message>
    <message id="prefs.sponsor.api.default">
        <source>The public database</source>
        <translation>O banco de dados público</translation>
    </message>
    <message id="sponsor.sponsor">
        <source>Sponsor</source>
        <translation>Patrocínio</translation>
    </message>
    <message id="sponsor.selfpromo">
        <source>Self-promotion</source>
        <translation>Autopromoção</translation>
    </message>
    <message id="sponsor.interaction">
        <source>Interaction reminder</source>
        <translation>Lembrete de interação</translation>
    </message>
    <message id="sponsor.intro">
        <source>Intro</source>
        <translation>Introdução</translation>
    </message>
    <message id="sponsor.outro">
        <source>Outro</source>
        <translation>Encerramento</translation>
    </message>
    <message id="sponsor.preview">
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message id="sponsor.music_offtopic">
        <source>Non-music section</source>
        <translation>Trecho sem música</translation>
    </message>
    <message id="sponsor.filler">
        <source>Filler</source>
        <translation>Preenchimento</translation>
    </message>
    <message id="prefs.media.preset.name">
        <source>Name of a new preset</source>
        <translation>Nome de uma nova predefinição</translation>
    </message>
    <message id="prefs.media.preset.save">
        <source>Save as preset</source>
        <translation>Salvar como predefinição</translation>
    </message>
    <message id="prefs.section.speed">
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message id="prefs.max_downloads">
        <source>Most downloads at once</source>
        <translation>Máximo de downloads simultâneos</translation>
    </message>
    <message id="prefs.unlimited">
        <source>Unlimited</source>
        <translation>Sem limite</translation>
    </message>
    <message id="prefs.fragments">
        <source>Fragments fetched at once per download</source>
        <translation>Fragmentos baixados ao mesmo tempo por download</translation>
    </message>
    <message id="prefs.follow.hours">
        <source>Hours between two checks of the followed lists</source>
        <translation>Horas entre duas verificações das listas seguidas</translation>
    </message>
    <message id="prefs.follow.never">
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message id="prefs.follow.pause">
        <source>Seconds between two requests to one site</source>
        <translation>Segundos entre duas solicitações ao mesmo site</translation>
    </message>
    <message id="prefs.follow.timer">
        <source>Check also while Reelix is not running (a systemd user timer)</source>
        <translation>Verificar também quando o Reelix não estiver aberto (um timer de usuário do systemd)</translation>
    </message>
    <message id="prefs.section.cookies">
        <source>Cookies</source>
        <translation>Cookies</translation>
    </message>
    <message id="history.title">
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message id="history.search">
        <source>Search by title</source>
        <translation>Pesquisar por título</translation>
    </message>
    <message id="history.clear_all">
        <source>Clear all</source>
        <translation>Limpar tudo</translation>
    </message>
    <message id="history.empty">
        <source>No finished downloads yet</source>
        <translation>Nenhum download concluído ainda</translation>
    </message>
    <message id="history.no_match">
        <source>No download matches this search</source>
        <translation>Nenhum download corresponde a esta pesquisa</translation>
    </message>
    <message id="history.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="history.download_again">
        <source>Download again</source>
        <translation>Baixar de novo</translation>
    </message>
    <message id="follow.media_server">
        <source>Files for media servers</source>
        <translation>Arquivos para servidores de mídia</translation>
    </message>
    <message id="follow.media_server.tip">
        <source>Writes beside each new file what Kodi, Jellyfin and Plex read: an .nfo, the thumbnail, and a poster for the folder</source>
        <translation>Grava ao lado de cada arquivo novo o que Kodi, Jellyfin e Plex leem: um .nfo, a miniatura e um pôster para a pasta</translation>
    </message>
    <message id="prefs.section.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="prefs.language">
        <source>Interface language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message id="prefs.language.next_start">
        <source>Applied the next time Reelix starts</source>
        <translation>Aplicado na próxima vez que o Reelix iniciar</translation>
    </message>
    <message id="prefs.language.system">
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message id="prefs.language.pseudo">
        <source>Pseudo-language</source>
        <translation>Pseudoidioma</translation>
    </message>
    <message id="update.tool_ready">
        <source>%1 ready</source>
        <translation>%1 pronto</translation>
    </message>
    <message id="update.tool_updated">
        <source>%1 updated</source>
        <translation>%1 atualizado</translation>
    </message>
</context>
</TS>
