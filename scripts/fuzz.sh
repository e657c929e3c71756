#!/usr/bin/env bash
# scripts/fuzz.sh [seconds]: builds the fuzz tree and runs each fuzz target for `seconds`
# (default 600) from its committed seeds; new inputs collect in build/fuzz/fuzz-work/<target>/,
# a failing input lands in build/fuzz/fuzz-work/<target>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in stage_fuzzer path_fuzzer; do
  work="build/fuzz/fuzz-work/$target"
  mkdir -p "$work/corpus" "$work/artifacts"
  echo "== $target for $seconds s"
  "build/fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "fuzz/corpus/$target"
done
