# Bash completion for reelix-cli.
_reelix_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="download info tools certs help"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    case ${words[1]} in
    download)
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
    download | info)
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
        [[ ${words[1]} == download ]] && options+=" --audio --format --convert --folder --fragments --no-archive --audio-format --audio-quality --container --audio-lang --audio-multistreams --sub-langs --embed-subs --no-embed-metadata"
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
    help) ((cword == 2)) && COMPREPLY=($(compgen -W "download info tools certs" -- "$cur")) ;;
    esac
} &&
    complete -F _reelix_cli reelix-cli
