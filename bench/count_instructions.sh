#!/usr/bin/env bash
# Instructions each program executes from its start to its first painted frame, counted by
# callgrind on a private Xvfb display: the program runs until its window is shown and painted,
# then callgrind writes its counts and the program is ended. Counts repeat from run to run,
# whatever else the machine is doing, so they judge a change where wall-clock times cannot. The
# main thread's count is given apart: work on other threads runs beside it.
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
        valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$folder/callgrind.out" \
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
    # One file per thread: the first is the main thread's, the critical path to the frame.
    main=0 others=0
    for part in "$folder"/callgrind.out*; do
        count=$(awk '/^(summary|totals):/ {print $2}' "$part" | tail -n 1)
        if [[ $part == *-01 ]]; then main=$count; else others=$((others + count)); fi
    done
    echo "$(basename "$program"): $((main + others)) instructions to the first frame, $main on" \
        "the main thread ($folder)"
done
