# Bash completion for reelix-cli.
_reelix_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="download info tools certs history doctor follow help"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    case ${words[1]} in
    follow)
        case $prev in
        --timer)
            COMPREPLY=($(compgen -W "on off" -- "$cur"))
            return
            ;;
        import | export)
            ((cword == 3)) && _filedir
            return
            ;;
        --newest)
            return
            ;;
        esac
        if ((cword == 2)); then
            COMPREPLY=($(compgen -W "list check remove pause resume import export --timer --newest --media-server --help" -- "$cur"))
            return
        fi
        [[ ${words[2]} == list ]] && COMPREPLY=($(compgen -W "--json" -- "$cur"))
        [[ ${words[2]} == -* ]] || return
        ;;&
    download | follow)
        case $prev in
        --folder)
            _filedir -d
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W "2160p 1440p 1080p 720p 480p 360p" -- "$cur"))
            return
            ;;
        --audio-format)
            COMPREPLY=($(compgen -W "mp3 m4a opus flac wav" -- "$cur"))
            return
            ;;
        --container)
            COMPREPLY=($(compgen -W "mp4 mkv webm" -- "$cur"))
            return
            ;;
        --audio-quality)
            COMPREPLY=($(compgen -W "0 96 128 192 256 320" -- "$cur"))
            return
            ;;
        --audio-lang | --sub-langs)
            return
            ;;
        esac
        ;;&
    download | info | follow)
        case $prev in
        --cookies)
            _filedir
            return
            ;;
        --cookies-from-browser)
            COMPREPLY=($(compgen -W "firefox chrome chromium brave edge opera vivaldi safari" -- "$cur"))
            return
            ;;
        esac
        local options="--cookies-from-browser --cookies --no-cookies --items --json --help"
        [[ ${words[1]} == follow ]] && options="--cookies-from-browser --cookies --no-cookies --newest --media-server"
        [[ ${words[1]} != info ]] && options+=" --audio --format --convert --folder --fragments --no-archive --audio-format --audio-quality --container --audio-lang --audio-multistreams --sub-langs --embed-subs --no-embed-metadata"
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        ;;
    tools)
        if [[ $prev == rollback ]]; then
            COMPREPLY=($(compgen -W "yt-dlp ffmpeg node" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "status install update rollback --json --help" -- "$cur"))
        fi
        ;;
    certs) COMPREPLY=($(compgen -W "--refresh --help" -- "$cur")) ;;
    history) COMPREPLY=($(compgen -W "--json --help" -- "$cur")) ;;
    doctor) COMPREPLY=($(compgen -W "--json --report --help" -- "$cur")) ;;
    help) ((cword == 2)) && COMPREPLY=($(compgen -W "download info tools certs history doctor follow" -- "$cur")) ;;
    esac
} &&
    complete -F _reelix_cli reelix-cli
