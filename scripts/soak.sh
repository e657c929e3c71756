#!/usr/bin/env bash
# The long soak runs of the real DLLs under Wine (the test command runs short versions):
#   1000 load/unload cycles of voxgate.dll and of voxpaths.dll,
#   an hour of speech through one loaded front at speeds changing between requests,
#   60 s of voxpaths.dll queries from 4 threads.
# Usage: scripts/soak.sh [CYCLES] [SECONDS_OF_SPEECH] [QUERY_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-1000} speech=${2:-3600} queries=${3:-60}

bash scripts/setup.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw
run=build/mingw/wine-run.sh
trap '"$run" --stop >/dev/null 2>&1 || true' EXIT
"$run" --start
"$run" build/mingw/bin/front_cycles_soak.exe "$cycles"
"$run" build/mingw/bin/speech_soak.exe "$speech"
"$run" build/mingw/bin/paths_threads_soak.exe "$queries" 4
