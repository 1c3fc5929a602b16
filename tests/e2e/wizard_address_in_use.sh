#!/usr/bin/env bash
# The real wizard, walked by keyboard to a save of a new fixed address that a third host on the
# segment already holds: the "Warning" box after Save names that host's hardware address and the
# address, read through the accessibility tree; Escape (Go back) shows Step 2 again, and the
# device is sent no SET.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
session_test_begin

readonly kTaken=10.66.0.42
walk_settings NAS 10.66.0.11 none >"$NETNS_TMP/nas.txt"
e2e_start_device nas 10.66.0.11 --settings "$NETNS_TMP/nas.txt"
# Any Linux host answers ARP for its address and refuses the probe's datagram.
netns_add holder "$kTaken" || fail "cannot create the third host"
holder_mac=$(ip -n "$(netns_name holder)" -br link show eth0 | awk '{print $3}')
[ -n "$holder_mac" ] || fail "no hardware address for the third host"

walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"
walk_start_wizard "$NETNS_TMP/wizard.log" LANG=C.UTF-8 LANGUAGE= LC_ALL= "${SESSION_ENV[@]}"

read_warning() { session_labels Warning >"$NETNS_TMP/warning.txt"; }
WALK_SELECT=0 WALK_ADDRESS=$kTaken WALK_TIME_ZONE_KEYS='' WALK_AT_WARNING=read_warning \
  wizard_walk || { cat "$NETNS_TMP/wizard.log" >&2; fail "the walk did not come back to Step 2"; }

warning=$(<"$NETNS_TMP/warning.txt")
expect_contains "$warning" "Another host ($holder_mac) already answers at $kTaken." \
  "the warning names the holder"
expect_eq "$(grep -xF -e 'Save anyway' -e 'Go back' "$NETNS_TMP/warning.txt" | paste -sd ,)" \
  "Save anyway,Go back" "the warning's buttons"
walk_find_window "$(walk_page_caption 4)" >/dev/null && fail "Step 4 still shows after Go back"
# A SET would have followed the confirmation at once; give a stray one time to arrive.
sleep 1
grep -q '^recv .*SET' "$NETNS_TMP/nas.log" && fail "the device was sent a SET"
grep -q '^recv .*VERIFY' "$NETNS_TMP/nas.log" || fail "the walk never reached the device"
echo "PASS"
