#!/usr/bin/env bash
# "N/W Drive Make" when the save moves the device: a simulated device that takes the address it
# is given, its shares moving with it, walked by keyboard in a GVfs session to a new fixed
# address, then to DHCP. Each time the saved box says where the device answers now (the typed
# address, then the pool's first), and its shares are mounted and readable at that address.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
session_test_begin smbd

readonly kFixed=10.66.0.50 kLeased=10.66.0.200
share=$NETNS_TMP/nas
walk_settings NAS 10.66.0.11 none >"$NETNS_TMP/nas.txt"
netns_add nas 10.66.0.11 || fail "cannot create the device namespace"
netns_start nas "$NETNS_TMP/nas.log" "$DEVICE" --http 0 --settings "$NETNS_TMP/nas.txt" \
  --smb-dir "$share" --apply-network --restart-ms 300 --dhcp-pool "$kLeased-10.66.0.209"
netns_wait_for "$NETNS_TMP/nas.log" '^ready' 30 || fail "device with shares did not start"
echo "written on the device" >"$share/public/note.txt"

walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"

# Every walk: the one device, its admin password, the box ticked; the follow searches every 2 s.
export WALK_SELECT=0 WALK_TIME_ZONE_KEYS='' WALK_TICK_DRIVE_BOX=1 WALK_SAVE_SECONDS=40 \
  WALK_AT_SAVED=read_saved_box
read_saved_box() { session_labels Status >"$NETNS_TMP/saved-$walk.txt"; }

# walk_to NAME ADDRESS LEFT: a walk whose save moves the device from LEFT to ADDRESS
# (WALK_ADDRESS or WALK_MODE say how); the saved box says so, both shares are mounted and read
# there, and no mount of the address it left remains.
walk_to() {
  walk=$1
  local address=$2 left=$3
  walk_start_wizard "$NETNS_TMP/wizard-$walk.log" "${SESSION_ENV[@]}"
  wizard_walk || { cat "$NETNS_TMP/wizard-$walk.log" >&2; fail "walk $walk stopped"; }
  expect_contains "$(<"$NETNS_TMP/saved-$walk.txt")" "Configurations have saved successfully!
The device now answers at $address." "walk $walk: the saved box"
  expect_contains "$(session_share_mounts)" "smb://$address/media/
smb://$address/public/" "walk $walk: the mounts"
  expect_eq "$(session_read_share "$address" public/note.txt)" "written on the device" \
    "walk $walk: a file read through the share"
  ! grep -qF "smb://$left/" <<<"$(session_share_mounts)" ||
    { cat "$NETNS_TMP"/state/tamberlyx/*.log | grep -v "net:" >&2; fail "walk $walk: mounts of $left remain"; }
}

WALK_ADDRESS=$kFixed walk_to fixed "$kFixed" 10.66.0.11
grep -q "^move 10.66.0.11 > $kFixed\$" "$NETNS_TMP/nas.log" || fail "the device did not move"
WALK_MODE=dhcp walk_to dhcp "$kLeased" "$kFixed"
grep -q "^move $kFixed > $kLeased\$" "$NETNS_TMP/nas.log" || fail "the device took no pool address"
echo "PASS"
