#!/usr/bin/env bash
# Starts (start) or stops (stop) the wineserver that the cross-built tests
# share, with a prefix of their own and the null graphics driver so that
# hidden windows work headless. Output goes to /dev/null: Wine's background
# processes must not hold the test runner's pipes open.
set -u
action=$1
: "${WINEPREFIX:?}"
wine64=${AEROTRACE_WINE64:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine64")/wineserver
[ -x "$wineserver" ] || wineserver=wineserver

case "$action" in
  start)
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine64" wineboot -i </dev/null >/dev/null 2>&1
    "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    # The driver is read when the server starts: start it again.
    "$wineserver" -k </dev/null >/dev/null 2>&1
    "$wineserver" -w </dev/null >/dev/null 2>&1
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine64" cmd /c exit 0 </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wineserver" -k </dev/null >/dev/null 2>&1
    "$wineserver" -w </dev/null >/dev/null 2>&1
    ;;
esac
exit 0
