#!/usr/bin/env bash
# Sets up everything, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs
# every test, and checks that the Windows-only code compiles and links.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tools/setup.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"
tools/check-windows-build.sh
echo "test: all green"
