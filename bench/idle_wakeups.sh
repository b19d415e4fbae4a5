#!/usr/bin/env bash
# The idle figures of korrelang in whatever session runs it (X11, sway, KWin): the back end it
# chose, its resident memory 5 s after the start, and its wake-ups (context switches of all its
# threads, per thread when any) over the given seconds with no window shown and nothing pressed.
# Inside a session script:
#   scripts/sway-session -- bench/idle_wakeups.sh build/bin/korrelang [seconds]
#   scripts/kwin-session -- bench/idle_wakeups.sh build/bin/korrelang [seconds]
#   scripts/desktop-session -- bench/idle_wakeups.sh build/bin/korrelang [seconds]
set -euo pipefail

korrelang=$1
seconds=${2:-20}
mkdir -p "$XDG_CONFIG_HOME/Korrelang"
printf '[General]\nhasCompletedFirstLaunch=true\nhasAcceptedTerms=true\nstartAtLogin=false\nsmartCapitalization=false\nanalyticsEnabled=false\nselectedKeyboards=xkb.us.English, xkb.ru.Russian\n' \
  >"$XDG_CONFIG_HOME/Korrelang/Korrelang.conf"
log=$(mktemp "${TMPDIR:-/tmp}/korrelang-idle.XXXXXX")
"$korrelang" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 100); do grep -q "Korrelang is running" "$log" && break; sleep 0.1; done
# The dictionaries load a few seconds after the start; idle means after that.
sleep 8
switches() {  # thread name and voluntary + involuntary switches, one line per thread
  local task
  for task in /proc/"$pid"/task/*; do
    awk -v t="$(basename "$task")" '/^Name:/ {n = $2} /ctxt_switches/ {s += $2} END {print t, n, s}' "$task/status"
  done
}
before=$(switches)
sleep "$seconds"
after=$(switches)
echo "back end: $(grep -m1 'Desktop back end' "$log" || echo unknown)"
echo "resident memory: $(awk '/VmRSS/ {print $2, $3}' /proc/"$pid"/status)"
join <(sort <<<"$before") <(sort <<<"$after") | awk -v s="$seconds" '
  { d = $5 - $3; total += d; if (d > 0) printf "  thread %s (%s): %d wake-ups\n", $1, $2, d }
  END { printf "wake-ups over %d s idle, %d threads: %d (%.2f per second)\n", s, NR, total, total / s }'
