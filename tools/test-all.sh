#!/bin/sh
# Installs what is missing, builds and runs every test: the whole suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, the threaded folders' tests under ThreadSanitizer, then each
# fuzz target for a bounded time.
set -e
cd "$(dirname "$0")/.."
jobs="$(nproc)"
sh tools/deps.sh
cmake --preset tests
cmake --build --preset tests -j"$jobs"
ctest --preset tests -j"$jobs"
cmake --preset tsan
cmake --build --preset tsan -j"$jobs"
ctest --preset tsan -j"$jobs"
sh tools/fuzz.sh
