# Shared by the end-to-end tests: a private X server, a fresh working
# directory, the game started in it, and bounded waits. Source it, then call
# e2e_start_x and e2e_start_game. Everything started is ended on exit.

set -euo pipefail

# Every script is called with the program and a folder for its screenshots.
E2E_EXE=$1
E2E_ARTEFACTS=$2
mkdir -p "$E2E_ARTEFACTS"

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

# A display of our own. Xvfb takes the first free display number itself and
# writes it to the descriptor given once it accepts connections, so scripts
# started side by side never end up on one server (and one script's cleanup
# never takes another's display away).
e2e_start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_WORK/display" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 grep -q '[0-9]' "$E2E_WORK/display" || e2e_fail "no X server could be started"
    DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
    export DISPLAY
}

# A small window manager on our display, for scripts where a window's frame or
# placement matters; waits until it manages windows.
e2e_start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 e2e_window_manager_running || e2e_fail "no window manager could be started"
}
e2e_window_manager_running() {
    xprop -root -notype _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# The outer frame of window $1 as the window manager reports it:
# "left top width height" in screen pixels.
e2e_frame_geometry() {
    local x y width height left right top bottom
    read -r x y width height < <(xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$1" -notype _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# Starts the game in the fresh directory; its process id is in E2E_GAME.
e2e_start_game() {
    (cd "$E2E_WORK" && exec "$E2E_EXE") >"$E2E_WORK/game.log" 2>&1 &
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

# The usual start: a private X server, a table the game reads without
# complaint, and the game; its main window's id is in E2E_MAIN. Any argument
# ("with-window-manager") puts a window manager on the server first.
e2e_start_with_default_table() {
    e2e_start_x
    (($# == 0)) || e2e_start_window_manager
    e2e_write_default_table
    e2e_start_game
    E2E_MAIN=$(e2e_window Zentap3)
}

# One column of a window's pixels, a line "y r,g,b" per row.
e2e_column() {
    import -display "$DISPLAY" -window "$1" -crop "1x$3+$2+0" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2,\3,\4/p'
}

# Playing by eye, as a person does: watch the band between the yellow lines
# in one column of the play field, clear of the captions, and press red with
# the left button and blue with the right.
E2E_FIELD_X=125
E2E_RED=255,0,0
E2E_BLUE=0,0,255

# Waits until a live target's top edge is inside the hit zone (pixel rows
# 161 to 215) of window $1 with time to spare; prints the row of its first
# coloured pixel and its colour.
e2e_wait_for_target() {
    local deadline=$((SECONDS + 30)) found
    while ((SECONDS < deadline)); do
        found=$(e2e_column "$1" $E2E_FIELD_X 258 |
            awk -v r=$E2E_RED -v b=$E2E_BLUE '($2 == r || $2 == b) && $1 > 100 { print $1, $2; exit }')
        if [[ -n $found ]] && ((${found% *} >= 163 && ${found% *} <= 185)); then
            echo "$found"
            return 0
        fi
    done
    e2e_fail "no target reached the hit zone"
}

# The colour inside the target of window $1 whose top was at row $2, found
# again by its black bottom edge after it has fallen on a little.
e2e_colour_of_target_below() {
    e2e_column "$1" $E2E_FIELD_X 258 | awk -v top="$2" '
        { colour[$1] = $2 }
        END {
            for (y = top + 20; y < 258; y++)
                if (colour[y] == "0,0,0") { print colour[y - 8]; exit }
        }'
}

# Presses the next target in the zone of window $1, with the right button
# when $2 is "good" and the other one when it is "wrong"; waits for the
# target to change to $3. A press that came too late for the zone leaves the
# target's colour as it was: then, like a player, try the next one. So does a
# target that fell out of view before its colour could be seen again, as on
# a busy machine.
e2e_press_next_target() {
    local window=$1 attempt top colour button button_for_red after
    for attempt in $(seq 8); do
        read -r top colour < <(e2e_wait_for_target "$window")
        button_for_red=1
        [[ $2 == good ]] || button_for_red=3
        [[ $colour == "$E2E_RED" ]] && button=$button_for_red || button=$((4 - button_for_red))
        # Near the target's lower edge, so that it still lies under the
        # pointer after falling on while the screen was read.
        e2e_click "$window" $E2E_FIELD_X $((top + 22)) $button
        for _ in $(seq 20); do
            after=$(e2e_colour_of_target_below "$window" "$top")
            [[ $after == "$3" ]] && return 0
            [[ $after == "$colour" ]] || break
        done
        [[ -z $after || $after == "$colour" ]] || e2e_fail "a $2 press on $colour turned the target $after, not $3"
    done
    e2e_fail "eight $2 presses came too late for the hit zone"
}

# Keeps a picture of window $1 ("root" for the whole screen) as $2.png among
# the artefacts.
e2e_screenshot() {
    import -display "$DISPLAY" -window "$1" "$E2E_ARTEFACTS/$2.png"
}
