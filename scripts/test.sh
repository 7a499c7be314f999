#!/usr/bin/env bash
# Sets up the machine, checks the layout of the changed sources, builds, and runs the whole
# test suite twice: once as shipped, once built with AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails the test).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_format.sh
bash scripts/build.sh

export QT_QPA_PLATFORM=offscreen
(cd "${BUILD_DIR:-build}" && ctest --output-on-failure -j"$(nproc)")

sanitized=build-sanitize
if [ ! -f "$sanitized/CMakeCache.txt" ]; then
    cmake -S . -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
fi
cmake --build "$sanitized" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tests/support/lsan.supp":print_suppressions=0
# A sanitizer's report from inside a worker process fails that file; its words are wanted too.
export TARVO_WORKER_STDERR=1
cd "$sanitized" && ctest --output-on-failure -j"$(nproc)"
