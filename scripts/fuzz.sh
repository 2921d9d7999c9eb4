#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 60) on a copy of its seed corpus, so the committed
# corpus never grows. Any crash, leak, timeout or memory blow-up fails the run; the input
# that caused it is kept in build-fuzz/findings/ (copy it to fuzz/regressions/<target>/).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(bmp iff gbr png pxo pxo_sheet palette_file export); fi
jobs=$(nproc 2>/dev/null || echo 2)

scripts/deps.sh clang libclang-rt-14-dev

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXOLAN_WERROR=ON -DPIXOLAN_FUZZ=ON \
  -DPIXOLAN_BUILD_TESTS=OFF -DPIXOLAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]/#/fuzz_}"

work=$build/fuzz-run
findings=$build/findings
mkdir -p "$findings"
failed=()
for target in "${targets[@]}"; do
  rm -rf "${work:?}/$target"
  mkdir -p "$work/$target"
  cp -R "fuzz/corpus/$target/." "$work/$target/"
  log=$work/$target.log
  echo "== fuzz_$target for ${seconds}s"
  # New inputs go to the first folder (the copy); the regressions are replayed first.
  if "$build/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=25 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" \
      "$work/$target" "fuzz/regressions/$target" >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
    grep -E '^#[0-9]+.*(DONE|pulse)' "$log" | tail -1 || true
  else
    echo "fuzz_$target FAILED; its report (last lines of $log):"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "Findings in: ${failed[*]} (inputs in $findings/)"
  exit 1
fi
echo "No findings."
