#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole suite headless.
# ./test.sh --sanitize builds with the address and undefined-behaviour sanitizers instead.
# ./test.sh --fuzz [seconds] fuzzes the experiment file and set-up readers instead, 30 seconds
# each by default.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--fuzz" ]; then
    exec fuzz/run.sh "${2:-30}"
fi
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
