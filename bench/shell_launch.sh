#!/usr/bin/env bash
# Launch and idle figures of the tray application, inside a virtual desktop with a tray host:
#   scripts/desktop-session -- bench/shell_launch.sh build/bin/korrelang [runs]
# Prints the time from start to the tray icon being mapped (median of the runs), the resident
# memory after the dashboard was opened once and closed, and the wake-ups of the idle process
# over 10 seconds with every window closed.
set -euo pipefail

korrelang=$1
runs=${2:-5}
pids=()
stop() { local p; for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; pids=(); }
trap stop EXIT

mkdir -p "$XDG_CONFIG_HOME/Korrelang"
printf '[General]\nhasCompletedFirstLaunch=true\nstartAtLogin=false\n' \
  >"$XDG_CONFIG_HOME/Korrelang/Korrelang.conf"

trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 0.3

now_us() { echo "${EPOCHREALTIME/./}"; }
visible() { xdotool search --onlyvisible --pid "$1" 2>/dev/null; }
ctx() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }

times=()
for ((run = 0; run < runs; run++)); do
  start=$(now_us)
  "$korrelang" >/dev/null 2>&1 &
  app=$!
  pids=("$app")
  until visible "$app" >/dev/null; do :; done
  times+=($(( ($(now_us) - start) / 1000 )))
  if ((run < runs - 1)); then stop; fi
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}')
echo "launch to tray icon: median ${median} ms (runs: ${times[*]})"

"$korrelang" >/dev/null  # opens the running instance's dashboard
until [ "$(visible "$app" | wc -l)" -ge 2 ]; do sleep 0.02; done
sleep 0.5
xdotool key Escape
sleep 0.5
echo "resident memory after the dashboard was opened: $(awk '/VmRSS/ {print $2, $3}' /proc/"$app"/status)"

sleep 2
before=$(ctx "$app")
sleep 10
after=$(ctx "$app")
echo "context switches over 10 s idle, every window closed: $((after - before))"
kill "$tray"
