#!/usr/bin/env bash
# Installs what is missing, builds Mavu with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite. The sources must
# be formatted as .clang-format says (clang-format -i FILE fixes a file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMAVU_SANITIZE=ON -DMAVU_BUILD_TESTS=ON >/dev/null
cmake --build build-test
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd build-test && ctest --output-on-failure -j2 "$@"
