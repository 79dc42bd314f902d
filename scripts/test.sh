#!/usr/bin/env bash
# Builds and runs every test: the full build with warnings as errors, the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the build without Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
run() {  # run <build dir> <cmake options...>
  local dir=$1; shift
  echo "== $dir: $*"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWARNINGS_AS_ERRORS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
}

run build/test
run build/sanitize -DSANITIZE=ON
run build/noqt -DWITH_QT=OFF
