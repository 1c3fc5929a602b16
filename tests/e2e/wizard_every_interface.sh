#!/usr/bin/env bash
# The real wizard on a pc of two segments, its default route on the first, a device on each.
# Step 1 lists both from one search that reaches each device once; the second segment's
# device is selected, checked and renamed through the interface it answered on, and the first
# is never asked. With both devices gone, the empty Step 1 tells assistive technology (and
# the eye) that both interfaces were searched and that UDP port 1211 must be let in.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
session_test_begin

netns_segment br1 || fail "cannot create the second segment"
netns_attach pc eth1 br1 10.77.0.1/16 || fail "cannot give the pc a second interface"
netns_exec pc ip route replace default via 10.66.0.254 dev eth0
walk_settings OFFICE-NAS 10.66.0.11 dhcp >"$NETNS_TMP/office.txt"
walk_settings LAB-NAS 10.77.0.12 none >"$NETNS_TMP/lab.txt"
e2e_start_device office 10.66.0.11 --settings "$NETNS_TMP/office.txt"
netns_attach lab eth0 br1 10.77.0.12/16 || fail "cannot create the second segment's device"
# Later than the first, so that it is listed second.
e2e_run_device lab --settings "$NETNS_TMP/lab.txt" --password lab --delay 150

walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"
walk_start_wizard "$NETNS_TMP/wizard.log" LANG=C.UTF-8 LANGUAGE= LC_ALL= "${SESSION_ENV[@]}"
WALK_SELECT=1 WALK_PASSWORD=lab WALK_NAME=lab-2 WALK_TIME_ZONE_KEYS='' wizard_walk ||
  { cat "$NETNS_TMP/wizard.log" >&2; fail "the walk stopped"; }

for device in office lab; do
  expect_eq "$(grep -c ' 24 bytes: 255.255.255.255Tamberlyx$' "$NETNS_TMP/$device.log")" 1 \
    "$device received one search"
done
grep -q '^recv 10.77.0.1:.*VERIFY    passwd=lab$' "$NETNS_TMP/lab.log" ||
  fail "no VERIFY from the second interface's address"
grep -q '^recv 10.77.0.1:.* SET ' "$NETNS_TMP/lab.log" || fail "no SET from the second interface"
grep -Eq '^recv .*(VERIFY|SET)' "$NETNS_TMP/office.log" && fail "the first device was asked"
e2e_cli discover --every-interface --json
expect_eq "$(jq -r '.[] | select(.address == "10.77.0.12") | .name' <<<"$CLI_OUT")" lab-2 \
  "the second segment's device holds the new name"

# Both silent: the page's list stays without items and says where it searched.
for device in office lab; do ip -n "$(netns_name $device)" link set eth0 down; done
walk_start_wizard "$NETNS_TMP/wizard-empty.log" LANG=C.UTF-8 LANGUAGE= LC_ALL= "${SESSION_ENV[@]}"
walk_open_setup || fail "Step 1 did not open"
read_out=$(session_exec "$kSessionPython" "$kSessionLib/read_list.py" --empty --seconds 15) ||
  { cat "$NETNS_TMP/wizard-empty.log" >&2; fail "no empty list was read"; }
netns_log "the empty list reads: $read_out"
expect_eq "$(head -n 1 <<<"$read_out")" 0 "items of the empty list"
expect_contains "$read_out" "Searched: eth0, eth1" "the empty list names both interfaces"
expect_contains "$read_out" "UDP port 1211" "the empty list names the port"
echo "PASS"
