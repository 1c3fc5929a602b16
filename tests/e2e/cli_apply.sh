#!/usr/bin/env bash
# apply on four devices over two segments: one moves to a new fixed address, one switches to
# DHCP, one has another password, one is already as the file says. --check sends nothing after
# the search; apply changes two, fails one, leaves one, and finds the moved two where they are
# now; a run that fixes the password changes only that one; a run after it sends only the search.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

netns_segment br1 || fail "cannot create the second segment"
netns_attach pc eth1 br1 10.77.0.1/16 || fail "cannot give the pc a second interface"
moving=(--apply-network --restart-ms 300)
e2e_start_device dev1 10.66.0.11 --name MOVER "${moving[@]}"
netns_attach dev2 eth0 br1 10.77.0.12/16 || fail "cannot create dev2's namespace"
netns_exec dev2 ip route add default dev eth0
e2e_run_device dev2 --name LEASER "${moving[@]}" --dhcp-pool 10.77.0.200-10.77.0.209
e2e_start_device dev3 10.66.0.13 --name GUARDED --password other
netns_attach dev4 eth0 br1 10.77.0.14/16 || fail "cannot create dev4's namespace"
netns_exec dev4 ip route add default dev eth0
e2e_run_device dev4 --name STEADY

# The simulated devices' hardware addresses follow from their first addresses.
cat >"$NETNS_TMP/devices.json" <<'JSON'
{"devices": [
  {"mac": "02:4C:0A:42:00:0B", "settings": {"nwk.ipaddr": "10.66.0.111"}},
  {"address": "10.77.0.12", "settings": {"nwk.bootproto": "dhcp"}},
  {"name": "GUARDED", "settings": {"sys.hostname": "OPENED"}},
  {"mac": "02:4c:0a:4d:00:0e", "settings": {"sys.hostname": "STEADY"}}
]}
JSON

log_mark() { wc -l <"$NETNS_TMP/$1.log"; }
received_since() { tail -n +"$(($2 + 1))" "$NETNS_TMP/$1.log" | grep '^recv'; }
devices=(dev1 dev2 dev3 dev4)
declare -A mark
mark_all() { for dev in "${devices[@]}"; do mark[$dev]=$(log_mark "$dev"); done; }
# expect_only_search WHAT: since the marks, each device received the one search, nothing else.
expect_only_search() {
  local received
  for dev in "${devices[@]}"; do
    received=$(received_since "$dev" "${mark[$dev]}")
    expect_eq "$(wc -l <<<"$received")" 1 "$1: $dev received one datagram"
    expect_contains "$received" "24 bytes: 255.255.255.255Tamberlyx" "$1: $dev got the search"
  done
}

mark_all
e2e_cli apply --every-interface --check "$NETNS_TMP/devices.json" <<<"admin"
expect_eq "$CLI_CODE" 0 "--check"
expect_contains "$CLI_OUT" "- nwk.ipaddr=10.66.0.11" "--check shows the old address"
expect_contains "$CLI_OUT" "+ nwk.ipaddr=10.66.0.111" "--check shows the new address"
expect_contains "$CLI_OUT" "+ nwk.bootproto=dhcp" "--check shows the switch to DHCP"
expect_lacks "$CLI_OUT" "sys.hostname=STEADY" "--check shows no difference for the device as the file says"
expect_only_search "--check"

mark_all
e2e_cli apply --every-interface --json "$NETNS_TMP/devices.json" <<<"admin"
expect_eq "$CLI_CODE" 1 "apply with one wrong password"
expect_eq "$(jq -r 'map(.result) | join(",")' <<<"$CLI_OUT")" "changed,changed,failed,unchanged" \
  "results in the file's order"
expect_eq "$(jq -r '.[0].now_at, .[1].now_at' <<<"$CLI_OUT" | paste -sd ' ')" \
  "10.66.0.111 10.77.0.200" "the moved devices found where they are now"
expect_eq "$(jq -r '.[0].changes[0] | "\(.key) \(.old) \(.new)"' <<<"$CLI_OUT")" \
  "nwk.ipaddr 10.66.0.11 10.66.0.111" "the change, old and new"
expect_contains "$(jq -r '.[2].error' <<<"$CLI_OUT")" "password" "the failure names the password"
expect_lacks "$CLI_OUT" "admin" "no password in the report"
grep -q '^move 10.66.0.11 > 10.66.0.111$' "$NETNS_TMP/dev1.log" || fail "dev1 did not move"
grep -q '^move 10.77.0.12 > 10.77.0.200$' "$NETNS_TMP/dev2.log" || fail "dev2 took no lease"
received=$(received_since dev4 "${mark[dev4]}")
expect_eq "$(grep -c 'VERIFY\| SET ' <<<"$received")" 0 "nothing but searches to the unchanged one"
grep -q ' SET ' <(received_since dev3 "${mark[dev3]}") && fail "SET after a refused password"

# The same devices named by what a save does not change, the guarded one with its own password.
printf 'other\n' >"$NETNS_TMP/guarded.pw"
chmod 600 "$NETNS_TMP/guarded.pw"
jq '.devices[1] = {"mac": "02:4c:0a:4d:00:0c", "settings": .devices[1].settings}
    | .devices[2] = {"mac": "02:4c:0a:42:00:0d", "password_file": "guarded.pw",
                     "settings": .devices[2].settings}' "$NETNS_TMP/devices.json" \
  >"$NETNS_TMP/fixed.json"
e2e_cli apply --every-interface --json "$NETNS_TMP/fixed.json" <<<"admin"
expect_eq "$CLI_CODE" 0 "apply with the right password"
expect_eq "$(jq -r 'map(.result) | join(",")' <<<"$CLI_OUT")" "unchanged,unchanged,changed,unchanged" \
  "only the guarded device changes"

chmod 644 "$NETNS_TMP/guarded.pw"
mark_all
e2e_cli apply --every-interface "$NETNS_TMP/fixed.json" <<<"admin"
expect_eq "$CLI_CODE" 2 "a password file others can read"
expect_contains "$CLI_ERR" "guarded.pw" "the refusal names the file"
for dev in "${devices[@]}"; do
  expect_eq "$(received_since "$dev" "${mark[$dev]}")" "" "$dev: nothing sent after a refusal"
done
chmod 600 "$NETNS_TMP/guarded.pw"

mark_all
e2e_cli apply --every-interface "$NETNS_TMP/fixed.json" <<<"admin"
expect_eq "$CLI_CODE" 0 "second run"
expect_eq "$(awk '$3 == "unchanged"' <<<"$CLI_OUT" | wc -l)" 4 "every device unchanged in the table"
expect_only_search "second run"
echo "PASS"
