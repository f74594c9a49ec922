#!/usr/bin/env bash
# Playing by eye, as a person does: watch the band between the yellow lines,
# press red with the left button and blue with the right. A good press turns
# the target white; the wrong button turns the next one grey.
source "$(dirname "$0")/lib.sh"
exe=$1
artefacts=$2
mkdir -p "$artefacts"

e2e_start_x
e2e_write_default_table
e2e_start_game "$exe"
main=$(e2e_window Zentap3)

x=125 # a column of the play field, clear of the captions
red=255,0,0
blue=0,0,255

# Waits until a live target's top edge is inside the hit zone (pixel rows
# 161 to 215) with time to spare; prints the row of its first coloured pixel
# and its colour.
wait_for_target() {
    local deadline=$((SECONDS + 30)) found
    while ((SECONDS < deadline)); do
        found=$(e2e_column "$main" $x 258 |
            awk -v r=$red -v b=$blue '($2 == r || $2 == b) && $1 > 100 { print $1, $2; exit }')
        if [[ -n $found ]] && ((${found% *} >= 163 && ${found% *} <= 185)); then
            echo "$found"
            return 0
        fi
    done
    e2e_fail "no target reached the hit zone"
}

# The colour inside the target whose top was at row $1, found again by its
# black bottom edge after it has fallen on a little.
colour_of_target_below() {
    e2e_column "$main" $x 258 | awk -v top="$1" '
        { colour[$1] = $2 }
        END {
            for (y = top + 20; y < 258; y++)
                if (colour[y] == "0,0,0") { print colour[y - 8]; exit }
        }'
}

# Presses the next target in the zone, with the right button when $1 is
# "good" and the other one when it is "wrong"; waits for the target to change
# to $2. A press that came too late for the zone leaves the target's colour
# as it was: then, like a player, try the next one.
press_next_target() {
    local attempt top colour button button_for_red after
    for attempt in 1 2 3; do
        read -r top colour < <(wait_for_target)
        button_for_red=1
        [[ $1 == good ]] || button_for_red=3
        [[ $colour == "$red" ]] && button=$button_for_red || button=$((4 - button_for_red))
        e2e_click "$main" $x $((top + 10)) $button
        for _ in $(seq 20); do
            after=$(colour_of_target_below "$top")
            [[ $after == "$2" ]] && return 0
            [[ $after == "$colour" ]] || break
        done
        [[ $after == "$colour" ]] || e2e_fail "a $1 press on $colour turned the target $after, not $2"
    done
    e2e_fail "three $1 presses came too late for the hit zone"
}

e2e_click "$main" 275 225 # Start!
press_next_target good 255,255,255
press_next_target wrong 192,192,192
import -display "$DISPLAY" -window "$main" "$artefacts/mid-game.png"

kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: a good press scored and a wrong press missed"
