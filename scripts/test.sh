#!/usr/bin/env bash
# Builds Quintora 2 and runs its tests, stage by stage; with no argument,
# every stage, in this order:
#   linux    the Linux program: its unit, window, end-to-end, soak and
#            valgrind tests, then the whole suite again under
#            AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
#   fuzz     each fuzzer for a while (FUZZ_SECONDS, 60 by default)
#   windows  the Windows program, its core tests, its end-to-end tests and
#            its packages, under Wine; and the packages built twice, compared
#   web      the web page: its core tests under Node, the page in headless
#            Chromium
#   package  the Debian package, built and checked, and built twice,
#            compared; on CI (CI=true) also installed, started and removed
# Each stage installs only the Debian packages it needs. On CI, a test whose
# tool is missing stops the build instead of being left out.
# Usage: scripts/test.sh [linux|fuzz|windows|web|package]...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
jobs=$(nproc)

# Configures, builds and tests one preset.
preset() {
    build_preset "$1"
    ctest --preset "$1" -j"$jobs"
}

stage_linux() {
    install_missing "${build_packages[@]}" "${test_packages[@]}" "${display_packages[@]}"
    ensure_locale pt_BR.UTF-8 # for quintora-cli's decimal comma
    echo "== Build and tests"
    preset default
    echo "== Tests under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
    preset asan
}

stage_fuzz() {
    install_missing "${fuzz_packages[@]}"
    echo "== Fuzzers"
    build_preset fuzz
    local target name
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    for target in fuzz/corpus/*/; do
        name=$(basename "$target")
        mkdir -p "$work/$name"
        (cd "$work" && "$OLDPWD/build/fuzz/fuzz/$name" -max_total_time="${FUZZ_SECONDS:-60}" \
            -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work/$name" "$OLDPWD/$target" \
            >"$work/$name.log" 2>&1) || { tail -40 "$work/$name.log"; echo "$name FAILED"; exit 1; }
        echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" |
            grep -o '[0-9]*$') runs, no crash"
    done
}

stage_windows() {
    install_missing "${windows_packages[@]}" "${display_packages[@]}"
    echo "== The Windows program, under Wine"
    bash scripts/windows.sh
    ctest --preset windows
    echo "== Two builds of the Windows packages, compared"
    bash tests/reproducible.sh windows
}

stage_web() {
    install_missing "${web_packages[@]}" "${browser_packages[@]}"
    echo "== The web page, under Node and in headless Chromium"
    bash scripts/web.sh
    ctest --preset web
}

stage_package() {
    echo "== Debian package"
    bash scripts/package.sh
    echo "== Two builds of the Debian package, compared"
    bash tests/reproducible.sh package
    [ "${CI:-}" = true ] || return 0
    # On a CI machine the package is installed for real, checked and removed.
    local sudo="" status=0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    source build/package/window_facts.sh
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq ./build/package/quintora_*.deb
    test -x /usr/bin/quintora
    test -x /usr/bin/quintora-cli
    test -f /usr/share/man/man1/quintora-cli.1.gz
    [ "$(/usr/bin/quintora-cli 25 KN.m Kgf.cm)" = 250000 ]
    desktop-file-validate "/usr/share/applications/$app_id.desktop"
    test -f "/usr/share/icons/hicolor/32x32/apps/$app_id.png"
    QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/quintora || status=$?
    [ "$status" -eq 124 ] || { echo "the installed program did not stay open ($status)"; exit 1; }
    DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq quintora
    echo "the package installs, puts the program in the menu, starts, and removes"
}

stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(linux fuzz windows web package)
for stage in "${stages[@]}"; do
    case $stage in
    linux | fuzz | windows | web | package) "stage_$stage" ;;
    *) echo "no stage '$stage': the stages are linux, fuzz, windows, web and package" >&2; exit 2 ;;
    esac
done
echo "passed: ${stages[*]}"
