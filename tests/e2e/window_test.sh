#!/usr/bin/env bash
# The real program under a private X server, driven like a person: started with a puzzle on its command line
# it shows the window "Zifora" of the menu entry's class, paints givens yellow, headers green and, after
# "Einzeln", the cells it placed cyan; closing the window ends it with status 0. Started without a file, its
# German file dialog opens among the sample puzzles. Without a display, and with an unknown option, it ends
# at once with one line on standard error.
# Usage: window_test.sh PROGRAM CLOSE-WINDOW PUZZLE PICTURE-FOLDER. Exit status 77 means skipped.
set -euo pipefail
program=$1 closeWindow=$2 puzzle=$3 pictures=$4
# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "$0")/x_session.sh"

if missing=$(x_session_tools_missing); then
  echo "SKIP: $missing is not installed (scripts/setup.sh installs it)"
  exit 77
fi
# As a desktop session has one; without it Qt warns on standard error.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$pictures/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
expect_ending() { # status, when, command...
  local expected=$1 when=$2 status=0
  shift 2
  "$@" >/dev/null 2>"$pictures/stderr" || status=$?
  [ "$status" -eq "$expected" ] || fail "$when the program ended with status $status, not $expected"
  [ "$(wc -l <"$pictures/stderr")" -eq 1 ] || fail "$when standard error is not one line: $(cat "$pictures/stderr")"
}
expect_colour() { # picture, what, row, column, expected RRGGBB
  local colour
  colour=$(x_session_colour "$1" $((8 + 64 * $4 + 3)) $((96 + 16 * $3 + 3)))
  if [ "${colour^^}" != "$5" ]; then
    fail "$2 at cell $3,$4 is $colour, not $5"
  fi
}
readonly yellow=FFFF00 green=00FF00 cyan=00FFFF

close_and_expect_success() {
  local status=0
  "$closeWindow" "$1"
  wait "$X_SESSION_PROGRAM" || status=$?
  X_SESSION_PROGRAM=
  [ "$status" -eq 0 ] || fail "the program ended with status $status after its window was closed"
}

expect_ending 1 "without a display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$puzzle"
trap x_session_stop EXIT
x_session_start
expect_ending 2 "with an unknown option" "$program" --gibt-es-nicht "$puzzle"

x_session_run "$program" "$puzzle"
window=$(x_session_window Zifora) || { echo "FAIL: no window titled Zifora"; exit 1; }
sleep 0.5 # for the first paint
windowClass=$(xprop -id "$window" WM_CLASS)
[[ "$windowClass" == *'"de.zifora.Zifora"' ]] || fail "the window's class is not the menu entry's: $windowClass"
blanks=("1 1" "2 5" "5 9" "7 3" "9 7")

x_session_picture "$window" "$pictures/loaded.png"
expect_colour "$pictures/loaded.png" "header row" 0 4 $green
expect_colour "$pictures/loaded.png" "header column" 6 0 $green
expect_colour "$pictures/loaded.png" "given" 1 2 $yellow
expect_colour "$pictures/loaded.png" "given" 9 9 $yellow
for cell in "${blanks[@]}"; do
  # shellcheck disable=SC2086
  expect_colour "$pictures/loaded.png" "open cell" $cell FFFFFF
done

x_session_click "$window" 36 64 # "Einzeln"
x_session_picture "$window" "$pictures/einzeln.png"
for cell in "${blanks[@]}"; do
  # shellcheck disable=SC2086
  expect_colour "$pictures/einzeln.png" "placed cell" $cell $cyan
done
expect_colour "$pictures/einzeln.png" "given" 5 8 $yellow

close_and_expect_success "$window"

# A name typed into the dialog the first time is one of the sample puzzles.
x_session_run "$program"
window=$(x_session_window Zifora) || { echo "FAIL: no second window titled Zifora"; exit 1; }
x_session_load "$window" 01-einfach.txt
x_session_picture "$window" "$pictures/sample.png"
expect_colour "$pictures/sample.png" "given of the first sample" 1 6 $yellow
expect_colour "$pictures/sample.png" "open cell of the first sample" 1 1 FFFFFF
close_and_expect_success "$window"
[ "$failures" -eq 0 ] && echo "PASS: pictures in $pictures"
exit $((failures > 0))
