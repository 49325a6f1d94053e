#!/usr/bin/env bash
# Runs bvrank on the bundled sample: the windowed program under Wine when a
# display exists (started in examples/ so its Open dialog shows the
# sample), otherwise the command-line report of the sample.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh >/dev/null

if [ -n "${DISPLAY:-}" ]; then
  scripts/wine-prefix.sh
  source scripts/wine-env.sh
  cd examples
  exec wine ../build/windows/shell/bvrank.exe
fi

echo "No display: the command-line report of examples/1hpv.pdb follows."
echo "(For the windowed program, run ./run.sh where DISPLAY is set, e.g. under xvfb-run or a desktop.)"
cd examples
exec ../build/native/bvrank-cli 1hpv.pdb
