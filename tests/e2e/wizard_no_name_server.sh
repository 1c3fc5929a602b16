#!/usr/bin/env bash
# The wizard on a PC whose name is in no hosts file, on a LAN whose name server never answers:
# Setup opens Step 1 and its search ends as on any PC, and the name server hears nothing
# (resolving our own name used to freeze Setup for seconds and send that name out).
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
command -v xdotool >/dev/null && command -v Xvfb >/dev/null ||
  { echo "SKIPPED: needs xdotool and Xvfb (make deps)" >&2; exit 77; }
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA
e2e_silent_name_server 10.66.0.53

walk_start_xvfb || fail "cannot start Xvfb"
walk_start_wizard "$NETNS_TMP/wizard.log" LANG=C.UTF-8 LANGUAGE= LC_ALL=
welcome=$(walk_window "$kWalkWelcome") || fail "no welcome dialog"
start=$(date +%s%N)
walk_keys "$welcome" Return && walk_window "$(walk_page_caption 1)" >/dev/null &&
  walk_search_ends || { cat "$NETNS_TMP/wizard.log" >&2; fail "Step 1 did not search"; }
ms=$((($(date +%s%N) - start) / 1000000))
netns_log "Setup to the end of the search: $ms ms"
# A resolver wait is 5 s a try here; the search's window is 0.8 s.
[ "$ms" -lt 3000 ] || fail "Setup took $ms ms to the end of the search"
grep -q 'answer GETOK .* from 10.66.0.11 on eth0 accepted' "$NETNS_TMP/state/tamberlyx/wizard-1.log" ||
  fail "the device's answer is not in the wizard's log"
walk_quit || fail "the wizard did not end"
expect_eq "$(grep -c '^query' "$NETNS_TMP/dns.log")" 0 "queries the name server received"
echo "PASS"
