#!/usr/bin/env bash
# Installs what is missing, builds, and starts one product: ./run.sh [Pelvane|Rundique|Sorvelle]
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

product=${1:-Rundique}
case "$product" in
    Pelvane | Rundique | Sorvelle) ;;
    *)
        echo "usage: ./run.sh [Pelvane|Rundique|Sorvelle]" >&2
        exit 2
        ;;
esac

wave_install_missing
wave_build build/release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the window on. Start it under a virtual display:" >&2
    echo "  xvfb-run -s '-screen 0 1024x768x24' build/release/$product" >&2
    exit 1
fi
exec "build/release/$product"
