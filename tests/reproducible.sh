#!/usr/bin/env bash
# Builds the packages of this commit twice, in two folders of different
# names, and compares them byte for byte: what a user or an office's IT
# builds from the source is what was released.
#   reproducible.sh package   the Debian package
#   reproducible.sh windows   quintora.exe, quintora-cli.exe, the zip, the
#                             installer and the MSI
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:?usage: reproducible.sh package|windows}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {
    local tree=$work/$1
    git worktree add -q --detach "$tree" HEAD
    if [ "$what" = package ]; then
        (cd "$tree" && source scripts/deps.sh && build_preset package >/dev/null &&
            cd build/package && cpack -G DEB -B . >/dev/null)
    else
        (cd "$tree" && bash scripts/windows.sh >/dev/null)
    fi
}
files() {
    if [ "$what" = package ]; then
        (cd "$1/build/package" && ls quintora_*.deb)
    else
        (cd "$1/build/windows" && ls app/quintora.exe app/quintora-cli.exe quintora-*-windows-x64.{zip,exe,msi})
    fi
}
build first
build second-build
differ=0
for file in $(files "$work/first"); do
    if cmp -s "$work/first/build/$what/$file" "$work/second-build/build/$what/$file"; then
        echo "same bytes: $file"
    else
        echo "DIFFERENT: $file"
        differ=1
    fi
done
git worktree remove --force "$work/first"
git worktree remove --force "$work/second-build"
[ "$differ" -eq 0 ] && echo "two builds give the same bytes" || exit 1
