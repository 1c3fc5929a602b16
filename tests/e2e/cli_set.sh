#!/usr/bin/env bash
# SET changes exactly the entries given: a search afterwards shows both new values and every
# other entry as before. A key the device does not report is refused before the password is
# sent.
source "$(dirname "$0")/lib/e2e.sh"
e2e_begin

e2e_start_device dev1 10.66.0.11 --name ALPHA

e2e_cli discover --json
before=$(e2e_settings_of 10.66.0.11)
[ -n "$before" ] || fail "device not found"

e2e_cli set 10.66.0.11 no.such.key=1 <<<"admin"
expect_eq "$CLI_CODE" 2 "unknown key"
expect_contains "$CLI_ERR" 'does not report the key "no.such.key"' "unknown key message"
grep -q 'VERIFY' "$NETNS_TMP/dev1.log" && fail "VERIFY sent despite a refused key"

LANG=C LC_ALL=C e2e_cli set 10.66.0.11 sys.hostname=RENAMED sys.dns=10.66.0.53 <<<"admin"
expect_eq "$CLI_CODE" 0 "set"
expect_eq "$CLI_OUT" "Configurations have saved successfully!" "set message"

e2e_cli discover --json
after=$(e2e_settings_of 10.66.0.11)
# The same text with the two entries (and the language entry) replaced in place.
expected=$(tr '&' '\n' <<<"$before" | sed -e 's/^sys\.hostname=.*/sys.hostname=RENAMED/' \
  -e 's/^sys\.dns=.*/sys.dns=10.66.0.53/' -e 's/^locale=.*/locale=en/' | paste -sd '&')
expect_eq "$after" "$expected" "settings after SET"
expect_eq "$(jq -r '.[0].name' <<<"$CLI_OUT")" RENAMED "listed name"
echo "PASS"
