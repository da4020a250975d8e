#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# package manager will read: the menu entry, the AppStream file, the icons,
# the man page, the completion, the executables started from the prefix, and
# the Debian package's file list and dependencies.
set -euo pipefail
build=$(realpath "${1:?usage: install_check.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install_check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
desktop-file-validate "$share/applications/org.reelix.Reelix.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/org.reelix.Reelix.metainfo.xml"
for f in icons/hicolor/scalable/apps/org.reelix.Reelix.svg \
    icons/hicolor/{48x48,128x128,256x256}/apps/org.reelix.Reelix.png \
    man/man1/reelix-cli.1.gz man/man1/reelix.1.gz doc/reelix/copyright doc/reelix/changelog.gz \
    bash-completion/completions/reelix-cli; do
    [[ -s $share/$f ]] || fail "missing $f"
done
# The manual pages render without a warning.
for page in reelix reelix-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man $page: $warnings"
done
bash -n "$share/bash-completion/completions/reelix-cli"
# The browsers' manifests name the host where it is installed.
host=$prefix/libexec/reelix/reelix-native-host
[[ -x $host ]] || fail "no native messaging host"
for f in etc/chromium/native-messaging-hosts etc/opt/chrome/native-messaging-hosts \
    lib/mozilla/native-messaging-hosts; do
    grep -qF "\"path\": \"$host\"" "$prefix/$f/org.reelix.reelix.json" || fail "$f: not $host"
done

# The user timer's service starts the reelix-cli of the prefix, as systemd reads it.
units=$prefix/lib/systemd/user
grep -qxF "ExecStart=$prefix/bin/reelix-cli follow check" "$units/reelix-follow.service" ||
    fail "the service does not start $prefix/bin/reelix-cli"
systemd-analyze verify --man=no "$units/reelix-follow.service" "$units/reelix-follow.timer" ||
    fail "systemd refuses the installed timer"

# Started from the prefix, with a home of its own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_STATE_HOME=$work/home/.local/state
mkdir -p "$HOME"
cd "$work"
[[ $("$prefix/bin/reelix-cli" --version) == "reelix-cli "* ]] || fail "reelix-cli --version"
[[ $("$prefix/bin/reelix" --version) == "reelix "* ]] || fail "reelix --version"
"$prefix/bin/reelix-cli" --help | grep -q "^usage: reelix-cli download" || fail "reelix-cli --help"
"$host" --for-user >/dev/null || fail "reelix-native-host --for-user"
for f in .config/chromium/NativeMessagingHosts .config/google-chrome/NativeMessagingHosts \
    .mozilla/native-messaging-hosts; do
    grep -qF "\"path\": \"$host\"" "$HOME/$f/org.reelix.reelix.json" || fail "~/$f: not $host"
done
xvfb-run -a "$prefix/bin/reelix" >"$work/reelix.log" 2>&1 &
app=$!
sleep 4
kill -0 "$app" 2>/dev/null || { cat "$work/reelix.log" >&2; fail "reelix did not keep running"; }
pkill -TERM -P "$app" reelix || true
wait "$app" || true
if grep -E "qrc:|QQmlApplicationEngine failed|module .* is not installed" "$work/reelix.log"; then
    fail "reelix could not load its views"
fi

# The package: everything under /usr, the desktop files in, dependencies computed.
(cd "$build" && cpack -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/reelix_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/reelix ./usr/bin/reelix-cli ./usr/share/applications/org.reelix.Reelix.desktop \
    ./usr/share/metainfo/org.reelix.Reelix.metainfo.xml ./usr/share/man/man1/reelix-cli.1.gz \
    ./usr/share/man/man1/reelix.1.gz ./usr/lib/systemd/user/reelix-follow.service \
    ./usr/lib/systemd/user/reelix-follow.timer ./usr/libexec/reelix/reelix-native-host \
    ./usr/lib/mozilla/native-messaging-hosts/org.reelix.reelix.json \
    ./etc/chromium/native-messaging-hosts/org.reelix.reelix.json; do
    grep -qxF "$f" <<<"$files" || fail "the package lacks $f"
done
# Outside /usr only the Chromium manifest, a configuration file.
if grep -v -e '^\./usr/' -e '^\./etc/$' -e '^\./etc/chromium/' <<<"$files" | grep -v '^\./$'; then
    fail "files outside /usr"
fi
dpkg-deb -I "$deb" conffiles | grep -qx /etc/chromium/native-messaging-hosts/org.reelix.reelix.json ||
    fail "the Chromium manifest is not a configuration file"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/user/reelix-follow.service |
    grep -qxF "ExecStart=/usr/bin/reelix-cli follow check" || fail "the packaged service"
dpkg-deb -f "$deb" Depends | grep -q "libqt6core6" || fail "no computed dependency on Qt"
# What a distribution checks before it takes a package: no error, no warning.
report=$(lintian "$deb" 2>&1 | grep -E '^(E|W): ' || true)
[[ -z $report ]] || fail "lintian: $report"
echo "install_check: ok"
