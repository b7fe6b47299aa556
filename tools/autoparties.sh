#!/usr/bin/env bash
# A hundred whole games: Vesmok against itself and against Nebra on 9x9, 13x13
# and 19x19, at levels 1, 5 and 10, with and without a clock, under Japanese
# and Chinese rules, with handicap and with the cleanup moves after the dead
# list. Every move is checked by the match tool; the summary gives results,
# game lengths, Vesmok's time per move and peak memory per size and level.
#
#   tools/autoparties.sh [--rapide] [--bilan] [BUILD_DIR]   (default: build)
#
#   --rapide     only the runs where every Vesmok plays at level 1
#   --bilan      play nothing: the summary of the logs already there
#   SEULES="1 7" only these runs (numbers of the table below)
#   LIMITE=s     each run is cut after s seconds (default 3600); a cut run is
#                reported as cut, not as a fault
#   SORTIE=dir   where each run writes NN.log (default BUILD_DIR/parties); the
#                summary reads every log there, so a table run in parts sums up
#   DETAIL=1     the logs keep every move and its time
#   HORLOGEX=k   every clock times k (default 1; 10 on a sanitizer build, whose
#                moves take about nine times as long)
#
# The exit status is 1 when a run played has a fault (illegal move, crash,
# stderr output such as a sanitizer report, clock below zero), 2 on misuse.
set -uo pipefail
cd "$(dirname "$0")/.."

# One run a line: number, size, Vesmok's level (side A), opponent (nebra, or
# vesmok at level niveauB), Vesmok's rules, clock in seconds of absolute time
# (- for none), handicap stones, games, cleanup (oui: final_status_list then
# kgs-genmove_cleanup to two passes). Runs of several games swap colours each
# game, so each side also takes the handicap. Komi: 0.5 with handicap, else
# 6.5 under Japanese and 7.5 under Chinese rules.
TABLE='
# n  taille niveauA adversaire niveauB regles   horloge handicap parties nettoyage
  1  9      1       nebra      -       chinese  -       0        16      non
  2  9      1       vesmok     1       japanese -       0        8       oui
  3  9      1       nebra      -       japanese 60      0        8       oui
  4  9      1       nebra      -       chinese  -       3        6       non
  5  9      1       vesmok     1       chinese  30      2        4       oui
  6  13     1       nebra      -       chinese  -       0        6       non
  7  13     1       vesmok     1       japanese 120     0        4       oui
  8  13     1       nebra      -       japanese -       4        4       oui
  9  19     1       nebra      -       chinese  -       0        2       non
 10  19     1       vesmok     1       japanese 300     0        1       oui
 11  19     1       nebra      -       chinese  180     6        1       non
 12  9      5       nebra      -       chinese  -       0        11      non
 13  9      5       vesmok     1       chinese  -       0        8       non
 14  9      5       vesmok     5       japanese 600     0        2       oui
 15  9      5       nebra      -       japanese -       2        6       oui
 16  13     5       nebra      -       chinese  -       0        4       non
 17  13     5       nebra      -       japanese 300     3        2       oui
 18  19     5       nebra      -       chinese  600     0        2       non
 19  19     5       nebra      -       japanese -       0        1       oui
 20  9      10      nebra      -       chinese  -       0        1       non
 21  9      10      vesmok     10      japanese 1800    0        1       oui
 22  13     10      nebra      -       chinese  1200    3        1       non
 23  19     10      nebra      -       chinese  1800    0        1       non
'

rapide=0 bilan=0 b=build status=0
for a in "$@"; do
  case $a in
    --rapide) rapide=1 ;;
    --bilan) bilan=1 ;;
    -*) echo "usage: tools/autoparties.sh [--rapide] [--bilan] [BUILD_DIR]" >&2; exit 2 ;;
    *) b=$a ;;
  esac
done
m=$b/matchgtp v=$b/vesmok n=$b/nebra
limite=${LIMITE:-3600}
sortie=${SORTIE:-$b/parties}
seules=" ${SEULES:-} "
horlogex=${HORLOGEX:-1}
grep -qs '^MOLVANE_SANITIZE:BOOL=ON' "$b/CMakeCache.txt" && horlogex=${HORLOGEX:-10}

lignes() { grep -v '^ *#' <<<"$TABLE" | grep .; }

