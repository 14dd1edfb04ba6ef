#!/usr/bin/env bash
# Builds every libFuzzer target in fuzz/ with clang (address and undefined-behaviour
# sanitizers) in build/fuzz, seeds each corpus from tests/data and the bundled
# catalogues, and runs each target for SECONDS (default 600). Fails on any crash, hang,
# leak or sanitizer report.
set -euo pipefail

seconds=${1:-600}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/fuzz
jobs=${FUZZ_BUILD_JOBS:-2}

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DFERROVANE_FUZZ=ON -DFERROVANE_TESTS=OFF -DFERROVANE_BENCH=OFF -DFERROVANE_GUI=OFF \
    >/dev/null

targets=()
for source in "$root"/fuzz/*Fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" --target "${targets[@]}" -j "$jobs"

# Seeds by the kind of file a target reads; a target of another kind gets all test data.
seed_pattern() {
    case "$1" in
    Layout*) echo '*.fvl' ;;
    Catalogue*) echo '*.rtr' ;;
    *) echo '*' ;;
    esac
}

status=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    pattern=$(seed_pattern "$target")
    find "$root/tests/data" "$root/data" -type f -name "$pattern" -size -1000k \
        -exec cp -n {} "$corpus/" \; 2>/dev/null || true
    echo "== $target: ${seconds}s, corpus $(find "$corpus" -type f | wc -l) files"
    if ! "$build/fuzz/$target" "$corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$artifacts/"; then
        echo "== $target FAILED: see $artifacts" >&2
        status=1
    fi
done
exit $status
