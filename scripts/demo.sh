#!/usr/bin/env bash
# The main job: installs what is missing, builds the PE32 DLLs and puts them into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw
cmake --install build/mingw --prefix dist >/dev/null
echo "DLLs in $(pwd)/dist:"
ls -l dist
