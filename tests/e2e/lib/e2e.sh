# Shared steps of the end-to-end tests; source after setting TAMBERLYX_CLI and TAMBERLYX_DEVICE
# (CTest does). Builds on netns.sh.
# shellcheck source=netns.sh
source "$(dirname "${BASH_SOURCE[0]}")/netns.sh"

CLI=${TAMBERLYX_CLI:?TAMBERLYX_CLI names the tamberlyx-cli program}
DEVICE=${TAMBERLYX_DEVICE:?TAMBERLYX_DEVICE names the tamberlyx-device program}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

expect_eq() {
  [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
}

expect_contains() {
  [[ "$1" == *"$2"* ]] || fail "$3: '$2' not found in: $1"
}

expect_lacks() {
  [[ "$1" != *"$2"* ]] || fail "$3: '$2' unexpectedly found in: $1"
}

expect_between() {
  [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || fail "$4: $1 not within $2..$3"
}

# Devices answer at once unless a test says otherwise (a later --delay overrides this): the
# client must already listen when its request leaves.
E2E_DEVICE_DELAY_MS=0

# e2e_start_device NAME ADDRESS [tamberlyx-device options...]: a device namespace with one
# simulated device; its log is $NETNS_TMP/NAME.log.
e2e_start_device() {
  local name=$1 address=$2
  shift 2
  netns_add "$name" "$address" || fail "cannot create namespace $name"
  e2e_run_device "$name" "$@"
}

# e2e_run_device NAME [tamberlyx-device options...]: a simulated device in the existing
# namespace NAME; its log is $NETNS_TMP/NAME.log.
e2e_run_device() {
  local name=$1
  shift
  netns_start "$name" "$NETNS_TMP/$name.log" "$DEVICE" --http 0 --delay "$E2E_DEVICE_DELAY_MS" "$@"
  netns_wait_for "$NETNS_TMP/$name.log" '^ready' || fail "device $name did not start"
}

# e2e_cli [ARGS...] (standard input passes through): runs tamberlyx-cli in the pc namespace.
# Sets CLI_OUT, CLI_ERR, CLI_CODE and CLI_MS (wall time in milliseconds).
e2e_cli() {
  local start
  start=$(date +%s%N)
  netns_exec pc "$CLI" "$@" >"$NETNS_TMP/cli.out" 2>"$NETNS_TMP/cli.err"
  CLI_CODE=$?
  CLI_MS=$((($(date +%s%N) - start) / 1000000))
  CLI_OUT=$(<"$NETNS_TMP/cli.out")
  CLI_ERR=$(<"$NETNS_TMP/cli.err")
  netns_log "tamberlyx-cli $* -> exit $CLI_CODE in $CLI_MS ms"
}

# The settings text a device reports, as `discover --json` shows it.
e2e_settings_of() {
  jq -r --arg address "$1" '.[] | select(.address == $address) | .settings' <<<"$CLI_OUT"
}

# e2e_silent_name_server ADDRESS: a name server namespace that takes every query and answers
# none, logging one "query" line each to $NETNS_TMP/dns.log; the pc's name is then in no hosts
# file and the pc asks only that server.
e2e_silent_name_server() {
  netns_add dns "$1" || fail "cannot create the name server's namespace"
  netns_start dns "$NETNS_TMP/dns.log" python3 -u -c '
import socket
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("0.0.0.0", 53))
print("ready", flush=True)
while True:
    data, peer = s.recvfrom(4096)
    print("query from", peer[0], len(data), flush=True)'
  netns_wait_for "$NETNS_TMP/dns.log" '^ready' || fail "the name server did not start"
  local pc
  pc=$(netns_name pc)
  printf '127.0.0.1 localhost\n' >"/etc/netns/$pc/hosts"
  printf 'nameserver %s\noptions timeout:5 attempts:2\n' "$1" >"/etc/netns/$pc/resolv.conf"
}

e2e_begin() {
  netns_require
  netns_setup || fail "cannot set up the namespaces"
}
