#!/usr/bin/env bash
# Playing by eye, as a person does: watch the band between the yellow lines,
# press red with the left button and blue with the right. A good press turns
# the target white; the wrong button turns the next one grey.
source "$(dirname "$0")/lib.sh"

e2e_start_with_default_table
main=$E2E_MAIN

e2e_click "$main" 275 225 # Start!
e2e_press_next_target "$main" good 255,255,255
e2e_press_next_target "$main" wrong 192,192,192
e2e_screenshot "$main" mid-game

kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: a good press scored and a wrong press missed"
