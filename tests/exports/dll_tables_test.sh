#!/usr/bin/env bash
# Stats.dll as a user receives it: one file that imports system DLLs only, and
# exports every name the host may look up.
# Usage: dll_tables_test.sh path/to/Stats.dll
set -euo pipefail
dll=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
dump=$(i686-w64-mingw32-objdump -p "$dll")
passed=0
failed=0
verdict() { if [ "$1" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi; echo "$1 $2"; }

system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|advapi32|shell32|msvcrt|uuid)\.dll$'
while read -r imported; do
    if grep -qiE "$system_dlls" <<<"$imported"; then
        verdict ok "imports system DLL $imported"
    else
        verdict FAIL "imports non-system DLL $imported"
    fi
done < <(sed -n 's/^\tDLL Name: //p' <<<"$dump")

if grep -qE '^Name[[:space:]]+[0-9a-f]+ Stats\.dll$' <<<"$dump"; then
    verdict ok "export directory names Stats.dll"
else
    verdict FAIL "export directory does not name Stats.dll"
fi

exported=$(sed -n 's/^\t\[ *[0-9]*\] //p' <<<"$dump")
names=$(sed -n 's/^    \([^=;]*\).*/\1/p' "$root/src/engine/Stats.def")
for name in $names CheckCallFunc0 StatsIsValidExchg0 StatsGetExchgCount0; do
    if grep -qxF "$name" <<<"$exported"; then
        verdict ok "exports $name"
    else
        verdict FAIL "does not export $name"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
