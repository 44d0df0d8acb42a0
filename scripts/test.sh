#!/usr/bin/env bash
# Sets up, builds and runs every test twice: a normal build, then one under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"
desktop=ON
[ "${VMX_WITH_HOST:-1}" = 1 ] || desktop=OFF

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DVMX_BUILD_DESKTOP=$desktop
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVMX_SANITIZE=ON -DVMX_BUILD_DESKTOP=$desktop
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -LE gui
