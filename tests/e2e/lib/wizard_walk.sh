# The wizard on a display, walked by keyboard from search to save; source after e2e.sh.
# Shared by tools/demo and tests/e2e/wizard_walk.sh.
#
# The display is an Xvfb of our own (or the caller's DISPLAY) reached through its unix socket
# in /tmp/.X11-unix: a filesystem socket works from inside the pc namespace, a TCP display
# would not. xdotool runs outside the namespaces; it only speaks X. Without a window manager
# `windowactivate` fails, so every key goes to a window given the focus with `windowfocus`.
#
# Our Xvfb's socket file lives in a /tmp/.X11-unix of its own, seen by Xvfb and by the pc's
# programs that use the display, not in the shared folder. There an X server is kept off a
# display number only by the abstract socket, which exists in one network namespace alone: a
# server given the same number in another namespace, or one given it as ours ends (which
# frees the abstract socket a moment before it unlinks its file), unlinks or replaces the
# file, and the wizard, which in the pc namespace reaches the display only through the file,
# cannot connect while xdotool out here still can. And it never resets: a server that resets
# when its last client leaves drops a client that connected before it noticed (a busy machine
# delays it), and the wizard connects right after the readiness check leaves.
#
#   walk_start_xvfb               an Xvfb on a display of its own; exports DISPLAY
#   walk_pc_exec CMD...           CMD in the pc namespace, seeing our Xvfb's socket file
#   walk_display_usable           true when a namespace reaches $DISPLAY (or $WAYLAND_DISPLAY)
#   walk_start_wizard LOG [VAR=VALUE...]   tamberlyx-setup in the pc namespace on the display
#   walk_window CAPTION [SECONDS] prints the id of the visible window with exactly that caption
#   walk_focus_leaves WID [SECONDS]   prints the window that takes the focus from WID
#   walk_keys WID KEY...          focuses WID and presses the keys (xdotool names)
#   walk_type WID TEXT            focuses WID and types TEXT
#   walk_shot WID NAME            with WALK_SHOTS set: saves WID as $WALK_SHOTS/NAME.png
#   wizard_walk                   the whole walk; WALK_* below say what it chooses
#   walk_settings NAME ADDRESS BOOTPROTO   a device's settings text, on a fixed day
#
# wizard_walk's choices, with their defaults:
#   WALK_SELECT=1           Down presses on Step 1's list (1: the second device)
#   WALK_WRONG_PASSWORD     typed first and refused (empty: no wrong try)
#   WALK_PASSWORD=admin     typed after that
#   WALK_NAME               Step 2's new server name (empty: unchanged)
#   WALK_ADDRESS            Step 2's new IP address (empty: unchanged)
#   WALK_MODE               Step 2's addressing by Tab and Space, before any edit: dhcp, or
#                           dhcp-and-back to a fixed address (empty: unchanged)
#   WALK_TICK_DRIVE_BOX     set: Step 4's "N/W Drive Make" is ticked before Save
#   WALK_TIME_ZONE_KEYS=Up  keys pressed in Step 3's time zone list
#   WALK_BEFORE_SAVE        a command run when Step 4 shows, before Save (empty: none)
#   WALK_AT_WARNING         a command run while the "Warning" box after Save shows; the box
#                           is then answered by Escape (Go back) and the walk ends on Step 2,
#                           its window in WALK_PAGE (empty: no such box is awaited)
#   WALK_AT_SAVED           a command run while the box after the save shows (empty: none)
#   WALK_SAVE_SECONDS=10    how long the box after the save may take (a moved device is
#                           followed first)
#   WALK_SUFFIX=en          appended to the PNG names

WIZARD=${TAMBERLYX_SETUP:?TAMBERLYX_SETUP names the tamberlyx-setup program}
WALK_KEY_DELAY_MS=30

readonly kWalkWelcome='Tamberlyx Link - Setup Wizard v1.60'
walk_page_caption() { echo "Tamberlyx Link - Setup Wizard (Step $1)"; }

