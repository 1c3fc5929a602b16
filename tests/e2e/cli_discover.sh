#!/usr/bin/env bash
# Two devices answering one search are both listed, in arrival order, by name, address,
# addressing mode and hardware address; the JSON form carries each settings text verbatim.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA --delay 200
e2e_start_device dev2 10.66.0.12 --name BETA

e2e_cli discover
expect_eq "$CLI_CODE" 0 "exit code"
mapfile -t lines <<<"$CLI_OUT"
expect_eq "${#lines[@]}" 3 "heading and two lines"
read -r name address mode mac <<<"${lines[1]}"
expect_eq "$name $address" "BETA 10.66.0.12" "first to answer"
[[ "$mode" == fixed || "$mode" == DHCP ]] || fail "addressing mode: $mode"
[ -n "$mac" ] || fail "hardware address missing: ${lines[1]}"
expect_contains "${lines[2]}" "ALPHA" "second line"
expect_contains "${lines[2]}" "10.66.0.11" "second line"

e2e_cli discover --json
expect_eq "$CLI_CODE" 0 "exit code of --json"
expect_eq "$(jq -r '[.[].name] | join(",")' <<<"$CLI_OUT")" "BETA,ALPHA" "names in JSON"
sent=$(grep -m1 '^send .* GETOK' "$NETNS_TMP/dev2.log" | sed 's/^send [^:]*:[^:]*: .\{25\}//')
[ -n "$sent" ] || fail "no GETOK in the device log"
expect_eq "$(e2e_settings_of 10.66.0.12)" "$sent" "settings text as the device sent it"
echo "PASS"
