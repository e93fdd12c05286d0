#!/usr/bin/env bash
# Replays the demo flight on a fresh copy of the demo tours database (the
# flight ends with an upload, which writes to it) and compares the event log
# on stdout byte for byte with the expected one.
#   demo_events.sh EXPECTED TOURS_DB AIRPORTS FLIGHT REPLAY [ARG...]
# REPLAY [ARG...] is the command that runs aerotrace-replay (under Wine, the
# loader followed by the .exe).
set -u
expected=$1 tours=$2 airports=$3 flight=$4
shift 4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tours" "$work/tours.sqlite" || exit 1

"$@" --tours "sqlite:$work/tours.sqlite" --airports "$airports" "$flight" \
  </dev/null >"$work/events.jsonl" 2>"$work/stderr"
status=$?
if [ "$status" -ne 0 ]; then
  echo "aerotrace-replay exited with status $status; its stderr:"
  cat "$work/stderr"
  exit 1
fi

cmp -s "$expected" "$work/events.jsonl" && exit 0

# Show the first line that differs, with carriage returns made visible.
shown() {
  if [ "$2" -ne 0 ] && [ -z "$1" ]; then
    echo "(end of file)"
  else
    local text=${1//$'\r'/\\r}
    [ "$2" -eq 0 ] || text="$text(no newline at end of file)"
    echo "$text"
  fi
}
line=1
while :; do
  IFS= read -r want <&3; want_end=$?
  IFS= read -r got <&4; got_end=$?
  if [ "$want" != "$got" ] || [ "$want_end" -ne "$got_end" ]; then
    echo "the event log differs from $expected at line $line"
    echo "expected: $(shown "$want" "$want_end")"
    echo "actual:   $(shown "$got" "$got_end")"
    exit 1
  fi
  [ "$want_end" -eq 0 ] || break
  line=$((line + 1))
done 3<"$expected" 4<"$work/events.jsonl"
# Lines alike to the shell but not byte for byte (a NUL byte, say).
echo "the event log differs from $expected:"
cmp "$expected" "$work/events.jsonl"
exit 1
