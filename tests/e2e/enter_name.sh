#!/usr/bin/env bash
# A game that reaches the table, on a desktop with a window manager: ten good
# presses make level 1, Give Up ends the game, and the name-entry window opens
# with its frame centred on the screen. While it is open, a second game is
# started and its window closed mid-game: that game ends without a word. The
# name typed and Alt+O go into hs.hsd, and the main window comes back idle.
source "$(dirname "$0")/lib.sh"

e2e_start_with_default_table with-window-manager
main=$E2E_MAIN

# The middle of the level's digit: blue in a "1", hollow in a "0".
level_one_shown() {
    [[ $(e2e_column "$main" 62 46 | sed -n 's/^45 //p') == 0,0,255 ]]
}
target_in_field() {
    e2e_column "$main" $E2E_FIELD_X 258 | grep -qE " ($E2E_RED|$E2E_BLUE)\$"
}

e2e_click "$main" 275 225 # Start!
for _ in $(seq 10); do
    e2e_press_next_target "$main" good 255,255,255
done
e2e_wait_for 10 level_one_shown || e2e_fail "ten good presses did not make level 1"
e2e_click "$main" 275 145 # Give Up
box=$(e2e_window vorpa)
e2e_key "$box" Return

# Centred by its outer size in twips, the half twip dropped, on the
# 1024 x 768 screen.
form2=$(e2e_window Form2)
centred_pixels() {
    awk -v screen="$1" -v outer="$2" 'BEGIN { d = int((screen - outer) * 15 / 2); printf "%d", d / 15 + (d < 0 ? -0.5 : 0.5) }'
}
frame_centred() {
    local left top width height
    read -r left top width height < <(e2e_frame_geometry "$form2")
    ((height > 185)) && ((left == $(centred_pixels 1024 "$width") && top == $(centred_pixels 768 "$height")))
}
e2e_wait_for 5 frame_centred ||
    e2e_fail "the name-entry window's frame (left top width height: $(e2e_frame_geometry "$form2")) is not centred"
e2e_screenshot root name-entry

xdotool windowactivate --sync "$main" # from under the name window
e2e_click "$main" 275 225             # Start! while the name waits
e2e_wait_for 10 target_in_field || e2e_fail "the second game did not start"
wmctrl -i -c "$main"
e2e_wait_for 10 e2e_window_gone Zentap3 || e2e_fail "the main window did not close"
# Left running, five fall-throughs would end that game within seven seconds.
! e2e_wait_for 9 xdotool search --onlyvisible --name '^vorpa$' ||
    e2e_fail "the closed window's game ended with a message"

xdotool windowfocus --sync "$form2" type Taro
xdotool key --window "$form2" alt+o
e2e_wait_for 10 e2e_window_gone Form2 || e2e_fail "OK did not close the name-entry window"
printf '1,Taro\r\n0,None\r\n0,None\r\n' >"$E2E_WORK/expected"
cmp -s "$E2E_WORK/hs.hsd" "$E2E_WORK/expected" ||
    e2e_fail "hs.hsd does not hold Taro at level 1: $(od -c "$E2E_WORK/hs.hsd")"

main=$(e2e_window Zentap3)
! e2e_wait_for 3 target_in_field || e2e_fail "the main window came back with a game running"
e2e_screenshot root after-name-entry
kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: a level that enters the table is saved with the typed name; a closed window's game ends silently"
