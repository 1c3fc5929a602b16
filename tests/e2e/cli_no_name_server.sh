#!/usr/bin/env bash
# A PC whose name is in no hosts file, on a LAN whose name server never answers: the search
# neither waits on the resolver nor asks it anything (resolving our own name used to cost
# seconds per exchange and sent that name out).
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA
e2e_silent_name_server 10.66.0.53

e2e_cli discover
expect_eq "$CLI_CODE" 0 "exit code"
expect_contains "$CLI_OUT" "ALPHA" "the device is listed"
# A resolver wait is 5 s a try here; a search window is under one.
[ "$CLI_MS" -lt 3000 ] || fail "discover took $CLI_MS ms"
queries=$(grep -c '^query' "$NETNS_TMP/dns.log")
expect_eq "$queries" 0 "queries the name server received"
echo "PASS"