walk_start_xvfb() {
  # Where the private folder is mounted; made as an X server would make it.
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix || return 1
  # Xvfb picks a display number free out here and writes it; its compiled keymap, named after
  # the number, is kept private too.
  # shellcheck disable=SC2016 # expanded by the inner shell
  unshare --mount --propagation slave sh -c 'mount -t tmpfs -o mode=1777 walk-x11 /tmp/.X11-unix &&
    mount -t tmpfs walk-xkb /var/lib/xkb && exec "$@"' xvfb \
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$NETNS_TMP/display" \
    >"$NETNS_TMP/xvfb.log" 2>&1 &
  NETNS_PIDS+=("$!")
  WALK_XVFB_PID=$!
  local i n
  for ((i = 0; i < 100; i++)); do
    n=$(head -n 1 "$NETNS_TMP/display" 2>/dev/null)
    if [ -n "$n" ]; then
      export DISPLAY=":$n"
      # Usable when it answers where the wizard will run.
      walk_pc_exec xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    fi
    sleep 0.05
  done
  echo "Xvfb did not start:" >&2
  cat "$NETNS_TMP/xvfb.log" >&2
  return 1
}

walk_pc_exec() {
  if [ -n "${WALK_XVFB_PID:-}" ]; then
    nsenter --target "$WALK_XVFB_PID" --mount -- ip netns exec "$(netns_name pc)" "$@"
  else
    netns_exec pc "$@"
  fi
}

