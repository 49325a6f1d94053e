# Sourced by the scripts that run Windows programs: the project's own Wine
# prefix inside the build tree, 64-bit, quiet, without the Mono and Gecko
# installers.
_bvrank_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${BVRANK_WINEPREFIX:-$_bvrank_root/build/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset _bvrank_root
