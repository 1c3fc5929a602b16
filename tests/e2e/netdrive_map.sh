#!/usr/bin/env bash
# Mapping a device's shares after a save, for real: the device namespace runs a private smbd
# next to tamberlyx-device, the pc namespace a session bus with GVfs. Both shares end up
# mounted and readable, a second mapping replaces the mounts, a wrong password mounts nothing
# and returns at once, and a session without GVfs or a device without SMB changes nothing.
# Moved by `set --wait` to a new fixed address and then to one from DHCP, the device takes its
# shares along: they are mapped and read where it answers now, and nothing serves where it was.
source "$(dirname "$0")/lib/e2e.sh"
MAP=${TAMBERLYX_MAP_SHARES:?TAMBERLYX_MAP_SHARES names the tamberlyx-map-shares program}
e2e_begin
for tool in smbd dbus-run-session gio /usr/libexec/gvfsd /usr/libexec/gvfsd-smb; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (make deps installs samba, gvfs-backends, gvfs-fuse)" >&2
    exit "$NETNS_SKIP"
  fi
done

PASSWORD='s3cret &pass'
share=$NETNS_TMP/nas
netns_add nas 10.66.0.11 || fail "cannot create the device namespace"
netns_start nas "$NETNS_TMP/nas.log" "$DEVICE" --http 0 --name NAS --password "$PASSWORD" \
  --smb-dir "$share" --apply-network --restart-ms 300 --dhcp-pool 10.66.0.200-10.66.0.209
netns_wait_for "$NETNS_TMP/nas.log" '^ready' 30 || fail "device with shares did not start"
e2e_start_device plain 10.66.0.12 --name PLAIN
echo "written on the device" >"$share/public/note.txt"
echo "a clip" >"$share/media/clip.txt"

# map OUT [PASSWORD] [HOST]: one mapping inside the pc session; sets MAP_MS.
cat >"$NETNS_TMP/map.sh" <<'SCRIPT'
start=$(date +%s%N)
printf '%s\n' "$2" | "$MAP" "${3:-10.66.0.11}" >"$1" 2>"$1.err"
echo $((($(date +%s%N) - start) / 1000000)) >"$1.ms"
SCRIPT
session() {
  local run=$NETNS_TMP/run-$1
  shift
  mkdir -p "$run" && chmod 700 "$run"
  netns_exec pc env XDG_RUNTIME_DIR="$run" MAP="$MAP" dbus-run-session -- bash -c "$1" \
    >>"$NETNS_TMP/session.log" 2>&1
}
mapped() { grep -c '^connection ' "$1"; }
local_name() { sed -n "s/^connection \\\\\\\\10\\.66\\.0\\.11\\\\$2 //p" "$1"; }

