# Sourced by the tests that drive a real window: a work folder removed at
# exit, the list of processes started (stopped at exit, `pids`), and an X
# server of their own on a display Xvfb picks (`display`).
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait; rm -rf "$work"' EXIT

exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec {displayfd}>&-
for _ in $(seq 200); do [[ -s "$work/display" ]] && break; sleep 0.1; done
display=$(head -n 1 "$work/display")
