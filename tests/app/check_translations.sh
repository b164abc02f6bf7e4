#!/usr/bin/env bash
# Runs lupdate over the sources into a copy of the English catalog and fails
# if any text is new, changed or otherwise without its translation.
#
#     check_translations.sh <lupdate> <catalog.ts> <lupdate arguments...>
set -uo pipefail
lupdate=$1 catalog=$2
shift 2
copy=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-ts.XXXXXX")/kestrova_en.ts || exit 1
trap 'rm -rf "$(dirname "$copy")"' EXIT
cp "$catalog" "$copy"
"$lupdate" "$@" -ts "$copy" || { echo "FAIL: lupdate did not run"; exit 1; }
unfinished=$(grep -c 'type="unfinished"' "$copy")
if [ "$unfinished" -ne 0 ]; then
    echo "FAIL: $unfinished text(s) without English translation:"
    grep -B2 'type="unfinished"' "$copy" | grep '<source>'
    echo "Run: cmake --build build/default --target update_translations, then translate them."
    exit 1
fi
echo "every text has its English translation"
