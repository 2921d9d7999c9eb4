#!/usr/bin/env bash
# Builds everything and runs every test: a normal build, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

echo "== build/ (RelWithDebInfo)"
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=ON -DPIXOLAN_SANITIZE=OFF
scripts/package.sh build  # the package_listing test checks it
(cd build && ctest --output-on-failure -j "$jobs")

echo "== build-asan/ (address and undefined behaviour sanitizers)"
scripts/build.sh build-asan -DPIXOLAN_BUILD_TESTS=ON -DPIXOLAN_SANITIZE=ON -DPIXOLAN_BUILD_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs")

echo "== build-fuzz/ (libFuzzer, a short pass over every reader)"
scripts/fuzz.sh 20
