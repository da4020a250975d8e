#!/usr/bin/env bash
# Starts the real reelix window under Xvfb, with the accessibility bus on a
# private session bus and an empty home, and walks its tree with an
# assistive-technology client (a11y_check.py). Everything it starts it stops.
#   a11y_check.sh REELIX
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [[ "${1:-}" == "--inside" ]]; then
    # On the private session bus: the accessibility bus, the app, the check.
    app=$2 base=$3
    pids=()
    trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait' EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids+=($!)
    "$app" >"$HOME/reelix.log" 2>&1 &
    pids+=($!)
    status=0
    /usr/bin/python3 "$here/a11y_check.py" "$app" "$base" || status=$?
    ((status == 0)) || tail -n 20 "$HOME/reelix.log" >&2
    exit "$status"
fi

app=$(realpath "$1")
source "$here/xserver.sh"

# A short clip, a slow copy that stays in progress, a missing one, a feed.
mkdir -p "$work/www" "$work/home/.config/Reelix"
printf '[General]\nautoStart=true\n' >"$work/home/.config/Reelix/Reelix.conf"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x180:rate=25:duration=2 \
    -f lavfi -i sine=frequency=440:duration=2 -shortest -c:v libx264 -c:a aac \
    "$work/www/h264.mp4"
python3 "$here/fixtures/media_server.py" "$work/www" --rate 20000 >"$work/port" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/port" ]] && break; sleep 0.1; done
base="http://127.0.0.1:$(head -n 1 "$work/port")"

# Nothing leaves the machine: the update checks go to a closed local port.
closed=http://127.0.0.1:9
env -i PATH="$PATH" HOME="$work/home" DISPLAY=":$display" LANGUAGE=en LANG=C.UTF-8 \
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_RUNTIME_DIR="$work/home/run" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    REELIX_COLOR_SCHEME="${REELIX_COLOR_SCHEME:-}" \
    REELIX_GITHUB_URL=$closed REELIX_GITHUB_API_URL=$closed REELIX_FFMPEG_URL=$closed \
    REELIX_NODE_URL=$closed \
    bash -c 'mkdir -m 700 -p "$XDG_RUNTIME_DIR" && exec dbus-run-session -- "$@"' _ \
    "$0" --inside "$app" "$base"
