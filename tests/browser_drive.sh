#!/usr/bin/env bash
# The inside of browser_check.sh, on its private display and session bus.
#   browser_drive.sh BROWSER BUILD_DIR BASE_URL WORK_DIR [SHOT_DIR]
set -euo pipefail
browser=$1 build=$2 base=$3 work=$4 shots=${5:-}
host=$build/src/app/reelix-native-host
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait' EXIT
fail() {
    echo "browser_check ($browser): $*" >&2
    # What had the keyboard and what was on screen, for whoever reads the log.
    local w
    w=$(xdotool getwindowfocus 2>/dev/null) &&
        echo "focused: $w '$(xdotool getwindowname "$w" 2>/dev/null)' (expected $window)" >&2
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "visible: $w '$(xdotool getwindowname "$w" 2>/dev/null)'" >&2
    done
    [[ -z $shots ]] || { mkdir -p "$shots" && import -window root "$shots/$browser-failed.png"; } || true
    exit 1
}

# Polls until the command succeeds, for at most $1 seconds.
within() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 5))); do "$@" && return 0; sleep 0.2; done
    return 1
}
visible() { xdotool search --onlyvisible --maxdepth 1 --class '' 2>/dev/null | wc -l; }
more_than() { (($(visible) > $1)); }
on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.reelix.Reelix | grep -q 'boolean true'
}
listed() { # address format
    python3 - "$HOME/.local/share/Reelix/downloads.sqlite" "$1" "$2" <<'PY'
import sqlite3, sys
try:
    db = sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True)
    rows = db.execute("select 1 from items where url = ? and format = ?", sys.argv[2:4]).fetchall()
except sqlite3.Error:
    rows = []
sys.exit(0 if rows else 1)
PY
}

# Everything but 127.0.0.1 goes to a closed local port: the browsers' own
# update, telemetry and safe-browsing requests never leave the machine.
closed=127.0.0.1:9
# The browsers find the host through the user's manifests, as the host writes them.
"$host" --for-user >/dev/null || fail "reelix-native-host --for-user"
case $browser in
chromium)
    sandbox=()
    (($(id -u) != 0)) || sandbox=(--no-sandbox)
    chromium "${sandbox[@]}" --no-first-run --no-default-browser-check \
        --disable-features=DisableLoadExtensionCommandLineSwitch --test-type \
        --load-extension="$build/browser/chromium" --proxy-server="http://$closed" \
        --disable-background-networking --disable-component-update --disable-sync \
        --password-store=basic --lang="$LANGUAGE" --window-position=0,0 --window-size=1280,800 \
        "$base/watch.html?toolbar" >"$work/browser.log" 2>&1 &
    pids+=($!)
    # Reelix's entries sit in a "Reelix" submenu above "Inspect", and on a
    # page's menu above "View page source" too.
    to_reelix=(Up Up Right)
    to_reelix_page=(Up Up Up Right)
    ;;
firefox)
    profile=$work/firefox
    mkdir -p "$profile/extensions"
    # The unpacked extension, found through a file named after its id; ESR
    # loads it unsigned when the profile says so.
    printf '%s' "$build/browser/firefox" >"$profile/extensions/browser@reelix.org"
    cat >"$profile/user.js" <<PREFS
user_pref("intl.locale.requested", "$LANGUAGE");
user_pref("xpinstall.signatures.required", false);
user_pref("extensions.autoDisableScopes", 0);
user_pref("extensions.enabledScopes", 15);
user_pref("extensions.update.enabled", false);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.enabled", false);
user_pref("app.normandy.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("browser.safebrowsing.update.enabled", false);
user_pref("services.settings.server", "http://$closed");
user_pref("network.proxy.type", 1);
user_pref("network.proxy.http", "127.0.0.1");
user_pref("network.proxy.http_port", 9);
user_pref("network.proxy.ssl", "127.0.0.1");
user_pref("network.proxy.ssl_port", 9);
user_pref("network.proxy.no_proxies_on", "127.0.0.1");
user_pref("network.proxy.socks_remote_dns", true);
PREFS
    firefox-esr --profile "$profile" --no-remote --window-size 1280,800 \
        "$base/watch.html?toolbar" >"$work/browser.log" 2>&1 &
    pids+=($!)
    # Reelix's entries sit in a "Reelix" submenu, the last entry.
    to_reelix=(Up Right)
    to_reelix_page=(Up Right)
    ;;
*) fail "no such browser" ;;
esac

