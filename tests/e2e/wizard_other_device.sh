#!/usr/bin/env bash
# The real wizard under Xvfb, walked by keyboard against two devices: the second device chosen
# and its password accepted, its Step 2 hidden with Escape; Setup again, the first device chosen
# and its password accepted, then Next, Next and Save. Step 2 must show the first device again
# rather than the hidden page of the second, so the first device is sent its own settings (named
# in lower case and formatted as the wizard writes them, so that they come back unchanged) and
# the second device is sent none.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
command -v xdotool >/dev/null && command -v Xvfb >/dev/null ||
  { echo "SKIPPED: needs xdotool and Xvfb (make deps)" >&2; exit 77; }
e2e_begin

walk_settings first-nas 10.66.0.11 none >"$NETNS_TMP/first.txt"
walk_settings second-nas 10.66.0.12 none >"$NETNS_TMP/second.txt"
e2e_start_device first 10.66.0.11 --settings "$NETNS_TMP/first.txt" --password first
e2e_start_device second 10.66.0.12 --settings "$NETNS_TMP/second.txt" --password second \
  --delay 150
walk_start_xvfb || fail "cannot start Xvfb"
walk_start_wizard "$NETNS_TMP/wizard.log" LANG=C.UTF-8 LANGUAGE= LC_ALL=

hide_second_step2() {
  local page
  page=$(walk_window "$(walk_page_caption 2)") || return 1
  walk_keys "$page" Escape || return 1
  local i
  for ((i = 0; i < 100; i++)); do
    walk_find_window "$(walk_page_caption 2)" >/dev/null || return 0
    sleep 0.05
  done
  echo "Step 2 stayed after Escape" >&2
  return 1
}

welcome=$(walk_window "$kWalkWelcome") && walk_keys "$welcome" Return &&
  WALK_SELECT=1 WALK_PASSWORD=second walk_step1 && WALK_PASSWORD=second walk_password &&
  hide_second_step2 && walk_open_setup &&
  WALK_SELECT=0 walk_step1 && WALK_PASSWORD=first walk_password &&
  walk_step2 && WALK_TIME_ZONE_KEYS= walk_step3 && walk_step4 && walk_quit ||
  { cat "$NETNS_TMP/wizard.log" >&2; fail "the walk stopped"; }

grep -q '^recv .*SET' "$NETNS_TMP/first.log" || fail "the first device was not saved"
grep -q '^recv .*SET' "$NETNS_TMP/second.log" && fail "the second device was written"
e2e_cli discover --json
expect_eq "$(e2e_settings_of 10.66.0.11)" "$(<"$NETNS_TMP/first.txt")" "the first device"
expect_eq "$(e2e_settings_of 10.66.0.12)" "$(<"$NETNS_TMP/second.txt")" "the second device"
echo "PASS"
