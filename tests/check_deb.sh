#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of a built tree and checks its contents, its dependencies and
# that lintian finds no error in it.
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/wavelab_*.deb)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 $7 $8 }')
expected=(./usr/bin/interfer ./usr/share/man/man1/interfer.1.gz
    ./usr/share/doc/wavelab/copyright ./usr/share/doc/wavelab/changelog.gz
    ./usr/share/mime/packages/wavelab.xml
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-wavelab-setup.svg)
for lesson in "$(dirname "$0")"/../examples/*.wavelab; do
    expected+=("./usr/share/wavelab/examples/${lesson##*/}")
done
for product in Pelvane Rundique Sorvelle; do
    id=org.wavelab.$product
    expected+=("./usr/bin/$product->interfer" "./usr/share/man/man1/$product.1.gz->interfer.1.gz"
        "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml"
        "./usr/share/icons/hicolor/scalable/apps/$id.svg")
    for size in 16 22 24 32 48 64 128 256; do
        expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
    done
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<< "$contents" || fail "the package lacks $path"
done
# Nothing of the build, the tests or the benchmarks goes into the package.
unexpected=$(grep -vxF -f <(printf '%s\n' "${expected[@]}") <<< "$contents" | grep -v '/$' || true)
[ -z "$unexpected" ] || fail "the package holds more: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6printsupport6 libgif7 libc6 qt6-qpa-plugins; do
    grep -q "\b$library\b" <<< "$depends" || fail "no dependency on $library: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q "\bqt6-translations-l10n\b" <<< "$recommends" || fail "it does not recommend Qt's translations"

# What the package says it takes, against what it unpacks to (dpkg counts whole KiB).
claimed=$(dpkg-deb -f "$deb" Installed-Size)
dpkg-deb -x "$deb" "$out/tree"
unpacked=$(du -sk --apparent-size "$out/tree" | cut -f1)
[ "$claimed" -ge $((unpacked * 9 / 10)) ] && [ "$claimed" -le $((unpacked * 11 / 10)) ] \
    || fail "the package claims $claimed KiB installed but unpacks to $unpacked KiB"

if ! report=$(lintian --fail-on error "$deb" 2>&1); then
    fail "lintian reports errors: $report"
fi

echo "deb: $failures failed"
[ "$failures" -eq 0 ]
