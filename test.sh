#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core's unit and scenario tests,
# the same core tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the desktop
# program's tests (offscreen drawing, and end to end under Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVIK_APP=ON >/dev/null
cmake --build build -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVIK_SANITIZE=ON \
  -DZELVIK_APP=OFF -DZELVIK_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j "$jobs"

status=0
echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs" || status=1
echo "== core tests under ASan and UBSan"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core || status=1
exit $status
