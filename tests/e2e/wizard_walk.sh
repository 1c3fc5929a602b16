#!/usr/bin/env bash
# The real wizard under Xvfb, walked by keyboard against two devices over real UDP with the
# real 50 ms ticks: search, the second device, a wrong then the right password, the addressing
# by Tab and Space (English: to DHCP and back, then a new address; Korean: DHCP), a new name,
# another time zone, save. The box saying so has Qt's own OK button in the pages' language, read
# through the accessibility tree, and says where the device answers after the save. Afterwards the
# device reports exactly the entries chosen and the language's locale; every other entry is
# unchanged and in place.
#
# Usage: wizard_walk.sh en|ko
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
source "$(dirname "$0")/lib/desktop_session.sh"
language=${1:?usage: wizard_walk.sh en|ko}
case "$language" in
  en) locale=(LANG=C.UTF-8 LANGUAGE= LC_ALL=) written_locale=en ok_button=OK ;;
  ko) locale=(LANG=ko_KR.UTF-8 LANGUAGE=ko LC_ALL=) written_locale=kor ok_button=확인 ;;
  *) fail "no language $language" ;;
esac
# A switch that did not happen shows in what is written: no DHCP in Korean, and in English the
# address, typed where the disabled address control would leave no field, would not change.
if [ "$language" = en ]; then
  mode=dhcp-and-back typed=10.66.0.42 address=10.66.0.42 bootproto=none
else
  mode=dhcp typed='' address=10.66.0.12 bootproto=dhcp
fi
session_test_begin

walk_settings FIRST-NAS 10.66.0.11 dhcp >"$NETNS_TMP/first.txt"
walk_settings SECOND-NAS 10.66.0.12 none >"$NETNS_TMP/second.txt"
e2e_start_device first 10.66.0.11 --settings "$NETNS_TMP/first.txt" --password first
# Later than the first, so that it is listed second; it takes the address it is given, so that
# the wizard finds it there after the save.
e2e_start_device second 10.66.0.12 --settings "$NETNS_TMP/second.txt" --password s3cret \
  --delay 150 --apply-network --restart-ms 300
walk_start_xvfb || fail "cannot start Xvfb"
session_start || fail "cannot start the desktop session"
walk_start_wizard "$NETNS_TMP/wizard.log" "${locale[@]}" "${SESSION_ENV[@]}" \
  QT_LOGGING_RULES="tamberlyx.*=true"

read_saved_box() { session_labels Status >"$NETNS_TMP/saved-box.txt"; }
WALK_WRONG_PASSWORD=first WALK_PASSWORD=s3cret WALK_MODE=$mode WALK_NAME=archive \
  WALK_ADDRESS=$typed WALK_TIME_ZONE_KEYS=Up WALK_AT_SAVED=read_saved_box wizard_walk ||
  { cat "$NETNS_TMP/wizard.log" >&2; fail "the walk stopped"; }
# Only the button's line can be "OK": the message is a sentence.
expect_eq "$(grep -xF -e "$ok_button" -e OK "$NETNS_TMP/saved-box.txt")" "$ok_button" \
  "the saved box's button"
grep -qF "$address" "$NETNS_TMP/saved-box.txt" || fail "the saved box does not say where it answers"

grep -q '^recv .*VERIFY    passwd=first$' "$NETNS_TMP/second.log" || fail "no wrong try"
# The log: on standard error when asked for, always in the state folder; no password in either.
kept="$NETNS_TMP/state/tamberlyx/wizard-1.log"
for log in "$NETNS_TMP/wizard.log" "$kept"; do
  grep -q 'sent Tamberlyx (24 bytes) to 255.255.255.255:1212 via eth0' "$log" ||
    fail "no search in $log"
  grep -q 'passwd=(hidden)' "$log" || fail "no password check in $log"
  grep -Eq 's3cret|passwd=first' "$log" && fail "a password in $log"
done
grep -q 'tamberlyx.net: sent' "$NETNS_TMP/wizard.log" || fail "no category in the wizard's output"
grep -q '^recv .*VERIFY' "$NETNS_TMP/first.log" && fail "the first device was asked"
grep -q '^recv .*SET' "$NETNS_TMP/first.log" && fail "the first device was written"

# The wizard's process may still be closing its sockets on a busy machine.
for try in 1 2 3; do
  e2e_cli discover --json
  [ "$CLI_CODE" = 0 ] && break
  sleep 1
done
expected=$(sed -e 's/sys\.hostname=[^&]*/sys.hostname=archive/' \
  -e 's/nwk\.wireless\.ssid=[^&]*/nwk.wireless.ssid=archive/' \
  -e "s/nwk\.ipaddr=[^&]*/nwk.ipaddr=$address/" \
  -e "s/nwk\.bootproto=none/nwk.bootproto=$bootproto/" \
  -e 's/sys\.Time\.timeZone=Seoul/sys.Time.timeZone=Osaka/' \
  -e "s/locale=en/locale=$written_locale/" "$NETNS_TMP/second.txt")
expect_eq "$(e2e_settings_of "$address")" "$expected" "settings after the save"
expect_eq "$(e2e_settings_of 10.66.0.11)" "$(<"$NETNS_TMP/first.txt")" "the other device"
echo "PASS"
