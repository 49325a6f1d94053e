#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (used by ctest as
# the cross-compiling emulator). The program's output goes through files:
# a Wine service started on the way (the desktop, device services) inherits
# the program's standard handles and would otherwise hold ctest's output
# pipe open long after the program ended.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
status=$?
cat "$out"
cat "$err" >&2
exit $status
