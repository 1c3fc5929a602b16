# shellcheck shell=bash
# A desktop session in the pc namespace, as the wizard finds one on a user's PC: a session bus
# (so GVfs starts on first use and mounts shares under $XDG_RUNTIME_DIR/gvfs) and the
# accessibility bus, through which a test reads what a window shows. Source after
# e2e.sh. The session touches no display: Qt finds the accessibility bus through the session
# bus, so a user's own desktop is never joined.
#
#   session_usable             true when every program a session needs is installed; else
#                              says which one is missing
#   session_start              the session; sets SESSION_ENV, the VAR=VALUE words a program
#                              needs to join it (walk_start_wizard LOG "${SESSION_ENV[@]}")
#   session_exec CMD...        runs CMD in the pc namespace inside the session
#   session_labels CAPTION     prints the texts the window's labels, list and buttons show, one a
#                              line
#   session_share_mounts       prints the session's SMB mounts, one a line (gio mount -l)
#   session_read_share SERVER SHARE/PATH   prints a file through the share's mount
#   session_stop               ends the session, and with it GVfs and its mounts
#
# The bus sockets are abstract, so they exist only in the pc namespace, and GVfs's FUSE folder
# is mounted in the session's own mount namespace (`ip netns exec` makes one per call):
# session_exec enters both.

kSessionLib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
readonly kSessionLib
readonly kSessionPython=/usr/bin/python3  # pyatspi is Debian's, not another interpreter's
readonly kSessionA11yLauncher=/usr/libexec/at-spi-bus-launcher
SESSION_ENV=()
SESSION_PID=
SESSION_SHELL=  # a process inside the session's namespaces

session_usable() {
  local tool
  for tool in dbus-run-session gio /usr/libexec/gvfsd /usr/libexec/gvfsd-smb \
    /usr/libexec/gvfsd-fuse "$kSessionA11yLauncher" "$kSessionPython"; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; return 1; }
  done
  "$kSessionPython" -c 'import pyatspi' 2>/dev/null ||
    { echo "python3-pyatspi is missing"; return 1; }
}

session_start() {
  local run=$NETNS_TMP/runtime i address
  mkdir -p "$run" && chmod 700 "$run" || return 1
  mkfifo "$NETNS_TMP/session.stop" || return 1
  # A name no hosts line gives fails at once, as a LAN's name server answers, instead of
  # waiting on this machine's server, which the namespaces cannot reach.
  echo "nameserver 127.0.0.1" >"/etc/netns/$(netns_name pc)/resolv.conf" || return 1
  # The session lasts until session_stop writes a line into the fifo.
  # shellcheck disable=SC2016 # expanded by the session's shell
  netns_start pc "$NETNS_TMP/session.log" env -u DISPLAY XDG_RUNTIME_DIR="$run" \
    dbus-run-session -- bash -c '
      echo "$$ $DBUS_SESSION_BUS_ADDRESS" >"$1.tmp" && mv "$1.tmp" "$1"
      "$2" --launch-immediately &
      read -r _ <"$3"
      kill $! 2>/dev/null' session "$NETNS_TMP/session.bus" "$kSessionA11yLauncher" \
    "$NETNS_TMP/session.stop"
  SESSION_PID=${NETNS_PIDS[-1]}
  for ((i = 0; i < 100; i++)); do
    if [ -s "$NETNS_TMP/session.bus" ]; then
      read -r SESSION_SHELL address <"$NETNS_TMP/session.bus"
      SESSION_ENV=(XDG_RUNTIME_DIR="$run" DBUS_SESSION_BUS_ADDRESS="$address"
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
      return 0
    fi
    sleep 0.05
  done
  echo "the session bus did not start:" >&2
  cat "$NETNS_TMP/session.log" >&2
  return 1
}

session_exec() {
  nsenter --target "$SESSION_SHELL" --mount --net -- env "${SESSION_ENV[@]}" "$@"
}

session_labels() {
  session_exec "$kSessionPython" "$kSessionLib/read_labels.py" "$1"
}

session_share_mounts() {
  session_exec gio mount -l 2>/dev/null | grep -o 'smb://[^ ]*' | sort
}

# GVfs's FUSE bridge answers a share mounted a moment ago with I/O errors for a few seconds.
session_read_share() {
  local share=${2%%/*} i
  for ((i = 0; i < 50; i++)); do
    session_exec cat "$NETNS_TMP/runtime/gvfs/smb-share:server=$1,share=$share/${2#*/}" \
      2>/dev/null && return 0
    sleep 0.2
  done
  echo "cannot read $2 on $1 through its mount" >&2
  return 1
}

session_stop() {
  [ -n "$SESSION_PID" ] || return 0
  echo stop >"$NETNS_TMP/session.stop" &
  local i
  for ((i = 0; i < 100; i++)); do
    kill -0 "$SESSION_PID" 2>/dev/null || break
    sleep 0.05
  done
  SESSION_PID=
}

# session_test_begin [TOOL...]: the start of a test walked in a desktop session. Skipped (77)
# without xdotool, Xvfb, the TOOLs or what a session needs; then the namespaces, removed with
# the session when the test ends.
session_test_begin() {
  local tool missing
  for tool in xdotool Xvfb "$@"; do
    command -v "$tool" >/dev/null ||
      { echo "SKIPPED: $tool is missing (make deps installs it)" >&2; exit 77; }
  done
  missing=$(session_usable) || { echo "SKIPPED: $missing (make deps installs it)" >&2; exit 77; }
  e2e_begin
  trap 'session_stop; netns_cleanup' EXIT
}
