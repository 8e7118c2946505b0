#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program under a name: ./run.sh [NAME]
# Pelvane, Rundique (the default) and Sorvelle name the three products; any other name
# starts the program under that name, which opens the single-slit product.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

name=${1:-Rundique}
case "$name" in
    "" | */* | -* | . | ..)
        echo "usage: ./run.sh [Pelvane|Rundique|Sorvelle|NAME]  (NAME: a file name, no slash)" >&2
        exit 2
        ;;
esac

wave_install_missing
wave_build build/release

launcher="build/release/$name"
case "$name" in
    Pelvane | Rundique | Sorvelle) ;;
    *)
        # Other names get a link of their own apart from the build's files.
        mkdir -p build/release/names
        ln -sfn ../interfer "build/release/names/$name"
        launcher="build/release/names/$name"
        ;;
esac

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    wave_install_missing xvfb xauth
    echo "No display to show the window on. Start it under a virtual display:" >&2
    echo "  xvfb-run -s '-screen 0 1024x768x24' $launcher" >&2
    exit 1
fi
exec "$launcher"
