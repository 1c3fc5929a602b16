#!/usr/bin/env bash
# A pc on two segments (its default route on the first, via a router) with a device on each
# and a third device behind the router. The plain search reaches the first segment only;
# --every-interface reaches both, each device once and with the interface it answered on;
# --address reaches the routed device; verify and set search the same way.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

netns_segment br1 && netns_segment br2 || fail "cannot create the segments"
netns_attach pc eth1 br1 10.77.0.1/16 || fail "cannot give the pc a second interface"
netns_attach router eth0 br0 10.66.0.254/16 && netns_attach router eth1 br2 10.88.0.254/16 ||
  fail "cannot create the router"
netns_exec router sysctl -q -w net.ipv4.ip_forward=1
netns_exec pc ip route replace default via 10.66.0.254 dev eth0
netns_attach dev3 eth0 br2 10.88.0.3/16 || fail "cannot create the routed device's namespace"
netns_exec dev3 ip route add default via 10.88.0.254

e2e_start_device dev1 10.66.0.11 --name SEG1
netns_attach dev2 eth0 br1 10.77.0.12/16 || fail "cannot create the second segment's device"
e2e_run_device dev2 --name SEG2
e2e_run_device dev3 --name ROUTED

# log_mark NAME / received_since NAME MARK: what the device received after the mark.
log_mark() { wc -l <"$NETNS_TMP/$1.log"; }
received_since() { tail -n +"$(($2 + 1))" "$NETNS_TMP/$1.log" | grep '^recv'; }
listed() { awk -v name="$1" '$0 ~ name' <<<"$CLI_OUT"; }

e2e_cli discover
expect_eq "$CLI_CODE" 0 "plain search"
expect_contains "$CLI_OUT" SEG1 "plain search: the first segment's device"
expect_lacks "$CLI_OUT" SEG2 "plain search: the second segment is not reached"
expect_lacks "$CLI_OUT" ROUTED "plain search: nothing behind the router"
expect_lacks "$CLI_OUT" INTERFACE "plain search keeps its table"

mark1=$(log_mark dev1) mark2=$(log_mark dev2)
e2e_cli discover --every-interface
expect_eq "$CLI_CODE" 0 "--every-interface"
expect_eq "$(grep -c SEG <<<"$CLI_OUT")" 2 "each segment's device listed once"
read -r interface1 name1 _ <<<"$(listed SEG1)"
read -r interface2 name2 _ <<<"$(listed SEG2)"
expect_eq "$interface1 $name1" "eth0 SEG1" "first segment's device and its interface"
expect_eq "$interface2 $name2" "eth1 SEG2" "second segment's device and its interface"
expect_lacks "$CLI_OUT" ROUTED "--every-interface does not cross the router"
for dev in dev1 dev2; do
  mark=$([ $dev = dev1 ] && echo "$mark1" || echo "$mark2")
  received=$(received_since $dev "$mark")
  expect_eq "$(wc -l <<<"$received")" 1 "$dev received one search"
  expect_contains "$received" "> 255.255.255.255 24 bytes: 255.255.255.255Tamberlyx" \
    "$dev received the 24-byte search as a limited broadcast"
done
expect_contains "$(received_since dev2 "$mark2")" "recv 10.77.0.1:" "sent from eth1's address"

e2e_cli discover --every-interface --json
expect_eq "$(jq -r 'map("\(.name)@\(.interface)") | sort | join(",")' <<<"$CLI_OUT")" \
  "SEG1@eth0,SEG2@eth1" "JSON names the interfaces"

e2e_cli discover --address 10.88.0.3
expect_eq "$CLI_CODE" 0 "--address"
read -r interface3 name3 address3 _ <<<"$(listed ROUTED)"
expect_eq "$interface3 $name3 $address3" "eth0 ROUTED 10.88.0.3" "the routed device"
expect_contains "$CLI_OUT" SEG1 "the broadcast still goes out with --address"

e2e_cli verify --address 10.88.0.3 10.88.0.3 <<<"admin"
expect_eq "$CLI_CODE" 0 "verify through the router"

e2e_cli set 10.77.0.12 sys.hostname=NEVER <<<"admin"
expect_eq "$CLI_CODE" 1 "set without --every-interface does not find the second segment"
e2e_cli set --every-interface 10.77.0.12 sys.hostname=SEG2NEW <<<"admin"
expect_eq "$CLI_CODE" 0 "set --every-interface"
grep -q '^recv 10.77.0.1:.* SET ' "$NETNS_TMP/dev2.log" || fail "dev2 received no SET"
e2e_cli discover --every-interface --json
expect_eq "$(jq -r '.[] | select(.address == "10.77.0.12") | .name' <<<"$CLI_OUT")" SEG2NEW \
  "the second segment's device took the new name"
echo "PASS"
