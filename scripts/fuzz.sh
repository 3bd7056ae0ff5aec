#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 60 s) from the
# seed corpus in tests/fuzz/corpus. New inputs go to a scratch folder; crashes fail the run.
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for target in date_text cursor_file skin; do
    mkdir -p "$scratch/$target"
    cp tests/fuzz/corpus/$target/* "$scratch/$target/"
    if [[ $target == skin ]]; then cp skins/*.cjs "$scratch/$target/"; fi
    echo "== fuzz_$target for ${seconds}s"
    ./build/fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$scratch/" "$scratch/$target" 2>&1 |
        grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR)|SUMMARY|crash-|deadly" || true
    failures=("$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*)
    if ((${#failures[@]})); then
        mkdir -p build/fuzz/failures
        cp "${failures[@]}" build/fuzz/failures/
        echo "fuzz_$target found a failing input, kept in build/fuzz/failures:" >&2
        ls build/fuzz/failures >&2
        exit 1
    fi
done
