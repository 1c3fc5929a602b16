#!/usr/bin/env bash
# "N/W Drive Make" in the real wizard: under Xvfb, in a desktop session with GVfs in the pc
# namespace, walked by keyboard to a save with the box ticked by Tab and Space. Both shares of the device end up mounted and readable;
# a second save replaces the mounts; shares with another password than the admin password
# mount nothing, and the wizard comes back to Step 1 and answers keys.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
session_test_begin smbd

readonly kPassword='s3cret &pass'
readonly kNas=10.66.0.11 kOther=10.66.0.12
share=$NETNS_TMP/nas
netns_add nas "$kNas" || fail "cannot create the device namespace"
netns_start nas "$NETNS_TMP/nas.log" "$DEVICE" --http 0 --name NAS --password "$kPassword" \
  --smb-dir "$share"
netns_wait_for "$NETNS_TMP/nas.log" '^ready' 30 || fail "device with shares did not start"
# The device's name resolves on the pc, as through a LAN's name service.
echo "$kNas NAS" >>"/etc/netns/$(netns_name pc)/hosts"
echo "written on the device" >"$share/public/note.txt"
echo "a clip" >"$share/media/clip.txt"

walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"

# Every walk: the listed device, no other change, the box ticked before Save.
export WALK_SELECT=0 WALK_PASSWORD=$kPassword WALK_TIME_ZONE_KEYS='' \
  WALK_TICK_DRIVE_BOX=1
start_wizard() { walk_start_wizard "$NETNS_TMP/wizard-$1.log" "${SESSION_ENV[@]}"; }
walked() { cat "$NETNS_TMP/wizard-$1.log" "$NETNS_TMP/session.log" >&2; fail "walk $1 stopped"; }
read_share() { session_read_share "$kNas" "$1"; }
readonly kBothMounts="smb://$kNas/media/
smb://$kNas/public/"

start_wizard first
wizard_walk || walked first
grep -q '^recv .*SET' "$NETNS_TMP/nas.log" || fail "the first walk saved nothing"
expect_eq "$(session_share_mounts)" "$kBothMounts" "mounts after the first save"
expect_eq "$(read_share public/note.txt)" "written on the device" "file read through public"
expect_eq "$(read_share media/clip.txt)" "a clip" "file read through media"

echo "changed on the device" >"$share/public/note.txt"
start_wizard second
wizard_walk || walked second
expect_eq "$(session_share_mounts)" "$kBothMounts" "mounts after the second save"
expect_eq "$(read_share public/note.txt)" "changed on the device" "file read after the second save"

# Shares whose password is not the admin password: the save succeeds, the mapping mounts
# nothing, and the wizard goes on. Listed after NAS thanks to its delay.
netns_add other "$kOther" || fail "cannot create the second device namespace"
netns_start other "$NETNS_TMP/other.log" "$DEVICE" --http 0 --name OTHER --delay 150 \
  --smb-dir "$NETNS_TMP/other" --smb-password 'not the admin password'
netns_wait_for "$NETNS_TMP/other.log" '^ready' 30 || fail "second device did not start"
WALK_SELECT=1 WALK_PASSWORD=admin
start_wizard wrong
if ! { welcome=$(walk_window "$kWalkWelcome") && walk_keys "$welcome" Return && walk_step1 &&
  walk_password && walk_step2 && walk_step3 && walk_step4; }; then
  walked wrong
fi
grep -q '^recv .*SET' "$NETNS_TMP/other.log" || fail "the walk did not save OTHER"
if ! { walk_open_setup && walk_step1 &&
  walk_focus_leaves "$WALK_PAGE" >/dev/null; }; then
  fail "Step 1 did not answer after the refused mapping"
fi
# smbd keeps a log per client: the mapping did ask OTHER.
[ -e "$NETNS_TMP/other/.smbd-state/log.$NETNS_PC_ADDRESS" ] || fail "OTHER's shares were not asked"
expect_eq "$(session_share_mounts)" "$kBothMounts" "mounts after shares refused the password"
echo "PASS"
