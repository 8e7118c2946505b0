#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite headless.
# ./test.sh --sanitize builds with the address and undefined-behaviour sanitizers instead.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

dir=build/release
options=()
if [ "${1:-}" = "--sanitize" ]; then
    dir=build/sanitize
    options=(-DWAVE_SANITIZE=ON -DWAVE_BENCH=OFF)
fi

wave_install_missing
wave_build "$dir" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