on_bus && fail "a Reelix is running before the browser asked for one"

# The page's title says where its video, its link and a blank spot are.
window=
spot() { # query: waits for the page and sets window, video, link and page
    local title found=
    title_is() {
        found=$(xdotool search --onlyvisible --name "^A clip $1 @[0-9]+,[0-9]+ " 2>/dev/null |
            head -n 1)
        [[ -n $found ]]
    }
    front
    within "${2:-60}" title_is "$1" || return 1
    window=$found
    title=$(xdotool getwindowname "$window")
    read -r video link page _ <<<"${title##*@}"
    video=${video/,/ } link=${link/,/ } page=${page/,/ }
}
front() {
    [[ -n $window ]] || return 0
    xdotool windowraise "$window"
    xdotool windowfocus "$window"
}
focused() { [[ $(xdotool getwindowfocus) == "$window" ]]; }
# The open page moves on to the query written in next.txt (see watch.html).
open_page() { # query
    printf '%s\n' "$1" >"$work/www/next.tmp"
    mv "$work/www/next.tmp" "$work/www/next.txt"
    spot "$1" 60 || fail "the page for $1 did not open"
}
# Opens the context menu at $where, then Reelix's submenu in it.
reelix_menu() {
    local before keys=("${to_reelix[@]}")
    [[ $where != page ]] || keys=("${to_reelix_page[@]}")
    before=$(visible)
    # shellcheck disable=SC2086 # "x y"
    xdotool mousemove --window "$window" ${!where} click 3
    within 20 more_than "$before" || return 1
    before=$(visible)
    xdotool key "${keys[@]}"
    within 20 more_than "$before"
}
shot() { [[ -z $shots ]] || { mkdir -p "$shots" && import -window root "$shots/$browser-$1.png"; }; }

# Each case: how it is sent, where, which entry, and what must be listed.
cases=(
    "toolbar shortcut page 0 watch.html video"
    "menu-video menu video 0 clip.mp4 video"
    "menu-audio-link menu link 1 other.html audio"
    "menu-page menu page 0 watch.html video"
    "menu-audio-video menu video 1 clip.mp4 audio"
)
for entry in "${cases[@]}"; do
    read -r name how where item file format <<<"$entry"
    if [[ $name == toolbar ]]; then
        spot "$name" || fail "the page for $name did not open"
    else
        open_page "$name"
    fi
    front
    if [[ $how == shortcut ]]; then
        # A browser takes its extensions' shortcuts only once their
        # background has started, a moment after the first page: pressed
        # again, as a user would, when nothing came of it.
        for _ in 1 2 3; do
            front
            within 10 focused && xdotool key alt+shift+d
            within 30 listed "$base/$file?$name" "$format" && break
        done
    else
        # A Reelix window raised by the last address may take the keys
        # meanwhile: the menu is closed and opened again.
        opened=
        for _ in 1 2 3; do
            front
            if within 10 focused && reelix_menu; then opened=1 && break; fi
            xdotool key Escape Escape Escape
        done
        [[ -n $opened ]] || fail "$name: no Reelix submenu"
        ((item == 0)) || xdotool key Down
        shot "$name"
        xdotool key Return
    fi
    within 90 listed "$base/$file?$name" "$format" ||
        fail "$name: $base/$file?$name is not on the list as $format"
    # The first address started Reelix through the host.
    on_bus || fail "$name: no Reelix on the session bus"
    if [[ $how == shortcut ]]; then front && shot "$name"; fi
    echo "browser_check ($browser): $name ok"
done
