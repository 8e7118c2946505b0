# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs what the build needs and builds a tree.
# Sourced, not run.

# Debian packages the build, the tests and the benchmarks need.
WAVE_PACKAGES=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libcups2-dev libgif-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    cups printer-driver-cups-pdf poppler-utils
    desktop-file-utils appstream man-db dpkg-dev file lintian
    xvfb xdotool x11-utils
    shared-mime-info xdg-utils libfile-mimeinfo-perl
)

wave_install_missing() {
    local missing=()
    local package
    for package in "${WAVE_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing and this is no root shell: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# wave_build DIR [cmake options...]: configures DIR once and builds it.
wave_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
