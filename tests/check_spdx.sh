#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source, build or script file of the tree lacks the licence line near its top.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files)
else
    files=$(find . -path ./build -prune -o -type f -print | sed 's|^\./||')
fi
missing=0
while IFS= read -r file; do
    case "$file" in
        *.cpp | *.h | *.sh | CMakeLists.txt | */CMakeLists.txt | run.sh | test.sh | .ci/run | fuzz/run.sh) ;;
        *) continue ;;
    esac
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "no licence line: $file"
        missing=$((missing + 1))
    fi
done <<< "$files"
checked=$(grep -c -E '\.(cpp|h|sh)$|CMakeLists\.txt$|^\.ci/run$' <<< "$files" || true)
echo "licence: $((checked - missing)) passed, $missing failed"
[ "$missing" -eq 0 ]
