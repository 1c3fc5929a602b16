#!/usr/bin/env bash
# A PC whose name is in no hosts file, on a LAN whose name server never answers: the search
# neither waits on the resolver nor asks it anything (resolving our own name used to cost
# seconds per exchange and sent that name out).
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA
netns_add dns 10.66.0.53 || fail "cannot create the name server's namespace"
# A name server that takes every query and answers none; it logs one line per datagram.
netns_start dns "$NETNS_TMP/dns.log" python3 -u -c '
import socket
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("0.0.0.0", 53))
print("ready", flush=True)
while True:
    data, peer = s.recvfrom(4096)
    print("query from", peer[0], len(data), flush=True)'
netns_wait_for "$NETNS_TMP/dns.log" '^ready' || fail "the name server did not start"
pc=$(netns_name pc)
printf '127.0.0.1 localhost\n' >"/etc/netns/$pc/hosts"
printf 'nameserver 10.66.0.53\noptions timeout:5 attempts:2\n' >"/etc/netns/$pc/resolv.conf"

e2e_cli discover
expect_eq "$CLI_CODE" 0 "exit code"
expect_contains "$CLI_OUT" "ALPHA" "the device is listed"
# A resolver wait is 5 s a try here; a search window is under one.
[ "$CLI_MS" -lt 3000 ] || fail "discover took $CLI_MS ms"
queries=$(grep -c '^query' "$NETNS_TMP/dns.log")
expect_eq "$queries" 0 "queries the name server received"
echo "PASS"
