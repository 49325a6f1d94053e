# Sourced by the command-line test scripts: a scratch directory `work`,
# removed at exit, `check` (a description, then a command that must
# succeed) that prints and counts each result, and `finish`, which ends the
# script with the tally.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() {
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
  exit 0
}