# The run's log: a header line, matchgtp's output, a status line.
joue() {
  local num=$1 taille=$2 na=$3 adv=$4 nb=$5 regles=$6 horloge=$7 hand=$8 parties=$9 nett=${10}
  local komi=7.5
  [ "$regles" = japanese ] && komi=6.5
  [ "$hand" -gt 0 ] && komi=0.5
  local opts=(--taille "$taille" --parties "$parties" --komi "$komi")
  [ "$parties" -gt 1 ] && opts+=(--alterne)
  [ "$horloge" != - ] && horloge=$((horloge * horlogex)) && opts+=(--temps "$horloge")
  [ "$hand" -gt 0 ] && opts+=(--handicap "$hand")
  [ "$nett" = oui ] && opts+=(--nettoyage)
  # Nebra's cleanup may pass with stones it lists dead: only Vesmok's is checked.
  [ "$nett" = oui ] && [ "$adv" = nebra ] && opts+=(--nettoyeurs A)
  [ -n "${DETAIL:-}" ] && opts+=(--detail)
  local autre=("$n")
  [ "$adv" = vesmok ] && autre=("$v" --level "$nb" --rules "$regles")
  local log
  log=$sortie/$(printf %02d "$num").log
  {
    echo "run $num size=$taille a=vesmok:$na b=$adv:$nb rules=$regles clock=$horloge handicap=$hand games=$parties" \
      "cleanup=$nett komi=$komi"
    timeout "$limite" "$m" "${opts[@]}" -- "$v" --level "$na" --rules "$regles" -- "${autre[@]}"
    local rc=$?
    case $rc in
      0) echo "status ok" ;;
      1) echo "status fault" ;;
      124) echo "status cut after $limite s" ;;
      *) echo "status error $rc" ;;
    esac
  } 2>&1 | tee "$log" | grep -v '^  [^F]' | grep -v '^summary '
}

# Every log of the directory: the runs one a line, then per size and
# Vesmok's level (side A; side B too when it is Vesmok at the same level) the
# games, wins, lengths, time per move, peak memory, least clock left, faults,
# the games that stopped at the move limit instead of two passes, and those
# ended without result by a position met a third time.
resume() {
  local logs=("$sortie"/[0-9]*.log)
  [ -e "${logs[0]}" ] || { echo "no logs in $sortie"; return; }
  local tmp
  tmp=$(mktemp -d) || return
  echo
  echo "== runs"
  awk '
    function champ(k,   i) { for (i = 2; i <= NF; ++i) if (index($i, k "=") == 1) return substr($i, length(k) + 2); return "" }
    FNR == 1 {
      if (NR > 1) { entete = $0; fin(); $0 = entete }
      run = $2; taille = champ("size"); na = champ("a"); sub(/.*:/, "", na); adv = champ("b"); nb = adv
      sub(/:.*/, "", adv); sub(/.*:/, "", nb)
      desc = sprintf("%sx%s L%s v %s%s %s, clock %s, hcp %s, cleanup %s", taille, taille, na, adv,
                     nb == "-" ? "" : " L" nb, champ("rules"), champ("clock"), champ("handicap"), champ("cleanup"))
      jouees = 0; etat = "unfinished"; resume = ""
      next
    }
    /^game [0-9]+:/ { ++jouees }
    /^summary / { resume = $0 }
    /^status / { etat = $2 }
    function fin(   cle, nf, i, t, gag, plaf, rep) {
      cle = sprintf("%02d %02d", taille, na)
      gag = "-"
      if (resume != "") {
        $0 = resume
        split(champ("wins"), gag2, ","); gag = gag2[1] "-" gag2[2]
      }
      plaf = resume == "" ? "" : champ("capped") + 0
      rep = resume == "" ? "" : champ("repeated") + 0
      printf "%3d %-68s %-10s %2d games, A-B %s%s%s\n", run, desc, etat, jouees, gag,
             plaf ? ", " plaf " without two passes" : "", rep ? ", " rep " by a repeated position" : ""
      print cle "\tU\t1" > "/dev/stderr"
      if (etat == "cut") { print cle "\tC\t1" > "/dev/stderr"; return }
      # Still playing, or stopped by hand.
      if (etat == "unfinished") { print cle "\tI\t1" > "/dev/stderr"; return }
      if (resume == "") { print cle "\tF\t1" > "/dev/stderr"; return }
      print cle "\tN\t" champ("games") > "/dev/stderr"
      print cle "\tA\t" gag2[1] > "/dev/stderr"
      print cle "\tB\t" gag2[2] > "/dev/stderr"
      print cle "\tF\t" champ("faults") > "/dev/stderr"
      print cle "\tP\t" plaf > "/dev/stderr"
      print cle "\tR\t" rep > "/dev/stderr"
      split(champ("peakkb"), mem, ","); split(champ("clockleft"), h, ",")
      print cle "\tM\t" mem[1] > "/dev/stderr"
      if (h[1] != "-") print cle "\tH\t" h[1] > "/dev/stderr"
      nf = split(champ("lengths"), l, ",")
      for (i = 1; i <= nf && l[1] != "-"; ++i) print cle "\tL\t" l[i] > "/dev/stderr"
      t = champ("times_a")
      if (adv == "vesmok" && nb == na) {
        t = t "," champ("times_b")
        print cle "\tM\t" mem[2] > "/dev/stderr"
        if (h[2] != "-") print cle "\tH\t" h[2] > "/dev/stderr"
      }
      nf = split(t, d, ",")
      for (i = 1; i <= nf; ++i) if (d[i] != "-") print cle "\tT\t" d[i] > "/dev/stderr"
    }
    END { if (NR > 0) fin() }
  ' "${logs[@]}" 2>"$tmp/valeurs" >"$tmp/runs"
  sort -k1,1n "$tmp/runs"
  echo
  echo "== per size and level (A: Vesmok at that level; B: its opponent; time per move and memory: Vesmok)"
  printf '%-9s %5s %5s %5s %4s %4s %7s %5s %8s %8s %8s %9s %8s %6s\n' size level runs games "A" "B" "len.med" "max" \
    "s.median" "s.p90" "s.max" "peak KB" "clk.min" faults
  # Each value list sorted, so a quantile is a position: v[min(n-1, q*n)].
  # The row "all" sums every run.
  { cat "$tmp/valeurs"; sed 's/^[^\t]*\t/zz\t/' "$tmp/valeurs"; } | LC_ALL=C sort -t$'\t' -k1,1 -k2,2 -k3,3g | awk -F'\t' '
    function q(v, n, x,   i) { if (n == 0) return "-"; i = int(x * n); if (i > n - 1) i = n - 1; return v[i] }
    function s3(x) { return x == "-" ? x : sprintf("%.3f", x) }
    function sortie(c) {
      split(c, p, " ")
      printf "%-9s %5s %5d %5d %4d %4d %7s %5s %8s %8s %8s %9s %8s %6d%s\n", c == "zz" ? "all" : (p[1] + 0) "x" (p[1] + 0), c == "zz" ? "" : p[2] + 0,
        s["U"], s["N"], s["A"], s["B"], q(L, nl, 0.5), q(L, nl, 1), s3(q(T, nt, 0.5)), s3(q(T, nt, 0.9)), s3(q(T, nt, 1)),
        (mx == "" ? "-" : mx), (hm == "" ? "-" : hm), s["F"], (s["C"] ? ", " s["C"] " cut" : "") (s["I"] ? ", " s["I"] " unfinished" : "") \
        (s["P"] ? ", " s["P"] " without two passes" : "") (s["R"] ? ", " s["R"] " by a repeated position" : "")
    }
    function vide() { delete s; nl = 0; nt = 0; mx = ""; hm = "" }
    $1 != cle { if (cle != "") sortie(cle); cle = $1; vide() }
    $2 == "L" { L[nl++] = $3 + 0; next }
    $2 == "T" { T[nt++] = $3 + 0; next }
    $2 == "M" { if (mx == "" || $3 + 0 > mx) mx = $3 + 0; next }
    $2 == "H" { if (hm == "" || $3 + 0 < hm) hm = $3 + 0; next }
    { s[$2] += $3 }
    END { if (cle != "") sortie(cle) }
  '
  rm -r "$tmp"
}

