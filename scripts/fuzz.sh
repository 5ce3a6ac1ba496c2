#!/usr/bin/env bash
# Runs every fuzz target of a ZEP_FUZZ build for a fixed time on its seed corpus and fails on the first
# sanitizer report, crash or timeout.
#   scripts/fuzz.sh [BUILD_DIR] [SECONDS]     (defaults: build-sanitize, 20)
# Seeds: the sample files written by fuzz_seeds with their damaged variants, the committed reproducers
# of fuzz/corpus, and the task descriptions of tests/fixtures/workbooks with truncated copies. The
# corpora grow in a temporary folder; nothing in the tree changes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
seconds=${2:-20}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/fuzz_seeds" "$work/gen"
mkdir -p "$work/seeds/task" "$work/seeds/solver" "$work/seeds/entry"
cp "$work/gen/task/"* fuzz/corpus/task/* "$work/seeds/task/"
cp "$work/gen/solver/"* fuzz/corpus/solver/* "$work/seeds/solver/"
cp fuzz/corpus/entry/* "$work/seeds/entry/"
for f in tests/fixtures/workbooks/*.task.json; do
  name=$(basename "$f")
  cp "$f" "$work/seeds/entry/$name"
  size=$(wc -c <"$f")
  head -c $((size / 2)) "$f" >"$work/seeds/entry/$name.half"
  head -c $((size - 2)) "$f" >"$work/seeds/entry/$name.cut"
done

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=0:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
status=0
for target in task_file_fuzz:task solver_input_fuzz:solver optimiser_run_fuzz:solver task_entry_fuzz:entry; do
  name=${target%%:*}
  seeds=$work/seeds/${target##*:}
  mkdir -p "$work/corpus/$name" "$work/artifacts/$name"
  log=$work/$name.log
  if "$bin/$name" "$work/corpus/$name" "$seeds" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/artifacts/$name/" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    given=$(ls "$seeds" | wc -l)
    read=$(sed -n 's/^INFO: seed corpus: files: \([0-9]*\).*/\1/p' "$log")
    if [ "$read" != "$given" ]; then
      status=1
      echo "fuzz $name: FAILED: read ${read:-no} of its $given seeds"
    else
      echo "fuzz $name: $runs runs in ${seconds} s, all $given seeds replayed, no report"
    fi
  else
    status=1
    echo "fuzz $name: FAILED"
    grep -v '^#[0-9]' "$log" | tail -60
    for a in "$work/artifacts/$name/"*; do
      [ -f "$a" ] && echo "reproducer $(basename "$a") (base64): $(base64 -w0 "$a")"
    done
  fi
done
exit $status
