#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under address and undefined-behaviour
# sanitizers and runs each for a bounded time (seconds, default 60). Fails on any finding.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages clang libclang-rt-dev

seconds="${1:-60}"
out="$ROOT/build-fuzz"
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -I "$ROOT")
data=("$ROOT/data/Module1.cpp" "$ROOT/data/elements.cpp" "$ROOT/data/rank.cpp"
      "$ROOT/data/sheet.cpp")

clang++ "${flags[@]}" "$ROOT/fuzz/fuzz_findrecords.cpp" "$ROOT/tools/findrecords.cpp" \
    "${data[@]}" -o "$out/fuzz_findrecords"
clang++ "${flags[@]}" "$ROOT/fuzz/fuzz_numericvalue.cpp" "${data[@]}" -o "$out/fuzz_numericvalue"

for target in findrecords numericvalue; do
    echo "Fuzzing $target for ${seconds}s"
    corpus="$out/corpus-$target"
    mkdir -p "$corpus"
    if ! (cd "$out" && "./fuzz_$target" -max_total_time="$seconds" "$corpus" \
        "$ROOT/fuzz/corpus/$target" >"$out/$target.log" 2>&1); then
        tail -40 "$out/$target.log"
        echo "fuzz_$target found a fault; the input that shows it is in $out"
        exit 1
    fi
    tail -1 "$out/$target.log"
done
echo "fuzzing: no findings"
