#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each for a bounded time (default 60 s) from a seed corpus that the tests write.
# Usage: scripts/fuzz.sh [seconds-per-target]
# Findings land in build-fuzz/artifacts/; reproduce one with build-fuzz/fuzz/<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/setup.sh
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The seed corpus: every damaged and undamaged file of the broken-files test.
bash scripts/build.sh >/dev/null
corpus=build-fuzz/corpus
rm -rf "$corpus/seed" && mkdir -p "$corpus/seed" build-fuzz/artifacts
TARVO_CORPUS_DIR="$PWD/$corpus/seed" QT_QPA_PLATFORM=offscreen build/tests/unit/tst_brokenfiles >/dev/null

if [ ! -f build-fuzz/CMakeCache.txt ]; then
    cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DTARVO_FUZZERS=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
fi
cmake --build build-fuzz --target fuzz_jp2 fuzz_decode fuzz_qimage fuzz_worker -j"$(nproc)"

mkdir -p "$corpus/fuzz_jp2" "$corpus/fuzz_decode" "$corpus/fuzz_qimage" "$corpus/fuzz_worker"
cp -n "$corpus"/seed/JP2_* "$corpus/fuzz_jp2/" 2>/dev/null || true
cp -n "$corpus"/seed/* "$corpus/fuzz_decode/"
cp -n "$corpus"/seed/* "$corpus/fuzz_worker/"
# And a file that crashes its decoder, so that the containment is tried from the first run.
printf '#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 2 +X 4\n\n\x14\x1e\x80\x01\x01\x01\x00\x01\x01\x01\x00\x01\x01\x01\x00\x01\x01\x01\x7f' >"$corpus/fuzz_worker/crashing.hdr"
# Format, width, height, then pixels: a few starting points over the formats.
for f in $(seq 1 29); do
    printf "$(printf '\\x%02x\\x10\\x08' "$f")%s" "0123456789abcdefghijklmnopqrstuvwxyz" >"$corpus/fuzz_qimage/format_$f"
done

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
for target in fuzz_jp2 fuzz_qimage fuzz_decode fuzz_worker; do
    log="build-fuzz/$target.log"
    # The library behind the whole-decode target is not ours and keeps some memory on its
    # error paths; leaks are checked for our own readers only.
    leaks=1
    [ "$target" = fuzz_decode ] && leaks=0
    # The workers of the containment target live on between inputs by design.
    [ "$target" = fuzz_worker ] && leaks=0
    status=0
    # A decode of a few bytes that needs gigabytes or seconds is a finding too: over 2 GB of
    # memory fails the run, and inputs slower than 5 s are saved as slow units.
    before=$(ls build-fuzz/artifacts | grep -c "^$target-slow-unit" || true)
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -report_slow_units=5 \
        -detect_leaks=$leaks -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
        "$corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || echo "?")
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || echo "?")
    result=clean
    [ "$status" -ne 0 ] && result="FOUND SOMETHING (exit $status, see $log)"
    after=$(ls build-fuzz/artifacts | grep -c "^$target-slow-unit" || true)
    [ "$status" -eq 0 ] && [ "$after" -gt "$before" ] && result="SLOW INPUTS ($((after - before)) in build-fuzz/artifacts)"
    summary+=("$(printf '%-12s %10s runs  %6s edges  %7s features  %s' "$target" "$runs" "$cov" "$ft" "$result")")
done
printf '%s\n' "${summary[@]}"
