#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (used by ctest as
# the cross-compiling emulator). Wine's background services are started
# detached first, so that they do not hold ctest's output pipe open.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
if ! pgrep -u "$(id -u)" -f "wineserver" >/dev/null 2>&1; then
  wine cmd /c exit </dev/null >/dev/null 2>&1
fi
exec wine "$@"
