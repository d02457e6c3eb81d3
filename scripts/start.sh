#!/usr/bin/env bash
# Installs what is missing, builds Mavu and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAVU_BUILD_TESTS=OFF >/dev/null
cmake --build build --target mavu
exec ./build/src/mavu "$@"
