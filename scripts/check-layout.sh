#!/usr/bin/env bash
# Checks the naming rule that tells window-free logic from Win32 glue:
# a file that builds only for Windows ends in _win, a portable file does not,
# and no portable file reaches <windows.h>, directly or through a _win header.
# The Windows-only sources are those listed in shell/CMakeLists.txt; the
# portable ones are those in cmake/sources.cmake. Prints every violation and
# exits 1 when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

failures=0
fail() {
  echo "layout: $1"
  failures=$((failures + 1))
}

# Sources named in a CMake list file, as paths from the top of the tree.
windows_sources() {
  grep -oE '^[[:space:]]*[^#[:space:]]+\.(cpp|h)[[:space:]]*$' shell/CMakeLists.txt |
    sed -E 's/^[[:space:]]+//; s/[[:space:]]+$//' |
    sed -E 's#^\$\{PROJECT_SOURCE_DIR\}/##; t; s#^#shell/#'
}
portable_sources() {
  grep -oE '^[[:space:]]*[a-z_/]+\.(cpp|h)[[:space:]]*$' cmake/sources.cmake |
    sed -E 's/^[[:space:]]+//; s/[[:space:]]+$//'
}

includes_windows() {  # the file includes <windows.h> or a _win header
  grep -qiE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows\.h|[^">]*_win\.h)[">]' "$1"
}

mapfile -t win_list < <(windows_sources)
mapfile -t portable_list < <(portable_sources)

for f in "${win_list[@]}"; do
  [ -f "$f" ] || fail "$f is listed in shell/CMakeLists.txt but does not exist"
  case "$f" in
    *_win.cpp | *_win.h) ;;
    *) fail "$f builds only for Windows but its name does not end in _win" ;;
  esac
done

for f in "${portable_list[@]}"; do
  [ -f "$f" ] || fail "$f is listed in cmake/sources.cmake but does not exist"
  case "$f" in
    *_win.cpp | *_win.h) fail "$f is portable but its name ends in _win" ;;
  esac
  [ -f "$f" ] && includes_windows "$f" && fail "$f is portable but includes <windows.h> or a _win header"
done

# Every source of the product is in exactly one list, so none escapes the rule.
while IFS= read -r f; do
  in_win=0
  in_portable=0
  for w in "${win_list[@]}"; do [ "$w" = "$f" ] && in_win=1; done
  for p in "${portable_list[@]}"; do [ "$p" = "$f" ] && in_portable=1; done
  if [ $((in_win + in_portable)) -ne 1 ]; then
    fail "$f is in $((in_win + in_portable)) source lists (must be in exactly one)"
  fi
done < <(git ls-files -- 'analysis/*.cpp' 'runtime/*.cpp' 'shell/*.cpp' 'cli/*.cpp' 2>/dev/null ||
  find analysis runtime shell cli -name '*.cpp')

# Headers: a header without the suffix is portable and may not reach the
# Win32 side; the portable tests may not either.
while IFS= read -r f; do
  case "$f" in
    *_win.h) ;;
    *) includes_windows "$f" && fail "$f is portable (no _win suffix) but includes <windows.h> or a _win header" ;;
  esac
done < <(find analysis runtime shell cli -name '*.h')

while IFS= read -r f; do
  includes_windows "$f" && fail "$f is a native test but includes <windows.h> or a _win header"
done < <(find tests/analysis tests/runtime tests/shell tests/support -name '*.cpp' -o -name '*.h')

if [ "$failures" -ne 0 ]; then
  echo "layout: $failures violation(s)"
  exit 1
fi
echo "layout: ${#win_list[@]} Windows-only and ${#portable_list[@]} portable sources follow the naming rule"
