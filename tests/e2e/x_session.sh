# shellcheck shell=bash
# Runs Zifora on a private X server and drives it like a person: mouse clicks and typing through xdotool,
# pictures through ImageMagick. Source it; positions are in the window's logical pixels, scaled by
# QT_SCALE_FACTOR when it is set.

x_session_tools_missing() {
  local tool
  for tool in Xvfb xdotool xprop import convert; do
    command -v "$tool" >/dev/null || { echo "$tool"; return 0; }
  done
  return 1
}

# Starts Xvfb on a free display and exports DISPLAY. Without -noreset the server starts over whenever its
# last client leaves, and a program that connects just then is refused. The screen is 1280 by 1024 pixels
# times QT_SCALE_FACTOR: the window opens at its own scale 1 there, where the pictures' pixels are counted.
x_session_start() {
  local numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$(x_session_pixels 1280)x$(x_session_pixels 1024)x24" -nolisten tcp -noreset \
    3>"$numberFile" 2>/dev/null &
  X_SESSION_SERVER=$!
  for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    sleep 0.1
  done
  DISPLAY=":$(head -n 1 "$numberFile")"
  export DISPLAY
  rm -f "$numberFile"
  [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; return 1; }
}

x_session_stop() {
  [ -z "${X_SESSION_PROGRAM:-}" ] || kill "$X_SESSION_PROGRAM" 2>/dev/null || true
  [ -z "${X_SESSION_SERVER:-}" ] || kill "$X_SESSION_SERVER" 2>/dev/null || true
  X_SESSION_PROGRAM= X_SESSION_SERVER=
}

# Starts the program; X_SESSION_PROGRAM holds its process id.
x_session_run() {
  env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb "$@" &
  X_SESSION_PROGRAM=$!
}

# Prints the id of the shown window with exactly this title, waiting up to ten seconds for it.
x_session_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

x_session_pixels() {
  awk -v value="$1" -v scale="${QT_SCALE_FACTOR:-1}" 'BEGIN { printf "%d", value * scale }'
}

# Clicks at (x, y) of the window.
x_session_click() {
  xdotool mousemove --sync --window "$1" "$(x_session_pixels "$2")" "$(x_session_pixels "$3")" click 1
  sleep 0.3
}

# Loads a puzzle the way a person does: "Datei", then the path typed into the German dialog and Enter.
x_session_load() {
  local window=$1 path=$2 dialog
  x_session_click "$window" 28 16
  dialog=$(x_session_window Öffnen) || { echo "no file dialog" >&2; return 1; }
  xdotool windowfocus --sync "$dialog"
  xdotool type --delay 5 "$path"
  xdotool key Return
  # Gone when two searches in a row miss it: a search can also fail on a window that closes meanwhile.
  local misses=0
  for _ in $(seq 100); do
    if xdotool search --onlyvisible --name '^Öffnen$' >/dev/null 2>&1; then misses=0; else misses=$((misses + 1)); fi
    [ "$misses" -lt 2 ] || break
    sleep 0.1
  done
  sleep 0.3
}

# Saves a picture of the window.
x_session_picture() {
  import -window "$1" "$2"
}

# Prints the colour at logical (x, y) of a picture as RRGGBB.
x_session_colour() {
  convert "$1" -crop "1x1+$(x_session_pixels "$2")+$(x_session_pixels "$3")" -depth 8 -format '%[hex:u.p{0,0}]' info:- | cut -c1-6
}
