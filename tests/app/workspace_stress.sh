#!/usr/bin/env bash
# Many processes on one workspace at once, as users and batch jobs meet in practice: 20 `zep build` of
# new tasks, 4 tasks handed over, solved and taken over, and 2 batch runs over the tasks waiting in
# Solving, all started together. Afterwards: every reported success is in the register, every file in
# Data, Solving and System belongs to a registered task in the state its status says (no temporary file
# is left), every batch task was solved by one run and skipped by the other unless the other started
# after it was done, and every solution equals the one a solo run writes for the same input.
#   workspace_stress.sh ZEP FIXTURE_DIR
set -uo pipefail
zep_binary=$1
fixtures=$2
zep() { "$zep_binary" "$@" --lang rus; } # the fixtures are in the Russian shell's units; skips said in it
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# A task description under its own code.
task_json() { # CODE FIXTURE
  sed "s/\"code\": \"[A-Z0-9]*\"/\"code\": \"$1\"/" "$fixtures/$2.task.json" >"$work/$1.json"
}
kinds=(plain decomposed resources)
kind_of() { echo "${kinds[$((10#$1 % 3))]}"; }

# The solution of a task solved alone in a workspace of its own: what every run must write for it.
reference() { # CODE KIND
  local ws=$work/solo-$1
  task_json "$1" "$2"
  zep build "$work/$1.json" --workspace "$ws" >/dev/null &&
    zep hand-over "$1" --workspace "$ws" >/dev/null &&
    zep solve --code "$1" --workspace "$ws" >/dev/null || fail "solo run of $1"
}
# A solution file without its header (216 bytes: information lines, elapsed time, end moment).
body() { tail -c +217 "$1" | md5sum | cut -d' ' -f1; }

ws=$work/shared
# Before the rush: 4 tasks waiting in Solving for the batch runs, 4 entered for the hand-overs.
batch=(BT0001 BT0002 BT0003 BT0004)
moves=(HT0001 HT0002 HT0003 HT0004)
for i in 0 1 2 3; do
  reference "${batch[$i]}" "$(kind_of $i)"
  reference "${moves[$i]}" "$(kind_of $((i + 1)))"
done
start=$(date +%s%N)

# The rush. Builds of new tasks seed the workspace as they start.
pids=()
names=()
launch() { # NAME COMMAND...
  local name=$1
  shift
  ("$@" >"$work/$name.out" 2>"$work/$name.err") &
  pids+=($!)
  names+=("$name")
}
prepare() {
  for i in 0 1 2 3; do
    zep build "$work/${batch[$i]}.json" --workspace "$ws" >/dev/null || return 1
    zep hand-over "${batch[$i]}" --workspace "$ws" >/dev/null || return 1
    zep build "$work/${moves[$i]}.json" --workspace "$ws" >/dev/null || return 1
  done
}
prepare || fail "the waiting tasks could not be prepared"
for n in $(seq -w 1 20); do
  code=NB00$n
  task_json "$code" "$(kind_of "$n")"
  launch "build-$code" zep build "$work/$code.json" --workspace "$ws"
done
# A take-over that meets a batch run solving the task waits for it, as a user would try again.
move() { # CODE
  zep hand-over "$1" --workspace "$ws" && zep solve --code "$1" --workspace "$ws" || return 1
  for _ in $(seq 100); do
    zep take-over "$1" --workspace "$ws" && return 0
    sleep 0.1
  done
  return 1
}
for code in "${moves[@]}"; do
  launch "move-$code" move "$code"
done
launch batch-1 zep solve --workspace "$ws"
launch batch-2 zep solve --workspace "$ws"
declare -A status
for k in "${!pids[@]}"; do
  wait "${pids[$k]}"
  status[${names[$k]}]=$?
done
elapsed_ms=$((($(date +%s%N) - start) / 1000000))

# What the register says.
zep list --workspace "$ws" >"$work/list" || fail "zep list"
# The status column of a task's line: "entered", "handed over" or "solved".
registered() { awk -v c="$1" '$1 == c { s = substr($0, 9, 13); sub(/ +$/, "", s); print s }' "$work/list"; }

