#!/usr/bin/env bash
# `zep solve | head -1`: the reader goes away after the first line; the run must still solve and write
# every task, and end normally.
#   closed_output.sh ZEP FIXTURE_DIR
set -uo pipefail
zep_binary=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
zep() { "$zep_binary" "$@" --workspace "$work/ws" --lang rus; }
for kind in plain decomposed resources; do
  zep build "$fixtures/$kind.task.json" >"$work/build.out" || { echo "FAIL: build $kind"; exit 1; }
  code=$(sed -n 's/^saved task \([A-Z0-9]*\):.*/\1/p' "$work/build.out")
  zep hand-over "$code" >/dev/null || { echo "FAIL: hand-over $code"; exit 1; }
done
zep solve | head -1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" = 0 ] || { echo "FAIL: zep solve ended with $status when its output closed"; exit 1; }
solved=$(ls "$work/ws/Solving" | grep -c '_out\.dat$')
[ "$solved" = 3 ] || { echo "FAIL: $solved of 3 solutions written"; exit 1; }
echo "3 of 3 tasks solved with the output closed after one line"
