#!/usr/bin/env bash
# Runs a cross-built program under Wine as a build step: WINE is the Wine
# loader, the rest its command line. Wine's own chatter and its background
# processes stay off the build tool's pipes; the output is shown only when
# the program fails.
set -u
: "${WINEPREFIX:?}"
wine=$1
shift
log=$(mktemp)
"$wine" "$@" </dev/null >"$log" 2>&1
status=$?
[ "$status" -eq 0 ] || cat "$log" >&2
rm -f "$log"
exit "$status"