# Bash reads a script as it goes: the whole run is one function called from
# the last line, so the file may be edited while a long table plays.
principal() {
  if [ $bilan = 0 ]; then
    for x in "$m" "$v" "$n"; do
      [ -x "$x" ] || { echo "missing $x: build first (./build.sh test or cmake --build $b)" >&2; exit 2; }
    done
    mkdir -p "$sortie"
    [ "$horlogex" = 1 ] || echo "clocks times $horlogex"
    while read -r num taille na adv nb regles horloge hand parties nett; do
      [ "$seules" = "  " ] || [[ "$seules" == *" $num "* ]] || continue
      [[ $rapide = 0 || ($na = 1 && ($nb = 1 || $nb = -)) ]] || continue
      qui=$adv
      [ "$nb" = - ] || qui="$adv level $nb"
      echo "== run $num: ${taille}x$taille, vesmok level $na against $qui ($regles), clock $horloge," \
        "handicap $hand, $parties games, cleanup $nett"
      joue "$num" "$taille" "$na" "$adv" "$nb" "$regles" "$horloge" "$hand" "$parties" "$nett"
      grep -qE '^status (fault|error)' "$sortie/$(printf %02d "$num").log" && status=1
    done < <(lignes)
  fi
  resume
  total=$(lignes | awk '{ s += $9 } END { print s }')
  manque=$(cd "$sortie" 2>/dev/null && lignes | while read -r num _; do [ -e "$(printf %02d "$num").log" ] || printf ' %s' "$num"; done)
  echo "table: $total games;${manque:+ runs without a log:$manque}"
  # Played runs decide the status; the summary alone, every log.
  [ $bilan = 1 ] && grep -qE '^status (fault|error)' "$sortie"/[0-9]*.log 2>/dev/null && status=1
  return $status
}
principal; exit $?
