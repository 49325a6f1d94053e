# Sourced: start_cups starts a CUPS scheduler of this build tree's own (its
# own socket, spool and logs, whatever other scheduler runs on the machine)
# with one PDF queue, the default, that writes every job as a PDF file into
# build/cups-pdf; it exports CUPS_SERVER, which Wine's printing reads, and
# BVRANK_PRINT_DIR. stop_cups stops that scheduler. Needs root: the
# scheduler runs its PDF backend as root, and the backend reads its
# settings from /etc/cups.
_bvrank_cups_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# One name per build tree, so that trees on one machine never share a
# scheduler or the settings file of the PDF backend.
BVRANK_CUPS_QUEUE="bvrank-$(printf '%s' "$_bvrank_cups_root" | md5sum | cut -c1-8)"
# The scheduler's files lie where its filters, which run as user lp, can
# reach them even when the build tree is private to root.
BVRANK_CUPS_DIR="/tmp/$BVRANK_CUPS_QUEUE-cups"
BVRANK_CUPS_PDF_DIR="$_bvrank_cups_root/build/cups-pdf"
unset _bvrank_cups_root

# The scheduler of this tree, if one runs: the pid in its pid file, still
# alive and started with this tree's configuration.
_cups_running_pid() {
  local pid
  pid=$(cat "$BVRANK_CUPS_DIR/cupsd.pid" 2>/dev/null) || return 1
  [ -n "$pid" ] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null |
    grep -qF "$BVRANK_CUPS_DIR/root/cupsd.conf" && echo "$pid"
}

stop_cups() {
  local pid i
  if pid=$(_cups_running_pid); then
    kill "$pid" 2>/dev/null
    for i in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$BVRANK_CUPS_DIR/cupsd.pid" "/etc/cups/cups-pdf-$BVRANK_CUPS_QUEUE.conf"
}

start_cups() {
  local d=$BVRANK_CUPS_DIR i
  stop_cups  # one left over from a run that was killed
  rm -rf "$d" "$BVRANK_CUPS_PDF_DIR"
  mkdir -p "$d/root" "$d/spool" "$d/cache" "$d/state" "$d/log" "$d/tmp" "$BVRANK_CUPS_PDF_DIR"
  chmod 0755 "$d"
  # Filters run as lp and need a temporary directory of their own.
  chown root:lp "$d/tmp" && chmod 1770 "$d/tmp"
  cat >"$d/root/cups-files.conf" <<CONF
ServerRoot $d/root
RequestRoot $d/spool
CacheDir $d/cache
StateDir $d/state
TempDir $d/tmp
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
  cat >"$d/root/cupsd.conf" <<CONF
LogLevel warn
Listen $d/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  printf 'Out %s\nUserUMask 0022\n' "$BVRANK_CUPS_PDF_DIR" >"/etc/cups/cups-pdf-$BVRANK_CUPS_QUEUE.conf" || return 1
  /usr/sbin/cupsd -f -c "$d/root/cupsd.conf" -s "$d/root/cups-files.conf" </dev/null \
    >"$d/log/cupsd.out" 2>&1 &
  echo $! >"$d/cupsd.pid"
  export CUPS_SERVER="$d/cups.sock"
  for i in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.05
  done
  lpadmin -p "$BVRANK_CUPS_QUEUE" -v "cups-pdf:/$BVRANK_CUPS_QUEUE" -E \
    -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4 2>/dev/null &&
    lpadmin -d "$BVRANK_CUPS_QUEUE" || {
    echo "start_cups: no PDF queue (see $d/log)" >&2
    return 1
  }
  export BVRANK_PRINT_DIR="$BVRANK_CUPS_PDF_DIR"
}
