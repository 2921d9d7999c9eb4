#!/usr/bin/env bash
# Rewrites the expected files of the golden command line cases after a deliberate
# change of output; review the result with git diff before committing it.
# Usage: scripts/update-golden.sh [CASE...]   (no case: every case)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build -DPIXOLAN_BUILD_TESTS=ON >/dev/null
filter='Cases/GoldenCli.*'
if (($#)); then
  filter=$(for c in "$@"; do printf 'Cases/GoldenCli.OutputsEqualTheExpectedFiles/%s:' "${c//-/_}"; done)
fi
PIXOLAN_UPDATE_GOLDEN=1 build/bin/test_cli --gtest_filter="$filter" >/dev/null
git status --short tests/data/golden
