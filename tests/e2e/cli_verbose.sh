#!/usr/bin/env bash
# -v tells on standard error what went over the wire, and why an answer was dropped, while
# standard output stays as it is; no password and no settings value reaches the log.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

E2E_DEVICE_DELAY_MS=200  # the third host's words arrive first
e2e_start_device dev1 10.66.0.11 --name ALPHA --password s3cret -v
e2e_start_device stray 10.66.0.12 --name STRAY --foreign-address 10.66.9.9
netns_add third 10.66.0.66 || fail "cannot create the third host"
datagram=$(printf '%-15s%-10s' "$NETNS_PC_ADDRESS" VERIFYOK)
netns_start third "$NETNS_TMP/third.log" bash -c \
  "while :; do printf '%s' '$datagram' >/dev/udp/$NETNS_PC_ADDRESS/1211; sleep 0.02; done 2>/dev/null"

e2e_cli discover --json
quiet_out=$CLI_OUT
e2e_cli discover --json -v
expect_eq "$CLI_CODE" 0 "exit code of discover -v"
expect_eq "$(jq -c '[.[].name]' <<<"$CLI_OUT")" '["ALPHA"]' "standard output with -v"
expect_eq "$(jq -c '[.[].name]' <<<"$quiet_out")" '["ALPHA"]' "standard output without -v"
expect_contains "$(head -n1 <<<"$CLI_ERR")" "tamberlyx-cli: tamberlyx-cli " "first line: the program"
expect_contains "$CLI_ERR" "interface eth0 $NETNS_PC_ADDRESS" "the interfaces"
expect_contains "$CLI_ERR" "sent Tamberlyx (24 bytes) to 255.255.255.255:1212" "the search"
expect_contains "$CLI_ERR" \
  "from 10.66.0.12 on eth0 dropped: its address field names another PC" "the stray's answer"
expect_contains "$CLI_ERR" "answer GETOK" "the device's answer"
expect_lacks "$CLI_ERR" "ALPHA" "a settings value"

e2e_cli verify 10.66.0.11 -v <<<"s3cret"
expect_eq "$CLI_CODE" 0 "the right password, despite the third host"
expect_contains "$CLI_ERR" "from 10.66.0.66 on eth0 dropped: not from the device asked" \
  "the third host"
expect_contains "$CLI_ERR" "passwd=(hidden)" "the password check, hidden"
expect_contains "$CLI_ERR" "answer VERIFYOK" "the device's word"
expect_lacks "$CLI_ERR" "s3cret" "the password"
expect_lacks "$CLI_OUT" "dropped" "standard output"
device_err=$(grep 'tamberlyx-device: ' "$NETNS_TMP/dev1.log")
expect_contains "$device_err" "received VERIFY" "the device's -v"
expect_lacks "$device_err" "s3cret" "the password in the device's -v"
[ -z "${SHOW_LOG:-}" ] || { echo "$CLI_ERR"; echo "$device_err"; }
echo "PASS"
