#!/usr/bin/env bash
# Installs what is missing, builds Brellow and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRELLOW_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
if [ -x build/release/src/ui/brellow ]; then
    exec build/release/src/ui/brellow "$@"
fi
echo "Built build/release/src/cli/brellow-cli; the window is not there yet."
