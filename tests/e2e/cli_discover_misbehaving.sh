#!/usr/bin/env bash
# A search lists a device that answers twice once, and leaves out a device that answers after
# the 0.8 s window and one whose reply names another PC in its address field. An answer sent
# by broadcast, which reaches each of the client's listening sockets, counts once. The window
# itself ends about 0.8 s after the start, with the real 50 ms ticks.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device twice 10.66.0.21 --name TWICE --duplicate
e2e_start_device late 10.66.0.22 --name LATE --delay 1200
e2e_start_device foreign 10.66.0.23 --name FOREIGN --foreign-address 10.66.0.99
e2e_start_device good 10.66.0.24 --name GOOD --delay 100

netns_add loud 10.66.0.25 || fail "cannot create the broadcasting host"
netns_start loud "$NETNS_TMP/loud.log" /usr/bin/python3 -c "
import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
time.sleep(0.3)
s.sendto(b'%-15s%-10ssys.hostname=LOUD\\0' % (b'$NETNS_PC_ADDRESS', b'GETOK'), ('255.255.255.255', 1211))
print('sent')"

e2e_cli discover --stats
expect_eq "$CLI_CODE" 0 "exit code"
expect_eq "$(grep -c LOUD <<<"$CLI_OUT")" 1 "an answer by broadcast is listed once"
expect_eq "$(grep -c TWICE <<<"$CLI_OUT")" 1 "a duplicate answer is listed once"
expect_contains "$CLI_OUT" GOOD "listed"
expect_lacks "$CLI_OUT" LATE "late device"
expect_lacks "$CLI_OUT" FOREIGN "foreign address field"
expect_contains "$CLI_ERR" "listed 3, replies 4," "stats"
window=$(sed -n 's/.*window \([0-9]*\) ms.*/\1/p' <<<"$CLI_ERR")
expect_between "$window" 780 1000 "window length (ms)"

# The devices did answer: what was left out was left out by the client.
grep -q '^sent' "$NETNS_TMP/loud.log" || fail "the broadcast answer was not sent"
netns_wait_for "$NETNS_TMP/late.log" '^send .*GETOK' 3 || fail "the late device never answered"
expect_eq "$(grep -c '^send .*GETOK' "$NETNS_TMP/twice.log")" 2 "duplicate replies sent"
grep -q '^send .*10\.66\.0\.99 *GETOK' "$NETNS_TMP/foreign.log" ||
  fail "the foreign-address reply was not sent"
echo "PASS"
