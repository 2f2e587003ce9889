#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under address and undefined-behaviour
# sanitizers and runs each for a bounded time (seconds, default 60). Fails on any finding.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages cmake ninja-build clang libclang-rt-dev

seconds="${1:-60}"
out="$ROOT/build-fuzz"
build "$out" -DMORVIK_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++

for target in findrecords numericvalue; do
    echo "Fuzzing $target for ${seconds}s"
    corpus="$out/corpus-$target"
    mkdir -p "$corpus"
    if ! (cd "$out" && "./fuzz/fuzz_$target" -max_total_time="$seconds" "$corpus" \
        "$ROOT/fuzz/corpus/$target" >"$out/$target.log" 2>&1); then
        tail -40 "$out/$target.log"
        echo "fuzz_$target found a fault; the input that shows it is in $out"
        exit 1
    fi
    tail -1 "$out/$target.log"
done
echo "fuzzing: no findings"
