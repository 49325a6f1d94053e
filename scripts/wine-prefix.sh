#!/usr/bin/env bash
# Creates the Wine prefix once (stamped), non-interactively: programs run in
# Wine's virtual desktop (no window manager needed, title bars drawn), the
# caption-button font is installed, and "Courier New" resolves to Liberation
# Mono, so font metrics in tests are the same on every machine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

stamp="$WINEPREFIX/.bvrank-prefix-v1"
[ -f "$stamp" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w

reg_file="$(mktemp --suffix=.reg)"
cat >"$reg_file" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
REG
wine regedit "$(winepath -w "$reg_file")" >/dev/null 2>&1 </dev/null
wineserver -w
rm -f "$reg_file"

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
cp /usr/share/fonts/truetype/liberation/LiberationMono-*.ttf "$fonts/"
touch "$stamp"