losses=0
for n in $(seq -w 1 20); do
  code=NB00$n
  if [ "${status[build-$code]}" = 0 ]; then
    grep -q "^saved task $code" "$work/build-$code.out" || fail "build $code exited 0 without saying so"
    [ "$(registered "$code")" = entered ] || {
      echo "lost: $code was saved but the register says '$(registered "$code")'"
      losses=$((losses + 1))
    }
  else
    echo "build $code refused: $(cat "$work/build-$code.err")"
    losses=$((losses + 1))
  fi
done
for code in "${moves[@]}"; do
  [ "${status[move-$code]}" = 0 ] || fail "hand-over, solve, take-over of $code: $(cat "$work/move-$code.err")"
  [ "$(registered "$code")" = solved ] || { echo "lost: $code is '$(registered "$code")'"; losses=$((losses + 1)); }
  [ -f "$ws/Data/zep_${code}_out.dat" ] || fail "$code has no stored solution"
  [ "$(body "$ws/Data/zep_${code}_out.dat")" = "$(body "$work/solo-$code/Solving/zep_${code}_out.dat")" ] ||
    fail "the solution of $code differs from its solo run's"
done
for run in batch-1 batch-2; do
  [ "${status[$run]}" = 0 ] || fail "$run: $(cat "$work/$run.err")"
done
twice=0
for code in "${batch[@]}"; do
  [ "$(registered "$code")" = "handed over" ] || fail "$code is '$(registered "$code")'"
  solved=$(cat "$work/batch-1.out" "$work/batch-2.out" | grep -c "^=> .*zep_${code}_out.dat$")
  passed=$(cat "$work/batch-1.out" "$work/batch-2.out" | grep -c "^zep: Задача \"$code\" .* пропущена\.$")
  [ "$solved" -ge 1 ] && [ $((solved + passed)) = 2 ] ||
    fail "$code was solved $solved times and skipped $passed times by the two batch runs"
  twice=$((twice + solved - 1))
  [ "$(body "$ws/Solving/zep_${code}_out.dat")" = "$(body "$work/solo-$code/Solving/zep_${code}_out.dat")" ] ||
    fail "the solution of $code differs from its solo run's"
done
skipped=$(cat "$work/batch-1.out" "$work/batch-2.out" | grep -c "^zep: Задача .* пропущена\.$")

# Every file is accounted for: a registered task's files, in the places its status says.
files=0
for f in "$ws"/Data/* "$ws"/Solving/*; do
  name=$(basename "$f")
  files=$((files + 1))
  [[ $name =~ ^zep_([A-Z0-9]{6})(|_in|_out)\.dat$ ]] || fail "stray file $f"
  code=${BASH_REMATCH[1]}
  kind=${BASH_REMATCH[2]}
  state=$(registered "$code")
  [ -n "$state" ] || fail "$f belongs to no registered task"
  case "$(dirname "$f")$kind:$state" in
    "$ws/Data:"* | "$ws/Data_in:"* | "$ws/Data_out:solved") ;;
    "$ws/Solving_in:handed over" | "$ws/Solving_out:handed over") ;;
    *) fail "$f does not fit the status '$state' of $code" ;;
  esac
done
ls "$ws"/System | grep -qv '^\(Protocol.opt\|Protocol.lock\|Info.\)$' && fail "stray file in System: $(ls "$ws"/System)"
entries=$(($(wc -l <"$work/list") - 1))
[ "$entries" = 28 ] || fail "the register holds $entries entries, not 28"

echo "processes at once: ${#pids[@]} (20 builds, 4 hand-over/solve/take-over chains, 2 batch runs)"
echo "register changes in the rush: $((20 + 4 * 2)); entries: $entries; files checked: $files"
echo "batch runs: tasks skipped as claimed or solved by the other: $skipped; solved by both one after the other: $twice"
echo "losses: $losses; time of the rush: ${elapsed_ms} ms"
[ "$losses" = 0 ] || fail "$losses reported successes are not in the register"
