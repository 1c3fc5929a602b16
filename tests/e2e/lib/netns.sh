# Private network namespaces for end-to-end tests; source this file.
#
# Every program that sends a datagram runs inside namespaces made here: one bridge namespace,
# a "pc" namespace and one namespace per device group, each joined to the bridge by a veth.
# Nothing is left behind: the EXIT trap stops the programs started here and removes the
# namespaces and their /etc/netns entries. Names carry the shell's PID, so tests run in
# parallel without meeting.
#
#   netns_require            exit 77 (skipped) unless root with a working `ip netns`
#   netns_setup              bridge and pc namespace; pc gets $NETNS_PC_ADDRESS
#   netns_add NAME ADDRESS   a namespace joined to the bridge with ADDRESS/16
#   netns_add_addresses NAME FIRST COUNT   COUNT more consecutive addresses on NAME's link
#   netns_segment BRIDGE     another segment: a bridge BRIDGE beside br0, joined to nothing yet
#   netns_attach NAME IFNAME BRIDGE ADDRESS/PREFIX   one more interface of namespace NAME (made
#                            when new) on BRIDGE's segment; routes are the caller's
#   netns_exec NAME CMD...   runs CMD inside namespace NAME
#   netns_start NAME LOG CMD...   runs CMD in the background inside NAME, output to LOG
#   netns_wait_for LOG PATTERN [SECONDS]   waits until LOG has a line matching PATTERN
#   ipv4_add ADDRESS N       prints ADDRESS + N

NETNS_SKIP=77
NETNS_PREFIX="tbx-$$"
NETNS_PC_ADDRESS=10.66.0.1
NETNS_PREFIX_LENGTH=16
NETNS_NAMES=()
NETNS_PIDS=()
NETNS_TMP=""

netns_log() { echo "[$(date +%T.%3N)] $*" >&2; }

netns_require() {
  if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: end-to-end tests need root to create network namespaces" >&2
    exit "$NETNS_SKIP"
  fi
  if ! command -v ip >/dev/null || ! ip netns list >/dev/null 2>&1; then
    echo "SKIPPED: 'ip netns' is not available (install iproute2)" >&2
    exit "$NETNS_SKIP"
  fi
  local probe="$NETNS_PREFIX-probe"
  if ! ip netns add "$probe" 2>/dev/null; then
    echo "SKIPPED: this system does not allow creating network namespaces" >&2
    exit "$NETNS_SKIP"
  fi
  ip netns del "$probe"
}

netns_name() { echo "$NETNS_PREFIX-$1"; }

netns_cleanup() {
  local pid ns
  for pid in "${NETNS_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${NETNS_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  for ns in "${NETNS_NAMES[@]}"; do
    # Whatever a test started in its own namespaces ends with them.
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -9 "$pid" 2>/dev/null; done
    ip netns del "$ns" 2>/dev/null
    rm -rf "/etc/netns/$ns"
  done
  [ -n "$NETNS_TMP" ] && rm -rf "$NETNS_TMP"
  NETNS_PIDS=()
  NETNS_NAMES=()
}

netns_create() {
  local ns
  ns=$(netns_name "$1")
  ip netns add "$ns" || return 1
  NETNS_NAMES+=("$ns")
  ip -n "$ns" link set lo up
}

netns_setup() {
  trap netns_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  NETNS_TMP=$(mktemp -d "/tmp/$NETNS_PREFIX.XXXXXX")
  netns_create br || return 1
  ip -n "$(netns_name br)" link add br0 type bridge
  ip -n "$(netns_name br)" link set br0 up
  netns_add pc "$NETNS_PC_ADDRESS" || return 1
  # The host name resolves to the pc's address inside its namespace, as on a real LAN.
  mkdir -p "/etc/netns/$(netns_name pc)"
  printf '127.0.0.1 localhost\n%s %s\n' "$NETNS_PC_ADDRESS" "$(hostname)" \
    >"/etc/netns/$(netns_name pc)/hosts"
}

netns_add() {
  local name=$1 address=$2 ns bridge port
  ns=$(netns_name "$name")
  bridge=$(netns_name br)
  port="v-$name"  # a bare name could be one of ip's keywords ("dev")
  netns_create "$name" || return 1
  ip -n "$ns" link add eth0 type veth peer name "$port" netns "$bridge" || return 1
  ip -n "$bridge" link set "$port" master br0
  ip -n "$bridge" link set "$port" up
  ip -n "$ns" addr add "$address/$NETNS_PREFIX_LENGTH" dev eth0
  ip -n "$ns" link set eth0 up
  # Without a route a send to 255.255.255.255 fails with ENETUNREACH.
  ip -n "$ns" route add default dev eth0
}

netns_segment() {
  ip -n "$(netns_name br)" link add "$1" type bridge || return 1
  ip -n "$(netns_name br)" link set "$1" up
}

netns_attach() {
  local name=$1 ifname=$2 bridge=$3 address=$4 ns port
  ns=$(netns_name "$name")
  port="v-$name-$ifname"
  [ -e "/run/netns/$ns" ] || netns_create "$name" || return 1
  ip -n "$ns" link add "$ifname" type veth peer name "$port" netns "$(netns_name br)" || return 1
  ip -n "$(netns_name br)" link set "$port" master "$bridge"
  ip -n "$(netns_name br)" link set "$port" up
  ip -n "$ns" addr add "$address" dev "$ifname"
  ip -n "$ns" link set "$ifname" up
}

ipv4_add() {
  local a b c d n
  IFS=. read -r a b c d <<<"$1"
  n=$(((a << 24 | b << 16 | c << 8 | d) + $2))
  echo "$((n >> 24 & 255)).$((n >> 16 & 255)).$((n >> 8 & 255)).$((n & 255))"
}

netns_add_addresses() {
  local ns i
  ns=$(netns_name "$1")
  for ((i = 0; i < $3; i++)); do
    echo "address add $(ipv4_add "$2" "$i")/$NETNS_PREFIX_LENGTH dev eth0"
  done | ip -n "$ns" -batch -
}

netns_exec() {
  local ns
  ns=$(netns_name "$1")
  shift
  ip netns exec "$ns" "$@"
}

netns_start() {
  local name=$1 log=$2
  shift 2
  netns_exec "$name" "$@" >"$log" 2>&1 &
  NETNS_PIDS+=("$!")
}

netns_wait_for() {
  local log=$1 pattern=$2 seconds=${3:-5} i
  for ((i = 0; i < seconds * 20; i++)); do
    grep -q -- "$pattern" "$log" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "timed out waiting for '$pattern' in $log:" >&2
  cat "$log" >&2
  return 1
}
