# The scenario's desktop and game: a private desktop, a fresh working
# directory, the game started in it, waits that all end by a deadline, and the
# play field read by eye. The scenario is called with the program, a folder
# for its screenshots and the desktop: openbox, mutter (GNOME's) or kwin
# (KDE's) on X11; mutter-wayland, a Wayland session whose X11 programs go
# through XWayland; or wine, the Windows build under Wine on openbox.
# Everything it started is ended on exit.

set -Eeuo pipefail

E2E_EXE=$1 E2E_ARTEFACTS=$2 E2E_DESKTOP=${3:-openbox}
mkdir -p "$E2E_ARTEFACTS"
E2E_WORK=$(mktemp -d)     # the game's directory
E2E_SESSION=$(mktemp -d)  # the desktop's: its display number, bus, logs, homes
E2E_AS=()                 # what the game runs through: as nobody, or under Wine

e2e_fail() {
    echo "FAIL: $*" >&2
    [[ -z ${DISPLAY:-} ]] || e2e_screenshot root failure
    exit 1
}
# No step fails silently: a command that fails unchecked names itself. So
# that none fails at random, no result is read from a process substitution
# (its failure would be lost), and no reader of a pipe stops before the end
# (no grep -q, no awk exit before END): under pipefail the writer's broken
# pipe would fail the step.
trap 'e2e_fail "line $LINENO: \"$BASH_COMMAND\" exited with $?"' ERR

# Everything the scenario started carries the session's home, down to what
# the input method and Wine start of their own: the game is ended first.
e2e_cleanup() {
    local pid
    kill "${E2E_GAME:-}" 2>/dev/null || true
    for pid in $(pgrep -f . || true); do
        ! grep -qzx "HOME=$E2E_SESSION/home" "/proc/$pid/environ" 2>/dev/null || kill "$pid" 2>/dev/null || true
    done
    wait
    rm -rf "$E2E_WORK" "$E2E_SESSION"
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

# A session bus of its own, which starts no service on demand, so nothing
# outlives the scenario; a display of its own with its window manager, for
# frames, placement and close buttons. Xvfb takes a free display number and
# writes it once it accepts connections, so scenarios run side by side never
# share one. On the Wayland session, GNOME's compositor runs on a virtual
# screen and starts XWayland for the first X11 program, on a display number
# it chooses.
e2e_start_desktop() {
    local wm
    echo "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><policy context='default'><allow user='*'/>
        <allow send_destination='*' eavesdrop='true'/><allow eavesdrop='true'/><allow own='*'/></policy></busconfig>" \
        >"$E2E_SESSION/bus.conf"
    export HOME=$E2E_SESSION/home
    mkdir -p "$HOME"
    DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --config-file="$E2E_SESSION/bus.conf" --fork --print-address=1)
    export DBUS_SESSION_BUS_ADDRESS
    case $E2E_DESKTOP in
    openbox | wine) wm=(openbox --sm-disable) ;;
    mutter) wm=(mutter --x11 --replace --sm-disable) ;;
    kwin) wm=(kwin_x11 --replace) ;;
    mutter-wayland)
        export XDG_RUNTIME_DIR=$E2E_SESSION XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=zentap3-e2e
        wm=(mutter --headless --virtual-monitor 1024x768 --wayland --wayland-display="$WAYLAND_DISPLAY" --sm-disable)
        ;;
    *) e2e_fail "no desktop named $E2E_DESKTOP" ;;
    esac
    if [[ $E2E_DESKTOP != mutter-wayland ]]; then
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_SESSION/display" >/dev/null 2>&1 &
        e2e_wait_for 10 grep -q '[0-9]' "$E2E_SESSION/display" || e2e_fail "no X server could be started"
        export DISPLAY=":$(head -n 1 "$E2E_SESSION/display")"
    fi
    "${wm[@]}" >"$E2E_SESSION/wm.log" 2>&1 &
    if [[ $E2E_DESKTOP == mutter-wayland ]]; then
        e2e_wait_for 10 grep -q 'Using public X11 display' "$E2E_SESSION/wm.log" || e2e_fail "no Wayland session"
        export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$E2E_SESSION/wm.log")
        export XAUTHORITY=$(echo "$E2E_SESSION"/.mutter-Xwaylandauth.*)
    fi
    e2e_wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
        e2e_fail "no window manager could be started: $(cat "$E2E_SESSION/wm.log")"
    # Under Wine, a Windows of its own that says it is Windows 10, whose
    # windows openbox manages but Wine frames.
    if [[ $E2E_DESKTOP == wine ]]; then
        export WINEPREFIX=$HOME/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
        E2E_AS=(wine)
        { wineboot -i && wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f &&
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f; } >"$E2E_SESSION/wine.log" 2>&1 ||
            e2e_fail "no Windows under Wine: $(cat "$E2E_SESSION/wine.log")"
    fi
}

# A Japanese input method, ibus with mozc, starting in hiragana, for the
# game to take a name from. Mozc will not run as root, so it, and the game
# with it, run as nobody.
e2e_start_input_method() {
    mkdir -p "$HOME/.config/mozc"
    echo 'engines { name: "mozc-jp" longname: "Mozc" layout: "default" rank: 80 } active_on_launch: True' \
        >"$HOME/.config/mozc/ibus_config.textproto"
    chmod 711 "$E2E_SESSION"
    chown -R nobody: "$HOME" "$E2E_WORK"
    E2E_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups -- env XDG_RUNTIME_DIR="$HOME" USER=nobody
        NO_AT_BRIDGE=1 QT_IM_MODULE=ibus)
    "${E2E_AS[@]}" ibus-daemon --panel=disable >"$E2E_SESSION/ibus.log" 2>&1 &
    e2e_wait_for 20 sh -c '"$@" ibus engine mozc-jp; [ "$("$@" ibus engine)" = mozc-jp ]' - "${E2E_AS[@]}" ||
        e2e_fail "no input method: $(cat "$E2E_SESSION/ibus.log")"
}

