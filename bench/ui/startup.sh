#!/usr/bin/env bash
# Start-up time of aec-editor to its window shown, and its resident memory, on an X server:
#   DISPLAY=:99 bench/ui/startup.sh build/app/aec-editor [runs]
# (for example inside: xvfb-run -a -s "-screen 0 1280x720x24" bench/ui/startup.sh ...)
set -euo pipefail
editor=${1:-build/app/aec-editor}
runs=${2:-5}
title="Audio Effect Contrller"

for ((i = 1; i <= runs; i++)); do
    start=$(date +%s%N)
    "$editor" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do sleep 0.005; done
    shown=$(date +%s%N)
    sleep 2
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $i: window shown after $(((shown - start) / 1000000)) ms, VmRSS ${rss} kB"
done
