#!/usr/bin/env bash
# The benchmark (not part of the tests): builds both trees, runs stage_bench under Wine in the
# demo's own prefix and the native allocation count, prints the tables and writes them, with the
# machine and the way to reproduce them, to docs/benchmarks.md. It prints figures; it never fails
# on them.
#   bash scripts/bench.sh [--minutes N] [--reps N]     (defaults: 10 minutes, best of 3)
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=10
reps=3
while [ $# -gt 0 ]; do
  case "$1" in
    --minutes) minutes=$2; shift 2 ;;
    --reps) reps=$2; shift 2 ;;
    *) echo "usage: bash scripts/bench.sh [--minutes N] [--reps N]" >&2; exit 2 ;;
  esac
done
[[ $minutes =~ ^[0-9]+$ && $reps =~ ^[0-9]+$ ]] || { echo "bench: --minutes and --reps take whole numbers" >&2; exit 2; }

bash scripts/setup.sh
for preset in native mingw; do
  echo "== build: $preset" >&2
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 >&2
done

mkdir -p out docs
speech=$(realpath out/bench_speech.wav)
espeak-ng -w "$speech" "A speech front sits between an application and its speech engine. It makes \
the speech faster or slower while the voice keeps its pitch, and it makes it louder or softer. \
This paragraph is repeated until ten minutes of speech have passed through it."

runner=build/mingw/wine-demo.sh
trap '"$runner" --stop >/dev/null 2>&1 || true' EXIT
"$runner" --start
echo "== stage_bench under Wine: ${minutes} minutes of speech per run, best of ${reps} (a few minutes)" >&2
wine_tables=$("$runner" build/mingw/demo-install/stage_bench.exe --in "Z:$speech" \
  --minutes "$minutes" --reps "$reps" | tr -d '\r')
echo "== native allocation count" >&2
native_tables=$(build/native/bin/stage_alloc_bench)

cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //' || echo unknown)
report=$(cat <<REPORT
# Benchmarks

Measured $(date -u '+%Y-%m-%d %H:%M UTC') in one run of \`bash scripts/bench.sh --minutes $minutes --reps $reps\`
on: ${cpu}, $(nproc) cores; $(wine --version) (32-bit prefix); $(i686-w64-mingw32-g++-posix --version | head -1).
Machines like this one are noisy, so the stage is compared as ratios: front against a bare Sonic
loop of the same chunking, compiled with the same flags, in the same process, runs interleaved.

To reproduce: \`bash scripts/bench.sh\` (options \`--minutes N\`, \`--reps N\`). It rebuilds both
trees, speaks a paragraph with espeak-ng, repeats it to the wanted length and runs
\`build/mingw/demo-install/stage_bench.exe\` under Wine (prefix \`build/mingw/demo-wineprefix\`)
and \`build/native/bin/stage_alloc_bench\`. It prints figures and never fails on them.

${wine_tables}

${native_tables}

## Reading the figures

- At speed 1.0 Sonic copies its input straight through, so the bare loop is nearly free and any
  fixed per-chunk work of the front shows up as a large percentage of very little; that column's
  overhead is not a goal.
- "volume 0.5" adds the front's volume scaling (a multiply and clamp per sample) that the bare
  loop does not do; with volume 1.0 the front skips scaling.
- Registry mode reads the volume value on every chunk (open key, read, close). Under Wine each
  of those is a round trip to the wineserver, which is why that row is far slower than memory
  mode; Windows' registry is not Wine's, so this cost does not carry over. For playback what
  counts is the read's share of a chunk's real-time duration (the settings table).
- Peak working set includes the host's input buffer (the repeated speech, held in memory).
- Allocations are counted natively with a malloc interposer (glibc's \`__libc_malloc\` and
  relatives) around the portable stage, \`bind_stage\` + \`speak\` with a fake engine.
REPORT
)
echo "$report" >docs/benchmarks.md
echo "$report"
echo "(written to docs/benchmarks.md)" >&2
