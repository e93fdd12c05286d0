#!/usr/bin/env bash
# Flies a flight through the desktop program in segments, killing the program
# with SIGKILL at the end of every segment but the last and starting it again
# over the same data folder, as a pilot whose machine crashed would.
#   desktop_faults.sh WORK BUILD SPEED
# WORK holds segments.txt, one line a segment: "FLIGHT.csv KILL", where KILL
# is "end" (the program flies the file to its end and closes), "report" (the
# program is killed as soon as its report shows), "start+S" (killed S real
# seconds after it started) or a number of seconds of the segment's flight.
# Each segment's flight starts where the last one was killed. The tours
# database is AEROTRACE_TOURS; the pilot's VID is 123456. Each segment leaves
# its event log in WORK/events-N.jsonl. Exit status: 0 when every segment
# ran as planned.
set -euo pipefail
work=$1 build=$2 speed=$3

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap cleanup EXIT

cp "$build/data/airports.csv" "$work/airports.csv"
mkdir -p "$work/config/ORVANTAESTRIA" "$work/data"
printf 'VID=123456\n' >"$work/config/ORVANTAESTRIA/Aerotrace.conf"
export XDG_CONFIG_HOME=$work/config AEROTRACE_IPC_DIR=$work/ipc AEROTRACE_DATA_DIR=$work/data

waitFor() {  # waitFor PATH SECONDS
  local tries=$(($2 * 20))
  while [ ! -e "$1" ] && [ "$tries" -gt 0 ]; do sleep 0.05; tries=$((tries - 1)); done
  [ -e "$1" ]
}

n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
waitFor "/tmp/.X11-unix/X$n" 10 || { echo "desktop_faults: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$n QT_QPA_PLATFORM=xcb

# One origin for every run's faster clock: the runs agree on the time.
origin=$(date -u +%Y-%m-%dT%H:%M:%S.%3NZ)
segment=0
while read -r flight kill; do
  [ -n "$flight" ] || continue
  segment=$((segment + 1))
  rm -rf "$work/ipc"
  "$build/tools/aerotrace-simulator" --speed "$speed" --wait-for-link "$flight" \
    >"$work/simulator-$segment.jsonl" 2>"$work/simulator-$segment.err" &
  sim=$!
  pids+=("$sim")
  waitFor "$work/ipc/FS98MAIN" 10 || { echo "desktop_faults: no simulator in segment $segment" >&2; exit 1; }
  log=$work/events-$segment.jsonl
  (cd "$work" && exec "$build/src/app/aerotrace" --headless --event-log "$log" --pilot "$flight" \
    --time-scale "$speed" --clock-origin "$origin") >"$work/aerotrace-$segment.log" 2>&1 &
  app=$!
  pids+=("$app")
  case "$kill" in
    end)
      if ! timeout 300 tail --pid="$app" -f /dev/null; then
        echo "desktop_faults: segment $segment did not end" >&2; exit 1
      fi
      wait "$app" || { echo "desktop_faults: segment $segment ended with $?" >&2; exit 1; } ;;
    report)
      tries=6000
      until grep -q '"event":"report"' "$log" 2>/dev/null || [ "$tries" -eq 0 ]; do
        sleep 0.01; tries=$((tries - 1))
      done
      [ "$tries" -gt 0 ] || { echo "desktop_faults: no report in segment $segment" >&2; exit 1; }
      kill -9 "$app" ;;
    start+*)
      sleep "${kill#start+}"
      kill -9 "$app" ;;
    *)
      # The flight's clock starts when the program links to the simulator.
      waitFor "$log" 20 || { echo "desktop_faults: no event log in segment $segment" >&2; exit 1; }
      sleep "$(awk -v k="$kill" -v s="$speed" 'BEGIN { print k / s }')"
      kill -9 "$app" ;;
  esac
  wait "$app" 2>/dev/null || true
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
  echo "segment $segment: $(basename "$flight") $kill"
done <"$work/segments.txt"
