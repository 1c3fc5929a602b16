#!/usr/bin/env bash
# A walk's display stays the wizard's however other X clients and servers come and go. First
# the display number is given to another X server in a network namespace of its own, where the
# walk's abstract socket does not keep it off: that server unlinks /tmp/.X11-unix/X<n> as it
# starts and as it ends. Then the last client leaves while Xvfb is held (as a busy machine holds
# it), and the wizard connects before Xvfb runs again. The wizard, in the pc namespace where
# only the socket file serves, opens its welcome dialog all the same.
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/wizard_walk.sh"
for tool in xdotool Xvfb unshare nsenter; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (make deps)" >&2; exit 77; }
done
e2e_begin
walk_start_xvfb || fail "cannot start Xvfb"

n=${DISPLAY#:}
unshare --net Xvfb ":$n" -displayfd 3 -screen 0 64x64x8 -nolisten tcp \
  3>"$NETNS_TMP/other.display" >"$NETNS_TMP/other.log" 2>&1 &
other=$!
netns_wait_for "$NETNS_TMP/other.display" "^$n\$" || fail "the other X server did not start"
kill "$other" && wait "$other"

xdotool getdisplaygeometry sleep 30 >"$NETNS_TMP/last-client" &
last=$!
netns_wait_for "$NETNS_TMP/last-client" . || fail "no client reached the display"
kill -STOP "$WALK_XVFB_PID"
{ kill -KILL "$last" && wait "$last"; } 2>/dev/null
walk_start_wizard "$NETNS_TMP/wizard.log" LANG=C.UTF-8 LANGUAGE= LC_ALL=
sleep 2  # the wizard's connection waits for Xvfb
kill -CONT "$WALK_XVFB_PID"

# A wizard without its display ends at once.
for _ in $(seq 100); do
  walk_find_window "$kWalkWelcome" >/dev/null || walk_wizard_ended && break
  sleep 0.1
done
walk_wizard_ended && { cat "$NETNS_TMP/wizard.log" >&2; fail "the wizard did not reach its display"; }
walk_quit || fail "the wizard did not end"
echo "PASS"
