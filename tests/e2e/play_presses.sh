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

# Waits until a live target's top edge is well inside the hit zone (pixel rows
# 161 to 215); prints the row of its first coloured pixel and its colour.
wait_for_target() {
    local deadline=$((SECONDS + 30)) found
    while ((SECONDS < deadline)); do
        found=$(e2e_column "$main" $x 258 |
            awk -v r=$red -v b=$blue '($2 == r || $2 == b) && $1 > 100 { print $1, $2; exit }')
        if [[ -n $found ]] && ((${found% *} >= 163 && ${found% *} <= 200)); then
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

target_below_is() { [[ $(colour_of_target_below "$1") == "$2" ]]; }

e2e_click "$main" 275 225 # Start!

read -r top colour < <(wait_for_target)
[[ $colour == "$red" ]] && button=1 || button=3
e2e_click "$main" $x $((top + 10)) $button
e2e_wait_for 2 target_below_is "$top" 255,255,255 || e2e_fail "a good press on $colour did not score"

read -r top colour < <(wait_for_target)
[[ $colour == "$red" ]] && button=3 || button=1
e2e_click "$main" $x $((top + 10)) $button
e2e_wait_for 2 target_below_is "$top" 192,192,192 || e2e_fail "a wrong press on $colour did not miss"
import -display "$DISPLAY" -window "$main" "$artefacts/mid-game.png"

kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: a good press scored and a wrong press missed"
