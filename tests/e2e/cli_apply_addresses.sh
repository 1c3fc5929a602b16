#!/usr/bin/env bash
# The new fixed addresses of a devices file: two devices swapping addresses are refused when the
# file is read, before any datagram; a device moving into the address another entry leaves is
# saved only after that one has moved, and both answer where they were sent; an address a third
# host holds is named with that host's hardware address, and apply sends the device nothing.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

moving=(--apply-network --restart-ms 300)
e2e_start_device dev1 10.66.0.11 --name ANNA "${moving[@]}"
e2e_start_device dev2 10.66.0.12 --name BERT "${moving[@]}"
netns_add third 10.66.0.66 || fail "cannot create the third host"
third_mac=$(netns_exec third cat /sys/class/net/eth0/address)

devices=(dev1 dev2)
declare -A mark
mark_all() { for dev in "${devices[@]}"; do mark[$dev]=$(wc -l <"$NETNS_TMP/$dev.log"); done; }
received_since() { tail -n +"$((mark[$1] + 1))" "$NETNS_TMP/$1.log" | grep '^recv'; }
write_file() { printf '{"devices": [\n%s\n]}\n' "$1" >"$NETNS_TMP/$2"; }

# (a) A swap has no order of saves: refused at the file, nothing at all sent.
write_file '  {"address": "10.66.0.11", "settings": {"nwk.ipaddr": "10.66.0.12"}},
  {"address": "10.66.0.12", "settings": {"nwk.ipaddr": "10.66.0.11"}}' swap.json
mark_all
e2e_cli apply -v "$NETNS_TMP/swap.json" <<<"admin"
expect_eq "$CLI_CODE" 2 "a swap"
expect_contains "$CLI_ERR" "swap.json:2:42: address 10.66.0.11 to 10.66.0.12, address 10.66.0.12 to 10.66.0.11: " \
  "the refusal names both entries at the first"
expect_lacks "$CLI_ERR" "sent " "not even the search"
for dev in "${devices[@]}"; do
  expect_eq "$(received_since "$dev")" "" "$dev: nothing received after a swap"
done

# (c) An address a third host holds: named by its hardware address; no VERIFY, no SET.
write_file '  {"address": "10.66.0.11", "settings": {"nwk.ipaddr": "10.66.0.66"}}' taken.json
e2e_cli apply --check --json "$NETNS_TMP/taken.json"
expect_eq "$CLI_CODE" 3 "--check of a taken address"
expect_eq "$(jq -r '.[0].address_findings[0] | "\(.problem) \(.address) \(.holder_mac)"' <<<"$CLI_OUT")" \
  "in-use 10.66.0.66 $third_mac" "the finding in the JSON"
e2e_cli apply --check "$NETNS_TMP/taken.json"
expect_contains "$CLI_OUT" "! Another host ($third_mac) already answers at 10.66.0.66." "the plan names the holder"
mark_all
e2e_cli apply "$NETNS_TMP/taken.json" <<<"admin"
expect_eq "$CLI_CODE" 3 "apply into a taken address"
expect_contains "$CLI_OUT" "failed: its new address would not work (--force saves anyway)" "the table says why"
expect_eq "$(received_since dev1 | grep -c 'VERIFY\| SET ')" 0 "nothing but the search to the device"
e2e_cli set 10.66.0.11 nwk.ipaddr=10.66.0.66 <<<"admin"
expect_eq "$CLI_CODE" 3 "set into a taken address"
expect_contains "$CLI_ERR" "$third_mac" "set names the holder"
expect_eq "$(received_since dev1 | grep -c 'VERIFY\| SET ')" 0 "set sent nothing but the search"

# (b) BERT moves into the address ANNA leaves, written first: ANNA is saved and found at her new
# address before BERT gets his SET; his address is not probed, since ANNA leaves it.
write_file '  {"address": "10.66.0.12", "settings": {"nwk.ipaddr": "10.66.0.11"}},
  {"address": "10.66.0.11", "settings": {"nwk.ipaddr": "10.66.0.31"}}' chain.json
e2e_cli apply -v --wait 10 --json "$NETNS_TMP/chain.json" <<<"admin"
expect_eq "$CLI_CODE" 0 "a move into a leaving address"
expect_eq "$(jq -r 'map("\(.result) \(.now_at)") | join(",")' <<<"$CLI_OUT")" \
  "changed 10.66.0.11,changed 10.66.0.31" "both found where they were sent"
sets=$(grep -o 'sent SET .* to 10\.66\.0\.1[12]' <<<"$CLI_ERR" | grep -o '10\.66\.0\.1[12]$' | paste -sd ' ')
expect_eq "$sets" "10.66.0.11 10.66.0.12" "ANNA saved before BERT"
grep -q '^move 10.66.0.11 > 10.66.0.31$' "$NETNS_TMP/dev1.log" || fail "ANNA did not move"
grep -q '^move 10.66.0.12 > 10.66.0.11$' "$NETNS_TMP/dev2.log" || fail "BERT did not move"
e2e_cli discover --json
expect_eq "$(jq -r 'sort_by(.address) | map("\(.name)@\(.address)") | join(" ")' <<<"$CLI_OUT")" \
  "BERT@10.66.0.11 ANNA@10.66.0.31" "both answer at their new addresses"
echo "PASS"
