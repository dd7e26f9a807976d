#!/usr/bin/env bash
# Builds Quintora 2 and runs every test: the unit, window, end-to-end, soak and
# valgrind tests; the whole suite again under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer; each fuzzer for a while
# (FUZZ_SECONDS, 60 by default); the Windows program, its core tests, its
# end-to-end test and its installer under Wine; the web page, its core tests
# under Node and the page in headless Chromium; then builds and checks the
# Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" "${windows_packages[@]}" "${wine_packages[@]}" \
    "${web_packages[@]}" "${browser_packages[@]}" \
    libgtest-dev libbenchmark-dev libxcb1-dev valgrind clang libclang-rt-14-dev

jobs=$(nproc)

echo "== Build and tests"
cmake --preset default >/dev/null
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

echo "== The Windows program, under Wine"
bash scripts/windows.sh
ctest --preset windows

echo "== The web page, under Node and in headless Chromium"
bash scripts/web.sh
ctest --preset web

echo "== Debian package"
bash scripts/package.sh
if [ "${CI:-}" = true ]; then
    # On a CI machine the package is installed for real, checked and removed.
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq ./build/package/quintora_*.deb
    test -x /usr/bin/quintora
    desktop-file-validate /usr/share/applications/io.github.darvello.Quintora.desktop
    test -f /usr/share/icons/hicolor/32x32/apps/io.github.darvello.Quintora.png
    QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/quintora && status=0 || status=$?
    [ "$status" -eq 124 ] || { echo "the installed program did not stay open ($status)"; exit 1; }
    DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq quintora
    echo "the package installs, puts the program in the menu, starts, and removes"
fi
echo "all tests, fuzzers and package checks passed"
