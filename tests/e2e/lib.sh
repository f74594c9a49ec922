# Shared by the end-to-end tests: a private X server, a fresh working
# directory, the game started in it, and bounded waits. Source it, then call
# e2e_start_x and e2e_start_game. Everything started is ended on exit.

set -euo pipefail

E2E_PIDS=()
E2E_WORK=$(mktemp -d)

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls a command until it succeeds, at most $1 seconds.
e2e_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# A display number of our own: the lock file is taken atomically by Xvfb, so
# try numbers until one starts.
e2e_start_x() {
    local n
    for n in $(seq $((100 + RANDOM % 400)) 600); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        E2E_PIDS+=($!)
        if e2e_wait_for 10 xdpyinfo -display ":$n"; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    e2e_fail "no X server could be started"
}

# Starts the game in the fresh directory; its process id is in E2E_GAME.
e2e_start_game() {
    local exe=$1
    (cd "$E2E_WORK" && exec "$exe") >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME=$!
    E2E_PIDS+=("$E2E_GAME")
}

# The id of the visible window whose title is exactly $1, waiting up to 20 s.
e2e_window() {
    local id=""
    local deadline=$((SECONDS + 20))
    while [[ -z $id ]]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [[ -n $id ]] && break
        ((SECONDS < deadline)) || e2e_fail "no window named '$1'"
        kill -0 "$E2E_GAME" 2>/dev/null || e2e_fail "the game exited: $(cat "$E2E_WORK/game.log")"
        sleep 0.1
    done
    echo "$id"
}

e2e_window_gone() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Clicks at a point given in the window's own pixels.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

# Focuses a window and presses a key in it.
e2e_key() {
    xdotool windowfocus --sync "$1" key "$2"
}

# A table every start reads without complaint.
e2e_write_default_table() {
    printf '0,None\r\n0,None\r\n0,None\r\n' >"$E2E_WORK/hs.hsd"
}

# One column of a window's pixels, a line "y r,g,b" per row.
e2e_column() {
    import -display "$DISPLAY" -window "$1" -crop "1x$3+$2+0" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2,\3,\4/p'
}
