#!/usr/bin/env bash
# When nothing answers, standard output stays the empty result a script expects, the exit
# status says the search ran, and standard error names where the search went, the firewall
# rule the answers need, what became of port 1211 and the options not used.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

netns_segment br1 || fail "cannot create the second segment"
netns_attach pc eth1 br1 10.77.0.1/16 || fail "cannot give the pc a second interface"

e2e_cli discover --every-interface
expect_eq "$CLI_CODE" 0 "exit status of a search that heard nothing"
[ -z "$CLI_OUT" ] || [ "$(wc -l <<<"$CLI_OUT")" = 1 ] || fail "a device line on stdout: $CLI_OUT"
expect_lacks "$CLI_OUT" "1211" "the hint stays off stdout"
expect_contains "$CLI_ERR" $'Searched:\n  255.255.255.255 out of eth0 (10.66.0.1)\n  255.255.255.255 out of eth1 (10.77.0.1)\n' \
  "interfaces searched"
expect_contains "$CLI_ERR" "nft add rule inet filter input udp dport 1211 accept" "nft rule"
expect_contains "$CLI_ERR" "UDP port 1211 was free" "port state"
expect_contains "$CLI_ERR" "try --address ADDRESS" "the option not used"
expect_lacks "$CLI_ERR" "try --every-interface" "the option used"

e2e_cli discover --json
expect_eq "$CLI_CODE" 0 "exit status with --json"
expect_eq "$CLI_OUT" "[]" "an empty JSON array"
expect_contains "$CLI_ERR" $'Searched:\n  255.255.255.255 out of eth0\n' "the plain broadcast's interface"
expect_contains "$CLI_ERR" "try --every-interface" "the option not used"

# Without a default route the plain broadcast cannot leave; the one named by interface can.
netns_exec pc ip route del default
e2e_cli discover
expect_contains "$CLI_ERR" "255.255.255.255 (no route out of this PC): the send failed" "no route"
e2e_cli discover --every-interface
expect_contains "$CLI_ERR" $'out of eth0 (10.66.0.1)\n  255.255.255.255 out of eth1 (10.77.0.1)\nEach' \
  "sent out of both interfaces without a route"
expect_lacks "$CLI_ERR" "failed" "no failed send"

# A simulated device in the pc namespace holds the port, as another program would.
netns_start pc "$NETNS_TMP/holder.log" "$DEVICE" --http 0 --port-device 1211
netns_wait_for "$NETNS_TMP/holder.log" '^ready' || fail "the port holder did not start"
e2e_cli discover --json
expect_eq "$CLI_OUT" "[]" "an empty JSON array with the port held"
expect_contains "$CLI_ERR" "UDP port 1211 is held by another program" "port held"
echo "PASS"
