#!/usr/bin/env bash
# Builds Quintora 2 and runs every test: the unit, window, end-to-end, soak and
# valgrind tests; the whole suite again under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer; and each fuzzer for a while
# (FUZZ_SECONDS, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" libgtest-dev libbenchmark-dev libxcb1-dev \
    xvfb xauth xdotool xclip valgrind clang libclang-rt-14-dev

jobs=$(nproc)

echo "== Build and tests"
cmake --preset default -DQUINTORA_WINDOW=ON -DQUINTORA_TESTS=ON -DQUINTORA_BENCH=ON >/dev/null
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"

echo "== Tests under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

echo "== Fuzzers"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz/corpus/*/; do
    name=$(basename "$target")
    mkdir -p "$work/$name"
    (cd "$work" && "$OLDPWD/build/fuzz/fuzz/$name" -max_total_time="${FUZZ_SECONDS:-60}" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work/$name" "$OLDPWD/$target" \
        >"$work/$name.log" 2>&1) || { tail -40 "$work/$name.log"; echo "$name FAILED"; exit 1; }
    echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" | grep -o '[0-9]*$') runs, no crash"
done
echo "all tests and fuzzers passed"
