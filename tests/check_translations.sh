#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation is complete: lrelease finds no unfinished message and ignores none.
set -euo pipefail
lrelease=$(command -v lrelease || echo /usr/lib/qt6/bin/lrelease)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
for ts in "$1"/wavelab_*.ts; do
    report=$("$lrelease" "$ts" -qm "$out/$(basename "$ts" .ts).qm" 2>&1)
    if ! grep -q "(\([0-9]*\) finished and 0 unfinished)" <<< "$report" \
        || grep -qi "ignored\|error\|warning" <<< "$report"; then
        echo "FAIL: $(basename "$ts"): $report"
        failures=$((failures + 1))
    fi
done
echo "translations: $failures failed"
[ "$failures" -eq 0 ]
