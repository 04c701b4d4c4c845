#!/usr/bin/env bash
# The module-definition file must export every function under the decorated
# name that its current signature gets in the platform's usual C++ ABI.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
def=$root/src/engine/Stats.def

expected=$("$root/tools/decorated-names/derive" "$root")
count=$(printf '%s\n' "$expected" | grep -c '=')
if [ "$count" -ne 11 ]; then
    echo "FAIL: derived $count decorated names, expected 11"
    exit 1
fi
missing=0
while read -r line; do
    if grep -qxF "    $line" "$def"; then
        echo "ok   $line"
    else
        echo "FAIL not in Stats.def: $line"
        missing=$((missing + 1))
    fi
done <<<"$expected"
stale=$(grep -E '^ +\?' "$def" | sed 's/^ *//' | grep -vxF -f <(printf '%s\n' "$expected" | sed 's/^ *//') || true)
if [ -n "$stale" ]; then
    echo "FAIL Stats.def has decorated names no signature gives: $stale"
    missing=$((missing + 1))
fi
echo "$((11 - missing)) passed, $missing failed"
[ "$missing" -eq 0 ]
