#!/bin/sh
# The long seeded GTP fuzz run against both programs, meant for the build
# with the sanitizers; prints the faults found and one summary line per program.
#
#   tools/fuzzgtp.sh [BUILD_DIR] [SEEDS] [COMMANDS] [FIRST_SEED]
#
# Defaults: build-asan, 200 seeds, 2000 lines per seed, seeds from 1000.
# JOBS (default 3) splits the seeds into that many runs side by side; DELAI
# is the wait for one reply in ms, a hang detector (default 600000: the
# sanitizers are slow, and the machine may be busy);
# VESMOK names the Vesmok binary of the build (default vesmok_det, seed and
# clocks pinned so that a seed repeats; vesmok is the program as shipped).
set -u
build=${1:-build-asan}
seeds=${2:-200}
commandes=${3:-2000}
premiere=${4:-1000}
jobs=${JOBS:-3}
delai=${DELAI:-600000}
vesmok=${VESMOK:-vesmok_det}
fuzz=$build/fuzzgtp
if [ ! -x "$fuzz" ] || [ ! -x "$build/$vesmok" ] || [ ! -x "$build/nebra" ]; then
  echo "usage: $0 [BUILD_DIR] [SEEDS] [COMMANDS] [FIRST_SEED] (needs fuzzgtp, $vesmok and nebra in BUILD_DIR)" >&2
  exit 2
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for prog in "$vesmok" nebra; do
  if [ "$prog" = nebra ]; then set -- "$build/nebra"; else set -- "$build/$prog" --level 1; fi
  debut=$(date +%s)
  tranche=$(( (seeds + jobs - 1) / jobs ))
  s=$premiere
  k=0
  while [ "$s" -lt $((premiere + seeds)) ]; do
    n=$tranche
    [ $((s + n)) -gt $((premiere + seeds)) ] && n=$((premiere + seeds - s))
    "$fuzz" --graine "$s" --series "$n" --commandes "$commandes" --delai "$delai" -- "$@" > "$tmp/$prog.$k" 2>&1 &
    s=$((s + n))
    k=$((k + 1))
  done
  wait
  fin=$(date +%s)
  grep -hv ": seeds [0-9]*\.\.[0-9]*, " "$tmp/$prog".* || true
  grep -h ": seeds [0-9]*\.\.[0-9]*, " "$tmp/$prog".* |
    awk -v p="$prog" -v s="$seeds" -v c="$commandes" -v t=$((fin - debut)) '
      { l += $4; r += $6; f += $8; n++ }
      END { printf "%s: %d seeds x %d commands, %d lines sent, %d replies checked, %d faulty seeds, %d s\n",
                   p, s, c, l, r, f + (n == 0), t; exit (f > 0 || n == 0) }' || status=1
  rm -f "$tmp/$prog".*
done
exit $status
