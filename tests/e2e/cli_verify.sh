#!/usr/bin/env bash
# VERIFY with the right password, a wrong one, to a device that never answers VERIFY, and to
# an address where no device answered; a password longer than 16 characters is refused
# before anything is sent.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA --password s3cret
e2e_start_device mute 10.66.0.12 --name MUTE --silent VERIFY

e2e_cli verify 10.66.0.11 <<<"s3cret"
expect_eq "$CLI_CODE" 0 "right password"
grep -q '^recv .*VERIFY    passwd=s3cret$' "$NETNS_TMP/dev1.log" || fail "VERIFY bytes"

e2e_cli verify 10.66.0.11 <<<"wrong"
expect_eq "$CLI_CODE" 1 "wrong password"
expect_eq "$CLI_ERR" "Wrong password!" "wrong password message"

e2e_cli verify 10.66.0.12 <<<"admin"
expect_eq "$CLI_CODE" 1 "silent device"
expect_eq "$CLI_ERR" "Error server is not exist!!" "silent device message"
# 0.8 s of search, then 101 ticks of 50 ms.
expect_between "$CLI_MS" 5500 7500 "time to give up (ms)"

e2e_cli verify 10.66.0.99 <<<"admin"
expect_eq "$CLI_CODE" 1 "absent device"
expect_eq "$CLI_ERR" "no device answered at 10.66.0.99" "absent device message"

before=$(wc -l <"$NETNS_TMP/dev1.log")
e2e_cli verify 10.66.0.11 <<<"12345678901234567"
expect_eq "$CLI_CODE" 2 "overlong password"
expect_contains "$CLI_ERR" "longer than 16" "overlong password message"
expect_eq "$(wc -l <"$NETNS_TMP/dev1.log")" "$before" "nothing sent for an overlong password"
echo "PASS"
