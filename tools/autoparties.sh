#!/usr/bin/env bash
# Longer whole games than the suite plays: Vesmok against itself and against
# Nebra, with results, game lengths, time per move and peak memory.
#   tools/autoparties.sh [BUILD_DIR]     (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
b=${1:-build}
m=$b/matchgtp v=$b/vesmok n=$b/nebra
for x in "$m" "$v" "$n"; do
  [ -x "$x" ] || { echo "missing $x: build first (./build.sh test or cmake --build $b)" >&2; exit 2; }
done
status=0
run() {
  echo "== matchgtp $*"
  "$m" "$@" || status=1
}
run --taille 9 --parties 2 --alterne -- "$v" --level 5 -- "$n"
run --taille 9 --parties 2 --alterne -- "$v" --level 10 -- "$n"
run --taille 9 --parties 1 -- "$v" --level 10 -- "$v" --level 10
run --taille 19 --parties 1 -- "$v" --level 5 -- "$v" --level 5
run --taille 19 --parties 1 -- "$v" --level 10 -- "$n"
# Under a clock of 300 s each, told before every move: it must never run out.
run --taille 19 --parties 1 --temps 300 -- "$v" --level 10 -- "$n"
exit $status
