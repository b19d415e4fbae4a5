#!/usr/bin/env bash
# Launch, window and idle figures of the tray application, inside a virtual desktop with a tray
# host:
#   scripts/desktop-session -- bench/shell_launch.sh build/bin/korrelang [runs]
# Prints, each as the median of the runs (a fresh process each run):
#   - the time from start to the tray icon being mapped;
#   - the first opening of the dashboard, 3 s after the start: from the request on the bus to the
#     panel being mapped (whatever of the screen was not built ahead is built before it maps);
# and beside each, the processor time the process spent on it (all its threads), which a busy
# machine disturbs far less than the time on the clock. The dashboard's processor time runs until
# half a second after the panel mapped, so it includes drawing the first frame.
# Then, in the last run's process: the resident memory 3 s after the start, before any window was
# shown; the resident memory after the dashboard was opened and closed; the wake-ups of the idle
# process over 10 seconds with every window closed; the first opening of the preferences window
# (from the click on the dashboard's Preferences button); and the resident memory once the
# dashboard and the preferences window with each of its tabs have been shown.
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
# The process's mapped window titled $2 (and, when given, $3 pixels wide).
window_of() {
  local w
  for w in $(visible "$1"); do
    if [ "$(xdotool getwindowname "$w")" = "$2" ] &&
       { [ -z "${3:-}" ] || xdotool getwindowgeometry --shell "$w" | grep -qx "WIDTH=$3"; }; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
ctx() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }
# Processor time of the process so far, all threads, in milliseconds.
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s / 1e6}'; }
rss() { awk '/VmRSS/ {print $2, $3}' /proc/"$1"/status; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
show_dashboard() {
  dbus-send --session --type=method_call --dest=org.korrelang.Korrelang \
    /org/korrelang/Korrelang/Popup org.korrelang.Korrelang.Popup.Show
}
# Clicks at a point of a window, in the window's own coordinates.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

launches=()
launch_cpu=()
dashboards=()
dashboard_cpu=()
for ((run = 0; run < runs; run++)); do
  start=$(now_us)
  "$korrelang" >/dev/null 2>&1 &
  app=$!
  pids=("$app")
  until visible "$app" >/dev/null; do :; done
  launches+=($(( ($(now_us) - start) / 1000 )))
  launch_cpu+=($(cpu_ms "$app"))
  # Past the delayed start-up work (the permission check, the monitors, the dashboard's
  # building): a first click rarely comes sooner.
  sleep 3
  idle_rss=$(rss "$app")
  cpu=$(cpu_ms "$app")
  start=$(now_us)
  show_dashboard
  until [ "$(visible "$app" | wc -l)" -ge 2 ]; do :; done
  dashboards+=($(( ($(now_us) - start) / 1000 )))
  sleep 0.5
  dashboard_cpu+=($(( $(cpu_ms "$app") - cpu )))
  if ((run < runs - 1)); then stop; fi
done
echo "launch to tray icon: median $(median "${launches[@]}") ms (runs: ${launches[*]}); "\
"processor time: median $(median "${launch_cpu[@]}") ms (runs: ${launch_cpu[*]})"
echo "first dashboard opening: median $(median "${dashboards[@]}") ms (runs: ${dashboards[*]}); "\
"processor time: median $(median "${dashboard_cpu[@]}") ms (runs: ${dashboard_cpu[*]})"

echo "resident memory 3 s after the start, before any window was shown: $idle_rss"

xdotool key Escape
sleep 0.5
echo "resident memory after the dashboard was opened: $(rss "$app")"

sleep 2
before=$(ctx "$app")
sleep 10
after=$(ctx "$app")
echo "context switches over 10 s idle, every window closed: $((after - before))"

show_dashboard
until popup=$(window_of "$app" Korrelang 340); do sleep 0.02; done
sleep 0.5
cpu=$(cpu_ms "$app")
start=$(now_us)
click "$popup" 105 398  # the footer's Preferences button
until preferences=$(window_of "$app" "Korrelang Preferences"); do :; done
elapsed=$(( ($(now_us) - start) / 1000 ))
sleep 0.5
echo "first preferences opening: $elapsed ms; processor time: $(( $(cpu_ms "$app") - cpu )) ms"
click "$preferences" 90 69  # the About tab
sleep 0.5
click "$preferences" 90 103  # the Feedback tab
sleep 0.5
echo "resident memory after the dashboard and every tab of the preferences: $(rss "$app")"
kill "$tray"
