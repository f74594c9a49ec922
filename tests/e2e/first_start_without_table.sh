#!/usr/bin/env bash
# A player's very first start, in a directory without hs.hsd: the load error
# comes before the main window, Enter closes it, and the default table of 24
# bytes is on disk.
source "$(dirname "$0")/lib.sh"

e2e_start_x
e2e_start_game
box=$(e2e_window エラー)
e2e_window_gone Zentap3 || e2e_fail "the main window showed before the load error"
e2e_screenshot root load-error

e2e_key "$box" Return
e2e_wait_for 10 e2e_window_gone エラー || e2e_fail "Enter did not close the load error"
e2e_window Zentap3 >/dev/null
cmp -s "$E2E_WORK/hs.hsd" <(printf '0,None\r\n0,None\r\n0,None\r\n') ||
    e2e_fail "hs.hsd is not the default table: $(od -c "$E2E_WORK/hs.hsd" 2>&1)"
[[ $(stat -c %s "$E2E_WORK/hs.hsd") == 24 ]] || e2e_fail "hs.hsd is not 24 bytes"
echo "PASS: first start reported, default table written"
