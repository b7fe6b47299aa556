#!/usr/bin/env bash
# Longer whole games than the suite plays: Vesmok against itself and against
# Nebra, with results, game lengths, time per move and peak memory.
#   tools/autoparties.sh [BUILD_DIR]     (default: build)
# Each run of the match tool is cut after LIMITE seconds (default 3600); with
# DETAIL=dir every run writes its moves and their times to dir/NN.log.
set -uo pipefail
cd "$(dirname "$0")/.."
b=${1:-build}
m=$b/matchgtp v=$b/vesmok n=$b/nebra
limite=${LIMITE:-3600}
detail=${DETAIL:-}
for x in "$m" "$v" "$n"; do
  [ -x "$x" ] || { echo "missing $x: build first (./build.sh test or cmake --build $b)" >&2; exit 2; }
done
[ -z "$detail" ] || mkdir -p "$detail"
status=0 k=0
run() {
  k=$((k + 1))
  echo "== matchgtp $*"
  if [ -n "$detail" ]; then
    timeout "$limite" "$m" --detail "$@" | tee "$detail/$(printf %02d $k).log" | grep -v '^  [^F]'
  else
    timeout "$limite" "$m" "$@"
  fi
  local rc=${PIPESTATUS[0]}
  [ "$rc" = 124 ] && echo "cut after $limite s"
  [ "$rc" = 0 ] || status=1
}
run --taille 9 --parties 2 --alterne -- "$v" --level 5 -- "$n"
run --taille 9 --parties 2 --alterne -- "$v" --level 10 -- "$n"
run --taille 9 --parties 1 -- "$v" --level 10 -- "$v" --level 10
run --taille 19 --parties 1 -- "$v" --level 5 -- "$v" --level 5
run --taille 19 --parties 1 -- "$v" --level 10 -- "$n"
# Under a clock of 300 s each, told before every move: it must never run out.
# Nebra has no clock commands and plays untimed.
run --taille 19 --parties 1 --temps 300 -- "$v" --level 10 -- "$n"
# Japanese rules, then the dead list and the cleanup moves to two passes.
run --taille 9 --parties 1 --nettoyage -- "$v" --level 5 --rules japanese -- "$n"
exit $status
