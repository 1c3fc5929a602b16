#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks what a user would get from it.
# Usage: check-package.sh BUILD_DIR PACKAGE_DIR VERSION
set -uo pipefail
build=$1 package_dir=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() {  # check WHAT COMMAND...: runs COMMAND, shows its output only when it fails
  local what=$1 output
  shift
  if output=$("$@" 2>&1); then
    echo "ok   $what"
  else
    echo "FAIL $what"
    printf '%s\n' "$output" | sed 's/^/     /'
    failures=$((failures + 1))
  fi
}

# The programs run in a network namespace of their own, where nothing can reach a real network.
isolated=()
if unshare -n true 2>/dev/null; then
  isolated=(unshare -n)
elif unshare -rn true 2>/dev/null; then
  isolated=(unshare -rn)
fi

(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$package_dir/tamberlyx_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { echo "FAIL no $deb"; exit 1; }
echo "ok   built $deb"

listed=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for path in /usr/bin/tamberlyx-setup /usr/bin/tamberlyx-cli \
  /usr/libexec/tamberlyx/tamberlyx-device \
  /usr/share/applications/tamberlyx-setup.desktop \
  /usr/share/icons/hicolor/scalable/apps/tamberlyx-setup.svg \
  /usr/share/icons/hicolor/48x48/apps/tamberlyx-setup.png \
  /usr/share/icons/hicolor/256x256/apps/tamberlyx-setup.png \
  /usr/share/metainfo/org.example.tamberlyx.setup.metainfo.xml \
  /usr/share/man/man1/tamberlyx-setup.1.gz /usr/share/man/man1/tamberlyx-cli.1.gz \
  /usr/share/bash-completion/completions/tamberlyx-cli \
  /usr/share/doc/tamberlyx/copyright /usr/share/doc/tamberlyx/changelog.gz; do
  check "holds $path" grep -qxF "$path" <<<"$listed"
done
check "nothing outside /usr" test -z "$(grep -v '^/usr/' <<<"$listed")"
check "Recommends fonts, GVfs and Qt's translations" test "$(dpkg-deb -f "$deb" Recommends)" = \
  "fonts-liberation, fonts-nanum, gvfs-backends, qt6-translations-l10n"
check "Depends computed from the binaries" grep -q libqt6widgets6 <<<"$(dpkg-deb -f "$deb" Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root"
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/tamberlyx-setup.desktop"
check "appstreamcli validate" appstreamcli validate --no-net \
  "$root/usr/share/metainfo/org.example.tamberlyx.setup.metainfo.xml"
check "lintian without errors" lintian --fail-on error "$deb"
check "copyright names MIT" grep -qx 'License: MIT' "$root/usr/share/doc/tamberlyx/copyright"
check "AppStream names MIT" grep -q '<project_license>MIT</project_license>' \
  "$root/usr/share/metainfo/org.example.tamberlyx.setup.metainfo.xml"

prints_usage() { "${isolated[@]}" "$1" --help | grep '^Usage:' >/dev/null; }
for program in usr/bin/tamberlyx-setup usr/bin/tamberlyx-cli usr/libexec/tamberlyx/tamberlyx-device; do
  check "${program##*/} --help" prints_usage "$root/$program"
done

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
wizard_stays_up_and_ends_on_sigterm() {  # SIGTERM after a second, SIGKILL 5 s later
  local started=${EPOCHREALTIME/./}
  QT_QPA_PLATFORM=offscreen timeout --preserve-status -k 5 1 \
    "${isolated[@]}" "$root/usr/bin/tamberlyx-setup" || return 1
  ((${EPOCHREALTIME/./} - started >= 1000000)) || { echo "ended before the SIGTERM"; return 1; }
}
check "wizard stays up a second and ends on SIGTERM" wizard_stays_up_and_ends_on_sigterm

renders() {
  local warnings
  warnings=$(man --warnings -l "$1" 2>&1 >/dev/null)
  [[ -z $warnings ]] || { echo "$warnings"; return 1; }
  man -l "$1" | grep '^NAME' >/dev/null
}
for page in tamberlyx-setup tamberlyx-cli; do
  check "man -l $page.1" renders "$root/usr/share/man/man1/$page.1.gz"
done

completes() {  # completes 'WORDS BEFORE THE CURSOR' 'EXPECTED REPLIES'
  local -a COMP_WORDS COMPREPLY
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *' ' ]] && COMP_WORDS+=('')
  local COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _tamberlyx_cli
  [[ "${COMPREPLY[*]}" == "$2" ]] || { echo "got '${COMPREPLY[*]}'"; return 1; }
}
# shellcheck source=/dev/null
source "$root/usr/share/bash-completion/completions/tamberlyx-cli"
while IFS='|' read -r words expected; do
  check "completes '$words'" completes "$words" "$expected"
done <<'CASES'
tamberlyx-cli |discover verify set apply --help
tamberlyx-cli v|verify
tamberlyx-cli discover |--json --stats --every-interface --address --verbose
tamberlyx-cli discover --json |--stats --every-interface --address --verbose
tamberlyx-cli discover --stats --j|--json
tamberlyx-cli discover --every-interface --address 10.0.0.9 --|--json --stats --address --verbose
tamberlyx-cli discover --address |
tamberlyx-cli verify |
tamberlyx-cli verify --|--every-interface --address --verbose
tamberlyx-cli set 10.0.0.1 |
tamberlyx-cli set --every-interface 10.0.0.1 --|--address --verbose --wait --force
tamberlyx-cli apply --|--check --json --force --parallel --wait --every-interface --address --verbose --password-file
tamberlyx-cli apply --check --json --|--force --parallel --wait --every-interface --address --verbose --password-file
tamberlyx-cli apply --wait |
CASES

((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
