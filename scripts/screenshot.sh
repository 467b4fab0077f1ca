#!/usr/bin/env bash
# Starts the program on a virtual display, runs optional steps (keys, clicks)
# and saves a screenshot of the whole screen.
# Usage: scripts/screenshot.sh [-b BUILD_DIR] [-s WxH] [-z SCALE] [-w SECONDS] OUT.png [STEP...]
#   STEP: key:F2  key:ctrl+d  click:X,Y  dclick:X,Y  rclick:X,Y  move:X,Y  drag:X1,Y1,X2,Y2
#         type:TEXT  sleep:SECONDS
# Example: scripts/screenshot.sh -z 2 -s 2600x1800 /work/shots/x.png key:F2 sleep:1
set -euo pipefail
cd "$(dirname "$0")/.."
build=build size=1280x900 scale="" wait=3
while getopts "b:s:z:w:" opt; do
  case $opt in
    b) build=$OPTARG ;;
    s) size=$OPTARG ;;
    z) scale=$OPTARG ;;
    w) wait=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
out=${1:?output file name}
shift
[ -x "$build/autoparts" ] || { echo "no $build/autoparts: build first (scripts/build.sh $build)" >&2; exit 1; }

# A display number nobody uses.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done

xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"

(
  export QT_QPA_PLATFORM=xcb
  [ -n "$scale" ] && export QT_SCALE_FACTOR="$scale"
  exec "$build/autoparts"
) >"${out%.png}.log" 2>&1 &
app_pid=$!
sleep "$wait"

for step in "$@"; do
  what=${step%%:*} arg=${step#*:}
  case $what in
    key) xdotool key --clearmodifiers "$arg" ;;
    click) xdotool mousemove "${arg%,*}" "${arg#*,}" click 1 ;;
    dclick) xdotool mousemove "${arg%,*}" "${arg#*,}" click --repeat 2 --delay 80 1 ;;
    rclick) xdotool mousemove "${arg%,*}" "${arg#*,}" click 3 ;;
    move) xdotool mousemove "${arg%,*}" "${arg#*,}" ;;
    drag)
      IFS=, read -r x1 y1 x2 y2 <<<"$arg"
      xdotool mousemove "$x1" "$y1" mousedown 1 mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) \
        mousemove "$x2" "$y2" mouseup 1 ;;
    type) xdotool type --delay 40 "$arg" ;;
    sleep) sleep "$arg" ;;
    *) echo "unknown step $step" >&2; exit 2 ;;
  esac
  sleep 0.4
done

mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "$out"
