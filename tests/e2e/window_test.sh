#!/usr/bin/env bash
# The real program under a private X server, driven like a person: it starts as "Zifora", loads a puzzle
# through the real file dialog, paints givens yellow, headers green and, after "Einzeln", the cells it
# placed cyan; closing the window ends it with status 0.
# Usage: window_test.sh PROGRAM CLOSE-WINDOW PUZZLE PICTURE-FOLDER. Exit status 77 means skipped.
set -euo pipefail
program=$1 closeWindow=$2 puzzle=$3 pictures=$4
# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "$0")/x_session.sh"

if missing=$(x_session_tools_missing); then
  echo "SKIP: $missing is not installed (scripts/setup.sh installs it)"
  exit 77
fi
trap x_session_stop EXIT
x_session_start
x_session_run "$program"
window=$(x_session_window Zifora) || { echo "FAIL: no window titled Zifora"; exit 1; }

failures=0
expect_colour() { # picture, what, row, column, expected RRGGBB
  local colour
  colour=$(x_session_colour "$1" $((8 + 64 * $4 + 3)) $((96 + 16 * $3 + 3)))
  if [ "${colour^^}" != "$5" ]; then
    echo "FAIL: $2 at cell $3,$4 is $colour, not $5"
    failures=$((failures + 1))
  fi
}
readonly yellow=FFFF00 green=00FF00 cyan=00FFFF
blanks=("1 1" "2 5" "5 9" "7 3" "9 7")

x_session_load "$window" "$puzzle"
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

"$closeWindow" "$window"
status=0
wait "$X_SESSION_PROGRAM" || status=$?
X_SESSION_PROGRAM=
if [ "$status" -ne 0 ]; then
  echo "FAIL: the program ended with status $status after its window was closed"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "PASS: pictures in $pictures"
exit $((failures > 0))
