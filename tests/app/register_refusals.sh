#!/usr/bin/env bash
# zep says a task register it cannot take in the run's language: another version by its number, a
# damaged register by the byte where the damage begins, a task the register lacks; in Russian and in
# English. The register stays as it was, and nothing is written in Data.
#   register_refusals.sh ZEP FIXTURE_DIR
set -uo pipefail
zep=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

ws=$work/ws
"$zep" list --workspace "$ws" --lang rus >/dev/null || fail "zep list on a fresh workspace"
register=$ws/System/Protocol.opt
cp "$register" "$work/good"

# The register with one byte changed: OFFSET OCTAL
damage() {
  cp "$work/good" "$work/damaged"
  printf "\\$2" | dd of="$work/damaged" bs=1 seek="$1" conv=notrunc 2>/dev/null
  cp "$work/damaged" "$register"
}
# zep ARGS... --lang LANG refuses with the start and the end of the message: LANG START END ARGS...
refused() {
  local lang=$1 start=$2 end=$3
  shift 3
  "$zep" "$@" --workspace "$ws" --lang "$lang" >/dev/null 2>"$work/err" && fail "zep $* --lang $lang was not refused"
  grep -qF -- "$start" "$work/err" || fail "zep $* --lang $lang: '$start' not in: $(cat "$work/err")"
  grep -qF -- "$end" "$work/err" || fail "zep $* --lang $lang: '$end' not in: $(cat "$work/err")"
  cmp -s "$register" "$work/damaged" || fail "zep $* --lang $lang changed the register"
  [ -z "$(ls -A "$ws/Data")" ] || fail "zep $* --lang $lang left files in Data: $(ls "$ws/Data")"
}

damage 39 060 # the version's last digit "1" becomes "0"
refused rus "zep: Реестр задач \"" "\" относится к другой версии программы (версия 1.12.240, ожидается 1.12.241)." list
refused eng "zep: The task register \"" "\" belongs to another version of the program (version 1.12.240, expected 1.12.241)." list
damage 33 033 # a control character in the version field: it is named by its bytes
refused rus "zep: Реестр задач \"" "(поле версии содержит байты 8, 49, 27, 49, 50, 46, 50, 52, 49, ожидается 1.12.241)." dump "$register"
refused eng "zep: The task register \"" "(the version field holds the bytes 8, 49, 27, 49, 50, 46, 50, 52, 49, expected 1.12.241)." list

damage 44 003 # three entries announced, none present
refused rus "zep: Реестр задач \"" "\" поврежден, начиная с байта 48." list
refused eng "zep: The task register \"" "\" is damaged from byte 48." hand-over NOSUCH
refused eng "zep build: The task register \"" "\" is damaged from byte 48. The program ends and leaves the file as it is." \
  build "$fixtures/plain.task.json"
refused rus "zep build: Реестр задач \"" "\" поврежден, начиная с байта 48. Программа завершает работу и оставляет файл как есть." \
  build "$fixtures/plain.task.json"

# A sound register: a task it lacks.
cp "$work/good" "$register"
cp "$work/good" "$work/damaged"
refused rus "zep: В реестре задач нет задачи \"NOSUCH\". Ничего не изменено." "" take-over NOSUCH
refused eng "zep: The task register has no task \"NOSUCH\". Nothing was changed." "" hand-over NOSUCH
echo "register refusals said in both languages"