# Starts the game in the fresh directory, as the desktop's user (under Wine,
# through it); its process id is in E2E_GAME. Under Wine the pixels of a
# window's inside start E2E_INSET pixels in.
E2E_INSET=(0 0)
e2e_start_game() {
    (cd "$E2E_WORK" && exec "${E2E_AS[@]}" "$E2E_EXE") >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME=$!
}

# How far in window $1 its inside, $2 x $3 pixels, starts: Wine draws a
# frame of even sides below a title bar into the window; elsewhere the window
# is its inside.
e2e_measure_inset() {
    local width height
    read -r width height <<<"$(xwininfo -id "$1" | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }')"
    E2E_INSET=($(((width - $2) / 2)) $((height - $3 - (width - $2) / 2)))
}

# The id of the visible window whose title is exactly $1: now, or within ten
# seconds.
e2e_find_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | awk 'NR == 1 { print } END { exit NR == 0 }'
}
e2e_window() {
    e2e_wait_for 10 e2e_find_window "$1" || e2e_fail "no window named '$1'"
    e2e_find_window "$1"
}

# Clicks at a point inside window $1 with button $4 (the left one unless
# given); gives it the keyboard and presses a key.
e2e_click() {
    xdotool mousemove --window "$1" $(($2 + E2E_INSET[0])) $(($3 + E2E_INSET[1])) click "${4:-1}"
}
e2e_key() {
    e2e_focus "$1"
    xdotool key "$2"
}
# Gives window $1 the keyboard. Wine takes it back for the window it last
# activated unless the player clicks: there (the only desktop whose windows'
# insides start an inset in, once the main window has measured it), a click
# inside the window's top left corner, where no control takes it.
e2e_focus() {
    timeout 10 xdotool windowfocus --sync "$1"
    ((E2E_INSET[1] == 0)) || { e2e_click "$1" 5 5 && sleep 0.5; }
}

# Column $2 of window $1's inside, a line "y r,g,b" per row from the top to
# row $3. The screen is read again when a read fails while windows change.
e2e_column() {
    local pixels
    for _ in 1 2 3 4 5; do
        if pixels=$(timeout 10 import -display "$DISPLAY" -window "$1" \
            -crop "1x$3+$(($2 + E2E_INSET[0]))+${E2E_INSET[1]}" -depth 8 txt:- 2>/dev/null); then
            sed -n 's/^0,\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2,\3,\4/p' <<<"$pixels"
            return
        fi
        sleep 0.1
    done
    e2e_fail "window $1 could not be read"
}

# Playing by eye, as a person does: watch the band between the yellow lines
# in one column of window $1's play field, clear of the captions. A target
# whose top edge lies in the hit zone (rows 161 to 215) with time to spare is
# pressed near its lower edge, so that it is still under the pointer after
# falling on while the screen was read: red with the left button, blue with
# the right. Found again by its black bottom edge, it must turn white. A press
# that came too late for the zone leaves the colour as it was, as does a
# target that fell out of view before it could be seen again on a busy
# machine: then, like a player, try the next.
E2E_FIELD_X=125
E2E_RED=255,0,0
E2E_BLUE=0,0,255
e2e_press_next_target() {
    local top colour after
    for _ in 1 2 3 4; do
        e2e_wait_for 10 e2e_target_in_zone "$1" || e2e_fail "no target reached the hit zone within 10 s"
        read -r top colour <<<"$E2E_TARGET"
        e2e_click "$1" $E2E_FIELD_X $((top + 22)) "$([[ $colour == "$E2E_RED" ]] && echo 1 || echo 3)"
        for _ in $(seq 20); do
            after=$(e2e_column "$1" $E2E_FIELD_X 258 | awk -v top="$top" '{ colour[$1] = $2 }
                END { for (y = top + 20; y < 258; y++) if (colour[y] == "0,0,0") { print colour[y - 8]; exit } }')
            [[ $after == 255,255,255 ]] && return
            [[ $after == "$colour" ]] || break
        done
        [[ -z $after || $after == "$colour" ]] || e2e_fail "a good press on $colour turned the target $after"
    done
    e2e_fail "four presses came too late for the hit zone"
}
# The top row and colour of the first live target in the zone, in E2E_TARGET.
e2e_target_in_zone() {
    E2E_TARGET=$(e2e_column "$1" $E2E_FIELD_X 258 | awk -v r=$E2E_RED -v b=$E2E_BLUE '
        !top && ($2 == r || $2 == b) && $1 > 100 { top = $1; found = $1 " " $2 }
        END { if (top >= 163 && top <= 185) print found }')
    [[ -n $E2E_TARGET ]]
}

# Keeps a picture of window $1 ("root" for the whole screen) as $2.png among
# the artefacts; a picture that cannot be taken fails nothing. XWayland has
# no picture of its screen: there, of the window that has the keyboard.
e2e_screenshot() {
    timeout 10 import -display "$DISPLAY" -window "$1" "$E2E_ARTEFACTS/$2.png" 2>/dev/null ||
        timeout 10 import -display "$DISPLAY" -window "$(xdotool getactivewindow)" "$E2E_ARTEFACTS/$2.png" ||
        echo "no screenshot $2" >&2
}
