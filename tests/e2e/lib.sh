# Shared by the end-to-end scenarios: a private X server, a fresh working
# directory, the game started in it, and waits that all end by a deadline.
# Every scenario is called with the program and a folder for its screenshots;
# everything it started is ended on exit.

set -Eeuo pipefail

E2E_EXE=$1
E2E_ARTEFACTS=$2
mkdir -p "$E2E_ARTEFACTS"
E2E_PIDS=()
E2E_WORK=$(mktemp -d)

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# No step fails silently: a command that fails unchecked names itself. So
# that none fails at random, no result is read from a process substitution
# (its failure would be lost), and no reader of a pipe stops before the end
# (no grep -q, no awk exit before END): under pipefail the writer's broken
# pipe would fail the step.
trap 'e2e_fail "line $LINENO: \"$BASH_COMMAND\" exited with $?"' ERR

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# Polls a command until it succeeds, at most $1 seconds; with "!" before the
# command, until it fails. Fails the scenario at once if the game has exited
# meanwhile.
e2e_wait_for() {
    local deadline=$((SECONDS + $1)) negated=0
    shift
    [[ $1 != ! ]] || { negated=1 && shift; }
    until { "$@" >/dev/null 2>&1; (($? != 0 == negated)); }; do
        [[ -z ${E2E_GAME:-} ]] || kill -0 "$E2E_GAME" 2>/dev/null ||
            e2e_fail "the game exited: $(cat "$E2E_WORK/game.log")"
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# A display of our own: Xvfb takes a free display number and writes it once
# it accepts connections, so scenarios run side by side never share one. The
# openbox window manager runs on it, for window frames and close buttons.
e2e_start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_WORK/display" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 grep -q '[0-9]' "$E2E_WORK/display" || e2e_fail "no X server could be started"
    DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
    export DISPLAY
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
        e2e_fail "no window manager could be started"
}

# Starts the game in the fresh directory; its process id is in E2E_GAME.
e2e_start_game() {
    (cd "$E2E_WORK" && exec "$E2E_EXE") >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME=$!
    E2E_PIDS+=("$E2E_GAME")
}

# The id of the visible window whose title is exactly $1.
e2e_find_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | awk 'NR == 1 { print } END { exit NR == 0 }'
}
e2e_window() {
    e2e_wait_for 10 e2e_find_window "$1" || e2e_fail "no window named '$1'"
    e2e_find_window "$1"
}

# Clicks at a point in the window's own pixels; focuses it and presses a key.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}
e2e_key() {
    timeout 10 xdotool windowfocus --sync "$1" key "$2"
}

# One column of a window's pixels, a line "y r,g,b" per row from the top to
# row $3. The screen is read again when a read fails while windows change.
e2e_column() {
    local pixels
    for _ in 1 2 3 4 5; do
        if pixels=$(timeout 10 import -display "$DISPLAY" -window "$1" -crop "1x$3+$2+0" -depth 8 txt:- 2>/dev/null); then
            sed -n 's/^0,\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2,\3,\4/p' <<<"$pixels"
            return
        fi
        sleep 0.1
    done
    e2e_fail "window $1 could not be read"
}

# Playing by eye, as a person does: watch the band between the yellow lines
# in one column of the play field, clear of the captions, and press red with
# the left button and blue with the right.
E2E_FIELD_X=125
E2E_RED=255,0,0
E2E_BLUE=0,0,255

# Waits until a live target's top edge is inside the hit zone (rows 161 to
# 215) of window $1 with time to spare; prints that row and its colour.
e2e_wait_for_target() {
    local deadline=$((SECONDS + 10)) found
    while ((SECONDS < deadline)); do
        found=$(e2e_column "$1" $E2E_FIELD_X 258 |
            awk -v r=$E2E_RED -v b=$E2E_BLUE '!top && ($2 == r || $2 == b) && $1 > 100 { top = $1 " " $2 } END { print top }')
        if [[ -n $found ]] && ((${found% *} >= 163 && ${found% *} <= 185)); then
            echo "$found"
            return
        fi
    done
    e2e_fail "no target reached the hit zone within 10 s"
}

# The colour inside the target of window $1 whose top was at row $2, found
# again by its black bottom edge after it has fallen on a little.
e2e_colour_of_target_below() {
    e2e_column "$1" $E2E_FIELD_X 258 | awk -v top="$2" '
        { colour[$1] = $2 }
        END { for (y = top + 20; y < 258; y++) if (colour[y] == "0,0,0") { print colour[y - 8]; exit } }'
}

# Presses the next target in the zone of window $1 with the button of its
# colour, and waits for the target to turn white. A press that came too late
# for the zone leaves the colour as it was, as does a target that fell out of
# view before it could be seen again on a busy machine: then, like a player,
# try the next.
e2e_press_next_target() {
    local target top colour button after
    for _ in 1 2 3 4; do
        target=$(e2e_wait_for_target "$1")
        top=${target% *} colour=${target#* }
        [[ $colour == "$E2E_RED" ]] && button=1 || button=3
        # Near the target's lower edge, so that it still lies under the
        # pointer after falling on while the screen was read.
        e2e_click "$1" $E2E_FIELD_X $((top + 22)) $button
        for _ in $(seq 20); do
            after=$(e2e_colour_of_target_below "$1" "$top")
            [[ $after == 255,255,255 ]] && return
            [[ $after == "$colour" ]] || break
        done
        [[ -z $after || $after == "$colour" ]] || e2e_fail "a good press on $colour turned the target $after"
    done
    e2e_fail "four presses came too late for the hit zone"
}

# Keeps a picture of window $1 ("root" for the whole screen) as $2.png among
# the artefacts; a picture that cannot be taken fails nothing.
e2e_screenshot() {
    timeout 10 import -display "$DISPLAY" -window "$1" "$E2E_ARTEFACTS/$2.png" || echo "no screenshot $2" >&2
}