# Only a display on this machine's unix sockets can be reached from inside a namespace (an
# abstract socket belongs to the namespace it was made in; TCP is never used). Sets
# WALK_PLATFORM for walk_start_wizard: xcb, or wayland for a Wayland session without X.
walk_display_usable() {
  if [[ "${DISPLAY:-}" == :* || "${DISPLAY:-}" == unix:* ]] &&
    unshare -n env DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
      xdotool getdisplaygeometry >/dev/null 2>&1; then
    WALK_PLATFORM=xcb
    return 0
  fi
  [ -n "${WAYLAND_DISPLAY:-}" ] || return 1
  local socket=$WAYLAND_DISPLAY
  [[ "$socket" == /* ]] || socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket"
  [ -S "$socket" ] && compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so' >/dev/null ||
    return 1
  WALK_PLATFORM=wayland
  WAYLAND_DISPLAY=$socket  # a full path works from any runtime directory
}

walk_start_wizard() {
  local log=$1
  shift
  mkdir -p "$NETNS_TMP/runtime" && chmod 700 "$NETNS_TMP/runtime"
  # The wizard's log of its runs goes to the test's own folder, not the user's.
  walk_pc_exec env DISPLAY="${DISPLAY:-}" XAUTHORITY="${XAUTHORITY:-}" \
    WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" QT_QPA_PLATFORM="${WALK_PLATFORM:-xcb}" \
    XDG_RUNTIME_DIR="$NETNS_TMP/runtime" XDG_STATE_HOME="$NETNS_TMP/state" "$@" "$WIZARD" \
    >"$log" 2>&1 &
  NETNS_PIDS+=("$!")
  WALK_WIZARD_PID=$!
}

# The id of a visible window with exactly this caption, if one shows now.
walk_find_window() {
  local id
  # xdotool matches a regular expression: escape the caption's own metacharacters.
  id=$(xdotool search --onlyvisible --name "^$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$1")\$" \
    2>/dev/null | head -n 1)
  [ -n "$id" ] && echo "$id"
}

walk_window() {
  local caption=$1 seconds=${2:-10} i
  for ((i = 0; i < seconds * 20; i++)); do
    walk_find_window "$caption" && return 0
    sleep 0.05
  done
  echo "no window '$caption' within $seconds s" >&2
  return 1
}

walk_focus_leaves() {
  local from=$1 seconds=${2:-10} i id
  for ((i = 0; i < seconds * 20; i++)); do
    id=$(xdotool getwindowfocus 2>/dev/null)
    if [ -n "$id" ] && [ "$id" != "$from" ] && [ "$id" -gt 1 ] 2>/dev/null; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  echo "the focus stayed on window $from for $seconds s" >&2
  return 1
}

walk_keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id" key --delay "$WALK_KEY_DELAY_MS" "$@"
}

walk_type() {
  xdotool windowfocus --sync "$1" type --delay "$WALK_KEY_DELAY_MS" -- "$2"
}

walk_shot() {
  [ -n "${WALK_SHOTS:-}" ] || return 0
  local path="$WALK_SHOTS/$2-${WALK_SUFFIX:-en}.png"
  sleep 0.2  # the window paints what the last key changed
  import -window "$1" "$path" || return 1
  echo "$path"
}

# The search's progress box is open when Step 1 shows; it closes after the 16 ticks, leaving
# the welcome dialog and Step 1.
walk_search_ends() {
  local i n
  for ((i = 0; i < 200; i++)); do
    n=$(xdotool search --onlyvisible --classname '^tamberlyx-setup$' 2>/dev/null | wc -l)
    [ "$n" -ge 1 ] && [ "$n" -le 2 ] && return 0
    sleep 0.05
  done
  echo "the search did not end within 10 s" >&2
  return 1
}

# Step 1: after the search the list holds the focus.
walk_step1() {
  local page
  page=$(walk_window "$(walk_page_caption 1)") || return 1
  walk_search_ends || return 1
  walk_shot "$page" step1 || return 1
  if [ "${WALK_SELECT:-1}" -gt 0 ]; then
    walk_keys "$page" $(printf 'Down %.0s' $(seq "${WALK_SELECT:-1}")) || return 1
    walk_shot "$page" step1-selected || return 1
  fi
  walk_keys "$page" Return
  WALK_PAGE=$page
}

# The password dialog takes the focus from Step 1; a wrong password is refused in a box.
walk_password() {
  local dialog box
  dialog=$(walk_focus_leaves "$WALK_PAGE") || return 1
  if [ -n "${WALK_WRONG_PASSWORD:-}" ]; then
    walk_type "$dialog" "$WALK_WRONG_PASSWORD" || return 1
    walk_shot "$dialog" password || return 1
    walk_keys "$dialog" Return || return 1
    box=$(walk_window Error) || return 1
    walk_shot "$box" wrong-password || return 1
    walk_keys "$box" Return || return 1
  fi
  walk_type "$dialog" "${WALK_PASSWORD:-admin}" || return 1
  walk_keys "$dialog" Return
}

# Step 2: the server name field has the focus; Tab goes on to the two mode buttons, then to
# the IP address control. DHCP puts the device's values back into every field, so the round
# trip comes before any edit.
walk_step2() {
  local page
  page=$(walk_window "$(walk_page_caption 2)") || return 1
  walk_shot "$page" step2 || return 1
  if [ -n "${WALK_MODE:-}" ]; then
    walk_keys "$page" Tab Tab space || return 1
    walk_shot "$page" step2-dhcp || return 1
    if [ "$WALK_MODE" = dhcp-and-back ]; then
      walk_keys "$page" shift+Tab space shift+Tab || return 1
    else
      walk_keys "$page" shift+Tab shift+Tab || return 1
    fi
  fi
  if [ -n "${WALK_NAME:-}" ]; then
    walk_keys "$page" ctrl+a BackSpace && walk_type "$page" "$WALK_NAME" || return 1
  fi
  if [ -n "${WALK_ADDRESS:-}" ]; then
    walk_keys "$page" Tab Tab Tab && walk_type "$page" "$WALK_ADDRESS" || return 1
  fi
  [ -z "${WALK_NAME:-}${WALK_ADDRESS:-}" ] || walk_shot "$page" step2-changed || return 1
  walk_keys "$page" Return
}

# Step 3: the focus starts in the time zone list.
walk_step3() {
  local page
  page=$(walk_window "$(walk_page_caption 3)") || return 1
  walk_shot "$page" step3 || return 1
  if [ -n "${WALK_TIME_ZONE_KEYS-Up}" ]; then
    walk_keys "$page" ${WALK_TIME_ZONE_KEYS-Up} || return 1
    walk_shot "$page" step3-changed || return 1
  fi
  walk_keys "$page" Return
}

# Step 4: Save asks first; the answer comes in a box, then the page closes.
walk_step4() {
  local page confirm box
  page=$(walk_window "$(walk_page_caption 4)") || return 1
  # The box has the focus first; Tab goes round Back and Save back to it.
  if [ -n "${WALK_TICK_DRIVE_BOX:-}" ]; then walk_keys "$page" Tab Tab Tab space || return 1; fi
  if [ -n "${WALK_BEFORE_SAVE:-}" ]; then $WALK_BEFORE_SAVE || return 1; fi
  walk_shot "$page" step4 || return 1
  walk_keys "$page" Return || return 1
  if [ -n "${WALK_AT_WARNING:-}" ]; then walk_go_back; return; fi
  confirm=$(walk_focus_leaves "$page") || return 1
  walk_shot "$confirm" confirm || return 1
  walk_keys "$confirm" Return || return 1
  box=$(walk_window Status "${WALK_SAVE_SECONDS:-10}") || return 1
  walk_shot "$box" saved || return 1
  if [ -n "${WALK_AT_SAVED:-}" ]; then $WALK_AT_SAVED || return 1; fi
  walk_keys "$box" Return
}

# The address check's findings, answered by Go back: Step 2 shows again.
walk_go_back() {
  local box
  # The check asks the network for at most a second first.
  box=$(walk_window Warning 10) || return 1
  walk_shot "$box" warning || return 1
  $WALK_AT_WARNING || return 1
  walk_keys "$box" Escape || return 1
  WALK_PAGE=$(walk_window "$(walk_page_caption 2)") || return 1
}

# walk_press_until WINDOW KEY CHECK...: presses KEY until CHECK succeeds, waiting a second
# after each press. A drive mapping after a save holds the wizard and drops keys meanwhile.
walk_press_until() {
  local id=$1 key=$2 attempt i
  shift 2
  for ((attempt = 0; attempt < 20; attempt++)); do
    walk_keys "$id" "$key" || { "$@" && return 0; }
    for ((i = 0; i < 20; i++)); do
      "$@" && return 0
      sleep 0.05
    done
  done
  return 1
}

walk_wizard_ended() { ! kill -0 "$WALK_WIZARD_PID" 2>/dev/null; }
walk_setup_open() { walk_find_window "$(walk_page_caption 1)" >/dev/null; }

# walk_from_welcome KEY CONDITION COMPLAINT: presses KEY on the welcome dialog until CONDITION
# holds.
walk_from_welcome() {
  local welcome
  welcome=$(walk_window "$kWalkWelcome") || return 1
  walk_press_until "$welcome" "$1" "$2" && return 0
  echo "$3" >&2
  return 1
}

# Escape on the welcome dialog ends the program.
walk_quit() {
  walk_from_welcome Escape walk_wizard_ended \
    "the wizard did not end after Escape on the welcome dialog"
}

# Return on the welcome dialog opens Step 1.
walk_open_setup() {
  walk_from_welcome Return walk_setup_open "Step 1 did not open from the welcome dialog"
}

wizard_walk() {
  local welcome
  welcome=$(walk_window "$kWalkWelcome") || return 1
  walk_shot "$welcome" welcome || return 1
  walk_keys "$welcome" Return || return 1
  walk_step1 && walk_password && walk_step2 && walk_step3 && walk_step4 || return 1
  [ -n "${WALK_AT_WARNING:-}" ] || walk_quit
}

# Every entry a device reports, the date and time fixed so that a walk's result is known.
walk_settings() {
  local name=$1 address=$2 bootproto=$3 gateway=${2%.*}.1
  printf '%s' "sys.hostname=$name&sys.model=NSL-3200&sys.fwversion=2.4.7" \
    "&nwk.wireless.ssid=$name&nwk.bootproto=$bootproto&nwk.ipaddr=$address" \
    "&nwk.netmask=255.255.0.0&sys.gateway=$gateway&sys.dns=$gateway" \
    "&nwk.mac=$(printf '02:4c:%02x:%02x:%02x:%02x' ${address//./ })" \
    "&nwk.mtu=1500&sys.Time.timeZone=Seoul&date=2008/04/11&time=09:05:00" \
    "&sys.Time.ntpServerList=pool.ntp.org,time.nist.gov&sys.Time.ntpServer=time.nist.gov" \
    "&smb.enable=1&smb.workgroup=WORKGROUP&locale=en"
}
