#!/usr/bin/env bash
# A game that reaches the table asks for a name: ten good presses make level
# 1, Give Up ends the game, and the name-entry window opens with its default
# name selected. A name typed over it and Alt+O go into hs.hsd, the window
# closes and the main window shows the new table.
source "$(dirname "$0")/lib.sh"

e2e_start_with_default_table
main=$E2E_MAIN

# The middle of the level's digit: blue in a "1", hollow in a "0".
level_one_shown() {
    [[ $(e2e_column "$main" 62 46 | sed -n 's/^45 //p') == 0,0,255 ]]
}

e2e_click "$main" 275 225 # Start!
for _ in $(seq 10); do
    e2e_press_next_target "$main" good 255,255,255
done
e2e_wait_for 10 level_one_shown || e2e_fail "ten good presses did not make level 1"
e2e_click "$main" 275 145 # Give Up
box=$(e2e_window vorpa)
e2e_key "$box" Return

form2=$(e2e_window Form2)
e2e_screenshot root name-entry
xdotool windowfocus --sync "$form2" type Taro
xdotool key --window "$form2" alt+o
e2e_wait_for 10 e2e_window_gone Form2 || e2e_fail "OK did not close the name-entry window"

printf '1,Taro\r\n0,None\r\n0,None\r\n' >"$E2E_WORK/expected"
cmp -s "$E2E_WORK/hs.hsd" "$E2E_WORK/expected" ||
    e2e_fail "hs.hsd does not hold Taro at level 1: $(od -c "$E2E_WORK/hs.hsd")"
e2e_screenshot "$main" after-name-entry
kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: a level that enters the table is saved with the typed name"
