#!/usr/bin/env bash
# Instructions each program executes from its start to its first painted frame, counted by
# callgrind on a private Xvfb display: the program runs until its window is shown and painted,
# then callgrind writes its counts and the program is ended. Counts repeat from run to run,
# whatever else the machine is doing, so they judge a change where wall-clock times cannot.
#
# Usage: bench/count_instructions.sh PROGRAM...   (each is run in a folder of its own, with the
#        hand pointer beside it when the program's folder has one)
set -euo pipefail
number=$((300 + $$ % 200))
while [[ -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
display=":$number"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 600); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
for program in "$@"; do
    folder="$(mktemp -d)"
    cp "$program" "$folder/"
    [[ -f "$(dirname "$program")/HAND-M.CUR" ]] && cp "$(dirname "$program")/HAND-M.CUR" "$folder/"
    mkdir "$folder/bin" && ln -s /bin/true "$folder/bin/xdg-open"
    DISPLAY="$display" LC_ALL=en_US.UTF-8 PATH="$folder/bin:$PATH" BROWSER=/bin/true \
        valgrind --tool=callgrind --callgrind-out-file="$folder/callgrind.out" \
        "$folder/$(basename "$program")" >/dev/null 2>&1 &
    pid=$!
    # Shown: a visible window of the process; painted: a moment later under callgrind's pace.
    until DISPLAY="$display" xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$program ended before its window showed" >&2; exit 1; }
        sleep 0.2
    done
    sleep 3
    kill -TERM "$pid"
    wait "$pid" || true
    total=$(awk '/^(summary|totals):/ {print $2}' "$folder/callgrind.out" | tail -n 1)
    echo "$(basename "$program"): $total instructions to the first frame ($folder/callgrind.out)"
done
