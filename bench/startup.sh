#!/usr/bin/env bash
# Start-up time and peak memory of Morvik against a bare Qt Widgets program with as many child
# widgets, in a private Xvfb, each program started RUNS times in turn (default 20).
#
#   bench/startup.sh [RUNS] [OTHER_MORVIK]
#
# With OTHER_MORVIK, the binary of another build (main's, say) is started in turn with the others
# as "other", so that a change is measured against it in one interleaved run.
# Installs its missing Debian packages and builds what it needs in build-bench/ (or
# $MORVIK_BENCH_BUILD) first. Each run is timed from outside by morvik_startwait: process start
# to the window mapped, and to the window painted.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
source "$ROOT/scripts/xserver.sh"
BUILD="${MORVIK_BENCH_BUILD:-$ROOT/build-bench}"
RUNS="${1:-20}"
OTHER="${2:-}"

ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" xvfb libx11-dev libxdamage-dev

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DMORVIK_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD" --target morvik morvik_bare morvik_widgets morvik_startwait >/dev/null

work="$(mktemp -d)"
cleanup() {
    stop_xserver
    rm -rf "$work"
}
trap cleanup EXIT

# No window manager, as for the figures in BENCHMARKS.md: it would add its own work to each
# window mapping that is timed.
start_xserver "$work" 1280x1024
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

read -r children width height < <(QT_QPA_PLATFORM=offscreen "$BUILD/bench/morvik_widgets") || true
if [ -z "${height:-}" ]; then
    echo "morvik_widgets failed" >&2
    exit 1
fi
echo "Display $DISPLAY; Morvik has $children child widgets in a ${width}x${height} window."

# The bare program in two forms: without any text (the goal's reference), and with a two-letter
# label for each child, which adds what any program that shows text pays for its fonts.
names=(morvik bare bare+text)
if [ -n "$OTHER" ]; then
    names+=(other)
fi
count=${#names[@]}
run() { # run INDEX FILE: one timed start of program INDEX of names, appended to FILE
    local program=("$BUILD/morvik")
    if [ "$1" -eq 1 ] || [ "$1" -eq 2 ]; then
        program=("$BUILD/bench/morvik_bare" "$children" "$width" "$height")
    fi
    if [ "$1" -eq 2 ]; then
        program+=(--text)
    fi
    if [ "$1" -eq 3 ]; then
        program=("$OTHER")
    fi
    "$BUILD/bench/morvik_startwait" Morvik 30 "${program[@]}" >>"$2"
}

# One start of each to warm the caches, not counted; then all in turn, the first one rotating.
for p in $(seq 0 $((count - 1))); do
    run "$p" "$work/warmup"
done
for i in $(seq "$RUNS"); do
    for k in $(seq 0 $((count - 1))); do
        p=$(((i + k) % count))
        run "$p" "$work/${names[$p]}"
    done
done

# summary FILE COLUMN DIVISOR: "median [first quartile..third quartile] (min..max)"
summary() {
    awk -v c="$2" -v d="$3" '{ print $c / d }' "$1" | sort -g | awk '{ v[NR] = $1 }
        function at(q,  p, i) {
            p = 1 + (NR - 1) * q
            i = int(p)
            return v[i] + (p - i) * (v[i + 1] - v[i])
        }
        END { printf "%.1f [%.1f..%.1f] (%.1f..%.1f)\n", at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

echo
echo "$RUNS starts each: median [interquartile range] (min..max)"
printf '%-9s  %-30s  %-30s  %s\n' program "mapped, ms" "painted, ms" "peak RSS (VmHWM), MiB"
for name in "${names[@]}"; do
    printf '%-9s  %-30s  %-30s  %s\n' "$name" "$(summary "$work/$name" 1 1)" \
        "$(summary "$work/$name" 2 1)" "$(summary "$work/$name" 3 1024)"
done
echo
ratio() { # ratio REFERENCE COLUMN: Morvik's median over the reference program's
    paste <(summary "$work/morvik" "$2" 1) <(summary "$work/$1" "$2" 1) \
        | awk '{ printf "%.2fx", $1 / $4 }'
}
references=(bare bare+text)
if [ -n "$OTHER" ]; then
    references+=(other)
fi
for reference in "${references[@]}"; do
    echo "Morvik / $reference: painted $(ratio "$reference" 2), peak memory $(ratio "$reference" 3)"
done
echo "Goal: Morvik / bare at most 1.15x for each."
