#!/usr/bin/env bash
# With another program bound to CLIENT_PORT the search reports the bind failure and still
# ends by its time-out, about 0.8 s after the start.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA
# A second simulated device in the pc namespace, listening on 1211, holds the port.
netns_start pc "$NETNS_TMP/holder.log" "$DEVICE" --http 0 --port-device 1211
netns_wait_for "$NETNS_TMP/holder.log" '^ready' || fail "the port holder did not start"

e2e_cli discover
expect_eq "$CLI_CODE" 1 "exit code"
expect_contains "$CLI_ERR" $'Failed to bind CLIENT_PORT!\nError Code' "message"
expect_between "$CLI_MS" 750 2000 "time to the end of the search (ms)"
expect_lacks "$CLI_OUT" ALPHA "nothing heard without the port"
echo "PASS"
