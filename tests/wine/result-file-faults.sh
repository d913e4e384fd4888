#!/usr/bin/env bash
# Runs the result-file tests under Wine with the faults a Windows program cannot make itself: a
# folder it may not write to, and a limit on the size of the files it writes, which fails a write
# midway as a full disk does.
#   result-file-faults.sh path/to/wine_file_tests.exe
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
tests="$1"
export WINEPREFIX="${WINEPREFIX:-$root/build/wine/prefix}"

scratch="$(mktemp -d -p "$PWD" result-file-faults.XXXXXX)"
read_only="$scratch/read-only"
mkdir "$read_only"
printf 'the result of an earlier import\0\001' >"$read_only/result.bin"
chmod a-w "$read_only"
immutable=false
writable() { touch "$read_only/probe" 2>/dev/null && rm -f "$read_only/probe"; }
# Permissions do not stop root; an immutable folder does.
if writable && chattr +i "$read_only" 2>/dev/null; then
    immutable=true
fi
cleanup() {
    if $immutable; then chattr -i "$read_only"; fi
    chmod -R u+w "$scratch"
    rm -rf "$scratch"
}
trap cleanup EXIT
if ! writable; then
    export RESULT_FILE_READ_ONLY_FOLDER="Z:${read_only//\//\\}"
fi

status=0
"$root/scripts/wine-run" "$tests" --gtest_filter=-*DiskThatFills* || status=$?

# The limit holds for the test program only: a Wine server of its own, started before it, writes
# the prefix's files without it.
wineserver="$(dirname "$(command -v wine64 || command -v wine)")/wineserver"
"$wineserver" -w
"$wineserver" -p5
(
    ulimit -f 1 # 1,024 bytes
    trap '' XFSZ
    RESULT_FILE_SIZE_LIMIT=1024 exec "$root/scripts/wine-run" "$tests" --gtest_filter=*DiskThatFills*
) || status=$?
exit $status
