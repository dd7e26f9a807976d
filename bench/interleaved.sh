# Sourced by the start-up benchmarks. `interleaved RUNS COMMAND...` runs each
# COMMAND (a start-up probe and the program it starts, split on spaces) once to
# warm the caches, then RUNS times in turn, and sets t[i] and m[i] to the
# medians of the milliseconds and KiB the i-th command printed.
median() { cut -d' ' -f"$1" "$2" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

interleaved() {
    local runs=$1 out i
    shift
    out=$(mktemp -d)
    for ((i = 1; i <= $#; i++)); do ${!i} >/dev/null 2>&1 || true; done
    for _ in $(seq "$runs"); do
        for ((i = 1; i <= $#; i++)); do ${!i} 2>/dev/null >>"$out/$i"; done
    done
    for ((i = 1; i <= $#; i++)); do
        t[i - 1]=$(median 1 "$out/$i")
        m[i - 1]=$(median 2 "$out/$i")
    done
    rm -rf "$out"
}
