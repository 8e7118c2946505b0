#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a temporary prefix and checks what a desktop finds there: the
# launchers, a valid desktop entry, every icon size and valid AppStream metadata for each
# product, and the manual page under all its names.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Width and height of a PNG from its IHDR chunk.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<< "$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

[ -x "$prefix/bin/interfer" ] || fail "bin/interfer is no executable"
share=$prefix/share
for product in Pelvane Rundique Sorvelle; do
    id=org.wavelab.$product
    [ "$(readlink "$prefix/bin/$product")" = interfer ] || fail "bin/$product is no link to interfer"

    desktop=$share/applications/$id.desktop
    desktop-file-validate "$desktop" | grep -v ': hint: ' && fail "$desktop does not validate"
    grep -qx 'Categories=Education;Science;Physics;' "$desktop" || fail "$id: categories"
    grep -qx "Exec=$product %f" "$desktop" || fail "$id: Exec is not the launcher with a file"
    grep -qx "MimeType=application/x-wavelab-setup;" "$desktop" || fail "$id: no set-up type"
    grep -qx "Icon=$id" "$desktop" || fail "$id: Icon"
    grep -qx "StartupWMClass=$id" "$desktop" || fail "$id: StartupWMClass is not $id"
    grep -q '^Comment=..........' "$desktop" || fail "$id: no comment"
    for language in de fr es; do
        for key in GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=....." "$desktop" || fail "$id: no $key in $language"
        done
    done

    [ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "$id: no scalable icon"
    for size in 16 22 24 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x$size/apps/$id.png
        if [ ! -f "$png" ]; then
            fail "$id: no $size pixel icon"
        elif [ "$(png_size "$png")" != "${size}x$size" ]; then
            fail "$id: the $size pixel icon is $(png_size "$png")"
        fi
    done

    metainfo=$share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "$metainfo does not validate"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "$id: metainfo launches no installed desktop entry"
    for language in de fr es; do
        grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "$id: no summary in $language"
        [ "$(grep -c "<p xml:lang=\"$language\">" "$metainfo")" = "$(grep -c '<p>' "$metainfo")" ] \
            || fail "$id: the description is not all in $language"
    done

    [ "$(readlink -f "$share/man/man1/$product.1.gz")" = "$share/man/man1/interfer.1.gz" ] \
        || fail "no manual page under $product"
done

page=$share/man/man1/interfer.1.gz
if ! gzip -t "$page"; then
    fail "the manual page is no gzip file"
else
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page warnings: $warnings"
    for product in Pelvane Rundique Sorvelle; do
        zcat "$page" | grep -q "^\.B $product\$" || fail "the manual page names no $product"
    done
fi
[ -s "$share/doc/wavelab/copyright" ] || fail "no copyright file"

# The installed launchers' windows under a real X server: each product its own window class,
# the one its desktop entry names, and an icon on the window.
# Starts the program $1, waits for its window and prints the window's class and icon.
window_report='
    env -u QT_QPA_PLATFORM "$1" >/dev/null 2>&1 &
    program=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --pid "$program" --onlyvisible 2>/dev/null | head -n1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -n "$window" ]; then
        xprop -id "$window" WM_CLASS
        xprop -id "$window" _NET_WM_ICON | head -c 60
        echo
    fi
    kill "$program"
    wait "$program" 2>/dev/null
    true'
for product in Pelvane Rundique Sorvelle; do
    id=org.wavelab.$product
    # xvfb-run -a can lose the race for a display number to another server starting at once
    for _ in 1 2 3; do
        report=$(xvfb-run -a -s '-screen 0 1024x768x24' bash -c "$window_report" report \
            "$prefix/bin/$product")
        grep -q WM_CLASS <<< "$report" && break
    done
    startup=$(sed -n 's/^StartupWMClass=//p' "$share/applications/$id.desktop")
    grep -qF "WM_CLASS(STRING) = \"$product\", \"$startup\"" <<< "$report" \
        || fail "$product: the window's class is not its entry's $startup: $report"
    grep -q '_NET_WM_ICON(CARDINAL) = .*Icon (16 x 16)' <<< "$report" || fail "$product: no window icon"
done

# The set-up file type, known by its name and by its content as the desktop's database on this
# tree says, and opened in a product by xdg-open as a double click does.
examples=$share/wavelab/examples
[ "$(find "$examples" -name '*.wavelab' | wc -l)" -ge 9 ] || fail "fewer than nine examples"
[ -s "$share/icons/hicolor/scalable/mimetypes/application-x-wavelab-setup.svg" ] \
    || fail "no icon for the set-up type"
# The database tells of folders outside the desktop's search path; this one is, on purpose.
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
update-desktop-database "$share/applications" || fail "update-desktop-database"
export XDG_DATA_DIRS=$share XDG_DATA_HOME=$prefix/home-data XDG_CONFIG_HOME=$prefix/home-config
lesson=$examples/rundique-1-in-step.wavelab
type=$(xdg-mime query filetype "$lesson")
[ "$type" = application/x-wavelab-setup ] || fail "$lesson is of the type \"$type\""
cp "$lesson" "$prefix/lesson-without-extension"
type=$(xdg-mime query filetype "$prefix/lesson-without-extension")
[ "$type" = application/x-wavelab-setup ] || fail "the format tag gives the type \"$type\""
default=$(xdg-mime query default application/x-wavelab-setup)
[[ $default =~ ^org\.wavelab\.(Pelvane|Rundique|Sorvelle)\.desktop$ ]] \
    || fail "set-ups open with \"$default\""

# xdg-open runs the entry's command in its own foreground: seen in the process table, then ended.
PATH=$prefix/bin:$PATH DISPLAY=${DISPLAY:-:99} QT_QPA_PLATFORM=offscreen \
    timeout 30 xdg-open "$lesson" >/dev/null 2>&1 &
opener=$!
started=
for _ in $(seq 50); do
    for cmdline in /proc/[0-9]*/cmdline; do
        args=$( (tr '\0' '\n' < "$cmdline") 2>/dev/null) || continue
        if [ "$(sed -n 2p <<< "$args")" = "$lesson" ] \
            && [[ $(head -n 1 <<< "$args") == "$prefix"/bin/* ]]; then
            started=${cmdline#/proc/}
            started=${started%/cmdline}
            break 2
        fi
    done
    sleep 0.2
done
if [ -n "$started" ]; then
    launcher=$(tr '\0' '\n' < "/proc/$started/cmdline" | head -n 1)
    product=${default#org.wavelab.}
    [ "$launcher" = "$prefix/bin/${product%.desktop}" ] \
        || fail "xdg-open started $launcher"
    kill "$started"
else
    fail "xdg-open started no product with $lesson"
fi
wait "$opener" || true

echo "install: $failures failed"
[ "$failures" -eq 0 ]
