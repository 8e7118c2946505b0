#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of the program's readers of outside data with clang and libFuzzer and
# runs them one after the other, each for the given time:
#   fuzz/run.sh [seconds] [experiment|setup ...]   (600 seconds and both targets by default)
# The corpus each grows stays in build/fuzz/<target>/corpus; fuzz/seeds (experiment files) and
# fuzz/seeds-setup (set-ups) hold the files they start from.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh
# libFuzzer and the sanitizers' runtime come with clang only as a recommendation.
wave_install_missing clang libclang-rt-dev

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(experiment setup)

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
out=build/fuzz
for target in "${targets[@]}"; do
    mkdir -p "$out/$target/corpus"
    case $target in
    experiment)
        clang++ "${flags[@]}" slit/experiment_reader.cpp fuzz/fuzz_experiment_reader.cpp \
            -o "$out/$target/fuzz"
        seeds=fuzz/seeds
        ;;
    setup)
        # Qt's JSON parser is not instrumented: the target guides by the reader's own checks.
        read -r -a qt <<< "$(pkg-config --cflags --libs Qt6Core)"
        clang++ "${flags[@]}" -fPIC platform/setup_file.cpp platform/product.cpp \
            fuzz/fuzz_setup_reader.cpp "${qt[@]}" -o "$out/$target/fuzz"
        seeds=fuzz/seeds-setup
        ;;
    *)
        echo "No fuzz target $target; there are experiment and setup." >&2
        exit 2
        ;;
    esac
    # Inputs up to 1 MB, so that long lines and long numbers are tried; a second per input at
    # most.
    "$out/$target/fuzz" -max_total_time="$seconds" -max_len=1048576 -timeout=1 \
        -rss_limit_mb=1024 -print_final_stats=1 "$out/$target/corpus" "$seeds"
done
