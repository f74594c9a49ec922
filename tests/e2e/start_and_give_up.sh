#!/usr/bin/env bash
# A new player's first game: the window opens at its designed size, Start!
# and Give Up bring the game-over message, Enter closes it, and the window is
# ready for the next game.
source "$(dirname "$0")/lib.sh"

e2e_start_with_default_table
main=$E2E_MAIN

geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
[[ $geometry == 358x258 ]] || e2e_fail "client area is $geometry, not 358x258"
e2e_screenshot "$main" main-window

start=(275 225)   # the middle of Start!
give_up=(275 145) # the middle of Give Up
for game in 1 2; do
    e2e_click "$main" "${start[@]}"
    e2e_click "$main" "${give_up[@]}"
    box=$(e2e_window vorpa)
    [[ $game == 1 ]] && e2e_screenshot root game-over
    e2e_key "$box" Return
    e2e_wait_for 10 e2e_window_gone vorpa || e2e_fail "Enter did not close the game-over message"
done
kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: two games started and given up"
