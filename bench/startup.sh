#!/usr/bin/env bash
# Start-up time and memory of Zifora beside the Qt floor and the two puzzle programs Debian ships.
#
#   bench/startup.sh [BUILD_DIR]      (default: build/release, as made by `cmake --workflow --preset release`)
#
# Each run starts one program under a fresh Xvfb, with a fresh empty HOME and no desktop session, and times
# exec -> first visible top-level window mapped (bench/mapwait, event-driven); VmRSS and VmHWM are read one
# second after the map. One warm-up round, then RUNS rounds (default 7); each round runs every program once,
# so a disturbance of the shared machine falls on all of them alike. Prints min / median / max per program and
# Zifora's ratio of medians to each.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
runs=${RUNS:-7}
mapwait=$build/bench/mapwait

names=(zifora floor gnome-sudoku ksudoku)
declare -A commands=(
  [zifora]=$build/src/qt/zifora
  [floor]=$build/bench/bench_floor
  [gnome-sudoku]=/usr/games/gnome-sudoku
  [ksudoku]=/usr/games/ksudoku
)

InstallPeers() {
  local missing=()
  for package in gnome-sudoku ksudoku xvfb; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

InstallPeers
for name in "${names[@]}"; do
  [ -x "${commands[$name]}" ] || { echo "startup.sh: ${commands[$name]} is missing; build first" >&2; exit 1; }
done
[ -x "$mapwait" ] || { echo "startup.sh: $mapwait is missing; build first" >&2; exit 1; }

work=$(mktemp -d)
xvfb=
Cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap Cleanup EXIT

# Starts a private Xvfb on a display number it picks itself; sets xvfb and display.
StartX() {
  rm -f "$work/displayfd"
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" 2>>"$work/xvfb.log" &
  xvfb=$!
  local number
  read -r -t 20 number <"$work/displayfd"
  display=:$number
}

StopX() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
}

# Runs one program once; appends "map_ms rss_kb hwm_kb" to its results file unless this is the warm-up.
RunOnce() {
  local name=$1 record=$2 home line
  home=$(mktemp -d "$work/home.XXXXXX")
  StartX
  line=$(env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$home" DISPLAY="$display" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb "$mapwait" "${commands[$name]}" 2>>"$work/$name.log") || {
    echo "startup.sh: $name did not show a window; see its output:" >&2
    tail -n 20 "$work/$name.log" >&2
    exit 1
  }
  StopX
  rm -rf "$home"
  if [ "$record" = record ]; then
    sed -E 's/map_ms=([0-9.]+) pid=[0-9]+ rss_kb=([0-9-]+) hwm_kb=([0-9-]+) .*/\1 \2 \3/' <<<"$line" >>"$work/$name"
  fi
}

# min median max of column N of a program's results.
Stats() {
  cut -d' ' -f"$2" "$work/$1" | sort -n | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print v[1], m, v[NR] }'
}

for name in "${names[@]}"; do RunOnce "$name" warm-up; done
for ((round = 1; round <= runs; ++round)); do
  for name in "${names[@]}"; do RunOnce "$name" record; done
done

echo "Start-up (exec -> first top-level window mapped) and memory 1 s later; $runs runs after a warm-up."
echo
echo "| program | start-up ms min / median / max | VmRSS MB min / median / max | VmHWM MB median |"
echo "|---|---|---|---|"
for name in "${names[@]}"; do
  read -r tmin tmed tmax < <(Stats "$name" 1)
  read -r rmin rmed rmax < <(Stats "$name" 2)
  read -r _ hmed _ < <(Stats "$name" 3)
  echo "$name $tmin $tmed $tmax $rmin $rmed $rmax $hmed" >>"$work/medians"
  awk -v n="$name" -v a="$tmin" -v b="$tmed" -v c="$tmax" -v d="$rmin" -v e="$rmed" -v f="$rmax" -v g="$hmed" \
    'BEGIN { printf "| %s | %.0f / %.0f / %.0f | %.1f / %.1f / %.1f | %.1f |\n", n, a, b, c, d/1024, e/1024, f/1024, g/1024 }'
done
echo
echo "| Zifora's median against | start-up ratio | VmRSS ratio | VmHWM ratio |"
echo "|---|---|---|---|"
awk '$1 == "zifora" { t = $3; r = $6; h = $8 } { n[NR] = $1; tt[NR] = $3; rr[NR] = $6; hh[NR] = $8 }
  END { for (i = 1; i <= NR; ++i) if (n[i] != "zifora")
    printf "| %s | %.2f | %.2f | %.2f |\n", n[i], t / tt[i], r / rr[i], h / hh[i] }' "$work/medians"
