#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the experiment file reader's fuzz target with clang and libFuzzer and runs it:
#   fuzz/run.sh [seconds]      (600 by default)
# The corpus it grows stays in build/fuzz/corpus; fuzz/seeds holds the files it starts from.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh
# libFuzzer and the sanitizers' runtime come with clang only as a recommendation.
wave_install_missing clang libclang-rt-dev

out=build/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. slit/experiment_reader.cpp fuzz/fuzz_experiment_reader.cpp -o "$out/fuzz_experiment_reader"
# Inputs up to 1 MB, so that long lines and long numbers are tried; a second per input at most.
"$out/fuzz_experiment_reader" -max_total_time="${1:-600}" -max_len=1048576 -timeout=1 \
    -rss_limit_mb=1024 -print_final_stats=1 "$out/corpus" fuzz/seeds
