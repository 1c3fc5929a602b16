#!/usr/bin/env bash
# A device answering the search with sys.hostname=<img src="/dev/zero"> in the real wizard,
# under Xvfb and a 4 GB address-space limit, read through the accessibility tree: Step 1 lists
# it and shows the name as written (never loading the "image"), and a second device selected
# afterwards by keyboard shows its details: the wizard still answers.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
session_test_begin

readonly kHostile='<img src="/dev/zero">'
walk_settings "$kHostile" 10.66.0.11 none >"$NETNS_TMP/hostile.txt"
walk_settings SECOND-NAS 10.66.0.12 none >"$NETNS_TMP/second.txt"
e2e_start_device hostile 10.66.0.11 --settings "$NETNS_TMP/hostile.txt"
e2e_start_device second 10.66.0.12 --settings "$NETNS_TMP/second.txt" --delay 150
walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"

ulimit -v $((4 * 1024 * 1024))  # KiB: what was enough to end the wizard reading /dev/zero
walk_start_wizard "$NETNS_TMP/wizard.log" "${SESSION_ENV[@]}"
step1=$(walk_page_caption 1)
welcome=$(walk_window "$kWalkWelcome") && walk_keys "$welcome" Return &&
  page=$(walk_window "$step1") && walk_search_ends || fail "Step 1 did not show its list"
shown=$(session_labels "$step1") || fail "cannot read Step 1"
grep -qxF "$kHostile" <<<"$shown" || fail "the name is not shown as written: $shown"
grep -qxF '<img src="/dev/zero' <<<"$shown" || fail "the list line is not the name's start"
sleep 1
kill -0 "$WALK_WIZARD_PID" 2>/dev/null || { cat "$NETNS_TMP/wizard.log" >&2; fail "wizard gone"; }

walk_keys "$page" Down || fail "no key reached Step 1"
for _ in $(seq 50); do
  shown=$(session_labels "$step1") && grep -qxF "10.66.0.12 (Fixed)" <<<"$shown" && break
  sleep 0.1
done
grep -qxF SECOND-NAS <<<"$shown" || fail "the second device's details did not show: $shown"
walk_quit || fail "the wizard did not end"
echo "PASS"
