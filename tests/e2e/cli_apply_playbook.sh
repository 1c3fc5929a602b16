#!/usr/bin/env bash
# The example playbook, run by ansible-playbook inside the pc namespace (connection local) for
# two sites, one device on each of the pc's segments: --check reports both sites changed and
# sends no VERIFY; the first real run changes both, the second neither.
source "$(dirname "$0")/lib/e2e.sh"
if ! command -v ansible-playbook >/dev/null; then
  echo "SKIPPED: ansible-playbook is missing (Debian ansible-core)" >&2
  exit 77
fi
e2e_begin

playbook="$(cd "$(dirname "$0")/../.." && pwd)/docs/examples/apply.yml"
netns_segment br1 || fail "cannot create the second segment"
netns_attach pc eth1 br1 10.77.0.1/16 || fail "cannot give the pc a second interface"
e2e_start_device dev1 10.66.0.11 --name FRONT
netns_attach dev2 eth0 br1 10.77.0.12/16 || fail "cannot create dev2's namespace"
e2e_run_device dev2 --name BACK

cat >"$NETNS_TMP/site-a.json" <<'JSON'
{"devices": [{"mac": "02:4c:0a:42:00:0b", "settings": {"sys.hostname": "ARCHIVE"}}]}
JSON
cat >"$NETNS_TMP/site-b.json" <<'JSON'
{"devices": [{"mac": "02:4c:0a:4d:00:0c", "settings": {"sys.hostname": "SCANS", "sys.dns": "10.77.0.53"}}]}
JSON
printf 'admin\n' >"$NETNS_TMP/admin.pw"
chmod 600 "$NETNS_TMP/admin.pw"
cat >"$NETNS_TMP/inventory.ini" <<INI
[tamberlyx_sites]
site_a tamberlyx_file=$NETNS_TMP/site-a.json
site_b tamberlyx_file=$NETNS_TMP/site-b.json tamberlyx_options='["--every-interface"]'

[tamberlyx_sites:vars]
ansible_connection=local
ansible_python_interpreter=/usr/bin/python3
tamberlyx_password_file=$NETNS_TMP/admin.pw
INI
mkdir -p "$NETNS_TMP/home"
touch "$NETNS_TMP/ansible.cfg"  # no configuration of this machine's

# run_playbook [OPTIONS...]: sets RECAP to "site_a changed=N site_b changed=M".
run_playbook() {
  # One fork: both sites' hosts are this one pc, and one program at a time holds the port.
  netns_exec pc env HOME="$NETNS_TMP/home" ANSIBLE_CONFIG="$NETNS_TMP/ansible.cfg" ANSIBLE_NOCOLOR=1 \
    ANSIBLE_LOCAL_TEMP="$NETNS_TMP/home/tmp" ansible-playbook --forks 1 \
    -i "$NETNS_TMP/inventory.ini" -e "tamberlyx_cli=$(realpath "$CLI")" "$@" "$playbook" \
    >"$NETNS_TMP/ansible.out" 2>&1
  PLAY_CODE=$?
  RECAP=$(sed -n 's/^\(site_[ab]\) *: .*\(changed=[0-9]*\).*/\1 \2/p' "$NETNS_TMP/ansible.out" |
    paste -sd ' ')
  netns_log "ansible-playbook $* -> exit $PLAY_CODE, $RECAP"
  [ "$PLAY_CODE" -eq 0 ] || { cat "$NETNS_TMP/ansible.out" >&2; fail "ansible-playbook $*"; }
}

run_playbook --check
expect_eq "$RECAP" "site_a changed=1 site_b changed=1" "--check: both sites would change"
grep -q 'VERIFY' "$NETNS_TMP/dev1.log" "$NETNS_TMP/dev2.log" && fail "--check sent VERIFY"

run_playbook
expect_eq "$RECAP" "site_a changed=1 site_b changed=1" "first run"
grep -q '^recv 10.77.0.1:.* SET ' "$NETNS_TMP/dev2.log" || fail "dev2 received no SET"

run_playbook
expect_eq "$RECAP" "site_a changed=0 site_b changed=0" "second run"
e2e_cli discover --every-interface --json
expect_eq "$(jq -r 'map(.name) | sort | join(",")' <<<"$CLI_OUT")" "ARCHIVE,SCANS" "new names"
echo "PASS"
