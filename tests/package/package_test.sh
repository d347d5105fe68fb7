#!/usr/bin/env bash
# Builds the Debian package from a release build of its own, checks what it holds and what it depends on,
# installs it with dpkg, starts the program its menu entry names on a private X server, sees its window,
# closes it, and removes the package, leaving none of its files behind. Without root it unpacks the package
# into a folder and runs the program from there instead, and reports the test as skipped.
# Usage: package_test.sh SOURCE-FOLDER WORK-FOLDER CLOSE-WINDOW. Exit status 77 means skipped.
set -euo pipefail
source=$1 work=$2 closeWindow=$3
# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "$0")/../e2e/x_session.sh"
readonly appId=de.zifora.Zifora

for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done
if missing=$(x_session_tools_missing); then
  echo "SKIP: $missing is not installed (scripts/setup.sh installs it)"
  exit 77
fi

fail() {
  echo "FAIL: $*"
  exit 1
}

build_package() {
  cmake -S "$source" -B "$work/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DZIFORA_BUILD_TESTS=OFF -DZIFORA_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$work/release" -j2 >/dev/null
  rm -rf "$work/out"
  cpack --config "$work/release/CPackConfig.cmake" -B "$work/out" >/dev/null
  package=$(echo "$work"/out/zifora_*.deb)
  [ -f "$package" ] || fail "cpack made no package"
}

check_contents() {
  local path
  dpkg-deb -c "$package" | awk '{ print substr($6, 2) }' | grep -v '/$' >"$work/files"
  for path in /usr/bin/zifora /usr/share/applications/$appId.desktop /usr/share/metainfo/$appId.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$appId.svg /usr/share/doc/zifora/copyright \
    /usr/share/zifora/puzzles/01-einfach.txt /usr/share/zifora/puzzles/24-schwer.txt \
    /usr/share/man/man6/zifora.6.gz /usr/share/man/de/man6/zifora.6.gz /usr/share/doc/zifora/changelog.gz; do
    grep -qx "$path" "$work/files" || fail "the package lacks $path"
  done
  for size in 16 32 48 64 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x$size/apps/$appId.png" "$work/files" || fail "no $size pixel icon"
  done
  [ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the section is not games"
  rm -rf "$work/root"
  dpkg-deb -x "$package" "$work/root"
  # The metadata, the menu entry and the icons as a software centre finds them together.
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$work/root" >"$work/validate-tree" 2>&1 \
      || { cat "$work/validate-tree"; fail "appstreamcli validate-tree failed on the installed tree"; }
  fi
  depends=$(dpkg-deb -f "$package" Depends)
  echo "Depends: $depends"
  # Computed from the libraries the program links, not written by hand.
  for library in libqt6widgets6 libqt6core6 libstdc++6 libc6; do
    grep -q "$library (>=" <<<"$depends" || fail "Depends does not name $library"
  done
  grep -q "qt6-translations-l10n" <<<"$depends" || fail "Depends does not name Qt's German texts"
}

# Starts the program, waits for its window titled Zifora, closes it like a window manager and expects it to end
# with status 0.
run_and_close() {
  local window status=0
  x_session_start
  x_session_run "$@"
  window=$(x_session_window Zifora) || fail "no window titled Zifora"
  "$closeWindow" "$window"
  wait "$X_SESSION_PROGRAM" || status=$?
  X_SESSION_PROGRAM=
  [ "$status" -eq 0 ] || fail "the program ended with status $status after its window was closed"
  echo "the window came up and closed"
}

package_status() {
  dpkg-query -W -f='${Status}' zifora 2>/dev/null || true
}

# The command of the menu entry, without the field codes a launcher fills in.
menu_command() {
  sed -n 's/^Exec=//p' "$1" | head -n 1 | sed 's/ %[a-zA-Z]//g'
}

install_run_remove() {
  installed=1
  dpkg -i "$package" >/dev/null || fail "dpkg -i failed"
  local entry=/usr/share/applications/$appId.desktop command
  command=$(menu_command "$entry")
  [ "$(command -v "$command")" = /usr/bin/zifora ] || fail "the menu entry starts '$command', not the installed program"
  [ -f "/usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$entry").svg" ] \
    || fail "the menu entry names an icon the package does not install"
  run_and_close "$command"
  dpkg --purge zifora >/dev/null || fail "dpkg --purge failed"
  installed=
  case "$(package_status)" in "" | *not-installed) ;; *) fail "dpkg still lists zifora: $(package_status)" ;; esac
  while read -r path; do
    [ ! -e "$path" ] || fail "$path is left after removal"
  done <"$work/files"
  [ ! -e /usr/share/doc/zifora ] || fail "/usr/share/doc/zifora is left after removal"
}

cleanup() {
  x_session_stop
  [ -z "${installed:-}" ] || dpkg --purge zifora >/dev/null 2>&1 || true
}
trap cleanup EXIT

build_package
check_contents
if [ "$(id -u)" -ne 0 ]; then
  run_and_close "$work/root/usr/bin/zifora"
  echo "SKIP: installing with dpkg needs root; checked the package and ran the unpacked program only"
  exit 77
fi
if [ -n "$(package_status)" ] && [ "$(package_status)" != "unknown ok not-installed" ]; then
  echo "SKIP: zifora is installed on this machine already; the test leaves an installation it did not make alone"
  exit 77
fi
install_run_remove
echo "PASS: installed, started from its menu entry, closed and removed $(basename "$package")"
