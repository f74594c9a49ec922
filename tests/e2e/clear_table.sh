#!/usr/bin/env bash
# The clear-high-scores button asks first: Cancel (Escape) leaves hs.hsd byte
# for byte, OK (Enter) rewrites it with the default table.
source "$(dirname "$0")/lib.sh"

printf '12,Taro\r\n7,Hanako\r\n3,Jiro\r\n' >"$E2E_WORK/table"
printf '0,None\r\n0,None\r\n0,None\r\n' >"$E2E_WORK/default"
cp "$E2E_WORK/table" "$E2E_WORK/hs.hsd"
e2e_start_x
e2e_start_game
main=$(e2e_window Zentap3)
clear_button=(298 113) # the middle of ハイスコアのクリア

e2e_click "$main" "${clear_button[@]}"
box=$(e2e_window 確認)
e2e_screenshot root clear-question
e2e_key "$box" Escape
e2e_wait_for 10 e2e_window_gone 確認 || e2e_fail "Escape did not close the question"
cmp -s "$E2E_WORK/hs.hsd" "$E2E_WORK/table" || e2e_fail "Cancel changed hs.hsd"

e2e_click "$main" "${clear_button[@]}"
box=$(e2e_window 確認)
e2e_key "$box" Return
e2e_wait_for 10 e2e_window_gone 確認 || e2e_fail "Enter did not close the question"
e2e_wait_for 10 cmp -s "$E2E_WORK/hs.hsd" "$E2E_WORK/default" ||
    e2e_fail "OK did not write the default table: $(od -c "$E2E_WORK/hs.hsd")"
e2e_screenshot "$main" cleared
kill -0 "$E2E_GAME" || e2e_fail "the game ended"
echo "PASS: clear asks first; Cancel keeps the table, OK resets it"
