#!/usr/bin/env bash
# Drives a real browser with the unpacked Reelix extension under Xvfb, as a
# user would: the keyboard shortcut of the toolbar button and the context
# menu entries on a page, a video and a link of a page on 127.0.0.1. Each
# must put its address, with the format asked for, on the list of the real
# reelix window, which the first one starts through the native messaging
# host. Everything it starts it stops.
#   browser_check.sh chromium|firefox BUILD_DIR [SHOT_DIR]
# With SHOT_DIR it keeps pictures of the menus and the button there, in the
# language of BROWSER_CHECK_LANGUAGE (en when unset: fr, for instance).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [[ "${1:-}" == "--inside" ]]; then
    exec "$here/browser_drive.sh" "${@:2}"
fi

browser=${1:?usage: browser_check.sh chromium|firefox BUILD_DIR [SHOT_DIR]}
build=$(realpath "${2:?usage: browser_check.sh chromium|firefox BUILD_DIR [SHOT_DIR]}")
shots=${3:+$(realpath -m "$3")}
source "$here/xserver.sh"

mkdir -p "$work/www" "$work/home"
cp "$here/data/browser/watch.html" "$work/www/"
ffmpeg -loglevel error -f lavfi -i testsrc=size=320x180:rate=25:duration=2 \
    -f lavfi -i sine=frequency=440:duration=2 -shortest -c:v libx264 -c:a aac "$work/www/clip.mp4"
python3 "$here/fixtures/media_server.py" "$work/www" >"$work/port" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/port" ]] && break; sleep 0.1; done
base="http://127.0.0.1:$(head -n 1 "$work/port")"

# Nothing leaves the machine: the update checks go to a closed local port.
closed=http://127.0.0.1:9
language=${BROWSER_CHECK_LANGUAGE:-en}
env -i PATH="$PATH" HOME="$work/home" DISPLAY=":$display" LANGUAGE="$language" LANG=C.UTF-8 \
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_STATE_HOME="$work/home/.local/state" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_RUNTIME_DIR="$work/home/run" \
    REELIX_GITHUB_URL=$closed REELIX_GITHUB_API_URL=$closed REELIX_FFMPEG_URL=$closed \
    REELIX_NODE_URL=$closed \
    bash -c 'mkdir -m 700 -p "$XDG_RUNTIME_DIR" && exec dbus-run-session -- "$@"' _ \
    "$0" --inside "$browser" "$build" "$base" "$work" "$shots"
