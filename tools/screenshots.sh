#!/usr/bin/env bash
# Renders every window of the program with demonstration data into PNG files, offscreen,
# for review. Builds the tool first.
#
#   tools/screenshots.sh [folder] [name-part]
#
# The folder defaults to build/ekran_goruntuleri; a name part renders only the windows whose
# scene name contains it. BUILD_DIR names the build folder (build/debug by default, set up
# with the debug preset when it does not exist yet).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build="${BUILD_DIR:-build/debug}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset debug
fi
cmake --build "$build" --target zorvat_screenshots
"$build/tools/screenshots/zorvat_screenshots" "${1:-build/ekran_goruntuleri}" "${2:-}"
