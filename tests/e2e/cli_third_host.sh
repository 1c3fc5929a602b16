#!/usr/bin/env bash
# A third host that keeps sending "VERIFYOK", "VERIFYFAIL" or "SETOK" to the PC, with the PC's
# own address in the address field, changes nothing: a wrong password stays wrong, a right one
# right, and a save the device never answered is not reported as done.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

# The devices answer late, so the third host's words always arrive first.
E2E_DEVICE_DELAY_MS=300
e2e_start_device dev1 10.66.0.11 --name ALPHA --password s3cret
e2e_start_device deaf 10.66.0.12 --name DEAF --silent SET
netns_add third 10.66.0.66 || fail "cannot create the third host"

third_pid=""
# third_host_says WORD: from now on the third host sends WORD every 20 ms.
third_host_says() {
  [ -z "$third_pid" ] || kill "$third_pid" 2>/dev/null
  local datagram
  datagram=$(printf '%-15s%-10s' "$NETNS_PC_ADDRESS" "$1")
  netns_start third "$NETNS_TMP/third.log" bash -c \
    "while :; do printf '%s' '$datagram' >/dev/udp/$NETNS_PC_ADDRESS/1211; sleep 0.02; done 2>/dev/null"
  third_pid=$!
}

third_host_says VERIFYOK
e2e_cli verify 10.66.0.11 <<<"wrong"
expect_eq "$CLI_CODE" 1 "wrong password despite a third host's VERIFYOK"
expect_eq "$CLI_ERR" "Wrong password!" "wrong password message"

third_host_says VERIFYFAIL
e2e_cli verify 10.66.0.11 <<<"s3cret"
expect_eq "$CLI_CODE" 0 "right password despite a third host's VERIFYFAIL"

third_host_says SETOK
e2e_cli set 10.66.0.12 sys.hostname=NEVER <<<"admin"
expect_eq "$CLI_CODE" 1 "a silent device despite a third host's SETOK"
expect_eq "$CLI_ERR" "Server does not exist!!" "silent device message"
expect_lacks "$CLI_OUT" "saved successfully" "no success reported"

e2e_cli set 10.66.0.11 sys.hostname=RENAMED <<<"s3cret"
expect_eq "$CLI_CODE" 0 "the device's own SETOK still counts"
grep -q '^send .*SETOK' "$NETNS_TMP/dev1.log" || fail "the device answered SET"
echo "PASS"