# One session, as one user's desktop: map, read through the mounts, map again.
session good "
  bash $NETNS_TMP/map.sh $NETNS_TMP/first '$PASSWORD'
  for f in public/note.txt media/clip.txt; do
    dir=\$(sed -n \"s/^connection .*\\\\\\\\\${f%%/*} //p\" $NETNS_TMP/first)
    cat \"\$dir/\${f#*/}\" >$NETNS_TMP/read-\${f%%/*} 2>&1
  done
  echo 'changed on the device' >$share/public/note.txt
  bash $NETNS_TMP/map.sh $NETNS_TMP/second '$PASSWORD'
  gio cat smb://10.66.0.11/public/note.txt >$NETNS_TMP/read-gio 2>&1
  # GVfs's FUSE bridge answers a remounted share with I/O errors for a few seconds.
  again=\"\$(sed -n 's/^connection .*public //p' $NETNS_TMP/second)/note.txt\"
  for try in \$(seq 50); do cat \"\$again\" >$NETNS_TMP/read-again 2>&1 && break; sleep 0.2; done
  gio mount -l >$NETNS_TMP/mounts 2>/dev/null
  bash $NETNS_TMP/map.sh $NETNS_TMP/nosmb '$PASSWORD' 10.66.0.12
"
for out in first second nosmb; do netns_log "mapping '$out' took $(<"$NETNS_TMP/$out.ms") ms"; done
cat "$NETNS_TMP/first" >&2
expect_contains "$(<"$NETNS_TMP/first")" "connected 2" "first mapping"
expect_eq "$(mapped "$NETNS_TMP/first")" 2 "connections after the first mapping"
expect_eq "$(<"$NETNS_TMP/read-public")" "written on the device" "file read through public"
expect_eq "$(<"$NETNS_TMP/read-media")" "a clip" "file read through media"
expect_contains "$(<"$NETNS_TMP/second")" "connected 2" "second mapping"
expect_eq "$(mapped "$NETNS_TMP/second")" 2 "connections after the second mapping"
expect_eq "$(grep -c 'smb://10.66.0.11/[a-z]' "$NETNS_TMP/mounts")" 2 "share mounts in the session"
expect_eq "$(<"$NETNS_TMP/read-gio")" "changed on the device" "file read through GIO after remapping"
expect_eq "$(<"$NETNS_TMP/read-again")" "changed on the device" "file read after remapping"
expect_contains "$(<"$NETNS_TMP/nosmb")" "connected 0" "device without SMB"
expect_contains "$(<"$NETNS_TMP/nosmb")" "note cannot list the shares of 10.66.0.12" "why"
expect_eq "$(mapped "$NETNS_TMP/nosmb")" 2 "mounts of the other device after a failed mapping"

# A fresh session with the wrong password: nothing mounted, and no waiting for a time-out.
session wrong "bash $NETNS_TMP/map.sh $NETNS_TMP/wrong 'not the password'"
netns_log "mapping 'wrong' took $(<"$NETNS_TMP/wrong.ms") ms"
cat "$NETNS_TMP/wrong" >&2
expect_contains "$(<"$NETNS_TMP/wrong")" "connected 0" "wrong password"
expect_contains "$(<"$NETNS_TMP/wrong")" "note " "wrong password says why"
expect_eq "$(mapped "$NETNS_TMP/wrong")" 0 "connections after a wrong password"
expect_between "$(<"$NETNS_TMP/wrong.ms")" 0 8000 "wrong password answered within"

# No session bus, so no GVfs: nothing happens, and the result says why.
mkdir -p "$NETNS_TMP/run-none" && chmod 700 "$NETNS_TMP/run-none"
netns_exec pc env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY XDG_RUNTIME_DIR="$NETNS_TMP/run-none" \
  MAP="$MAP" bash "$NETNS_TMP/map.sh" "$NETNS_TMP/nogvfs" "$PASSWORD"
expect_contains "$(<"$NETNS_TMP/nogvfs")" "connected 0" "no GVfs"
expect_contains "$(<"$NETNS_TMP/nogvfs")" "GVfs" "no GVfs says why"

# move_and_map KEY=VALUE OUT ADDRESS: the device saved by `set --wait` must answer at ADDRESS
# and serve its shares there alone; they are mapped in a fresh session and public's note is
# read through the mount.
nas_at=10.66.0.11
move_and_map() {
  e2e_cli set --wait 20 "$nas_at" "$1" <<<"$PASSWORD"
  expect_eq "$CLI_CODE" 0 "set --wait $1"
  expect_contains "$CLI_OUT" "Read back from $3: every entry as written." "read back after $1"
  nas_at=$3
  expect_eq "$(netns_exec nas ss -Hltn 'sport = :445' | awk '{print $4}')" "$3:445" \
    "where smbd listens after $1"
  session "$2" "
    bash $NETNS_TMP/map.sh $NETNS_TMP/$2 '$PASSWORD' $3
    dir=\$(sed -n 's/^connection .*public //p' $NETNS_TMP/$2)
    cat \"\$dir/note.txt\" >$NETNS_TMP/read-$2 2>&1
  "
  netns_log "mapping '$2' took $(<"$NETNS_TMP/$2.ms") ms"
  cat "$NETNS_TMP/$2" >&2
  expect_contains "$(<"$NETNS_TMP/$2")" "connected 2" "mapping after $1"
  expect_eq "$(grep -cF "connection \\\\$3\\" "$NETNS_TMP/$2")" 2 "connections at $3"
  expect_eq "$(<"$NETNS_TMP/read-$2")" "changed on the device" "file read at $3"
}
move_and_map nwk.ipaddr=10.66.0.111 moved 10.66.0.111
move_and_map nwk.bootproto=dhcp leased 10.66.0.200

for out in first second nosmb wrong nogvfs moved leased; do
  grep -qF "$PASSWORD" "$NETNS_TMP/$out" "$NETNS_TMP/$out.err" && fail "password printed in $out"
done
grep -qF "$PASSWORD" "$NETNS_TMP/session.log" && fail "password printed in the session"

# The device ends its smbd and the helpers smbd leaves behind.
device_pid=$(for pid in $(ip netns pids "$(netns_name nas)"); do
  grep -qa tamberlyx-device "/proc/$pid/cmdline" 2>/dev/null && echo "$pid"
done)
kill "$device_pid"
netns_wait_for "$NETNS_TMP/nas.log" '^stopped' 15 || fail "device did not stop"
sleep 0.2
left=$(for pid in $(ip netns pids "$(netns_name nas)"); do tr '\0' ' ' <"/proc/$pid/cmdline"; done)
expect_eq "$left" "" "processes left in the device namespace"
echo "PASS"
