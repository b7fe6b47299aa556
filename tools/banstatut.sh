#!/usr/bin/env bash
# The end-of-game benchmark: Vesmok level 1 plays whole games with their
# cleanup (the match tool's --nettoyage), komi 7.5, Chinese rules, colours
# alternating (Vesmok black in odd games), against GNU Go level 1 on 9x9 and
# Nebra on 13x13. Per game, at the position of the two passes, Vesmok's
# final_status_list dead is set against GNU Go's (GNU Go replays the game from
# the match tool's referee script): the stones in one list and not the other.
# After the cleanup, the opponent stones that Vesmok still lists dead.
#
#   tools/banstatut.sh [-j N] [--lignes 1,2] [--parties K] [--garde S]
#                      [--sortie DIR] [--bilan] [BUILD_DIR]
#
#   BUILD_DIR    where matchgtp, vesmok and nebra are (default: build)
#   -j N         games played at once (default 2)
#   --lignes     only these rows of the table below (default: all)
#   --parties K  K games per row instead of the table's count
#   --garde S    each game is cut after S seconds instead of its row's guard
#   --sortie DIR the logs, one directory per row (default /tmp/banstatut); a
#                game already measured there is not played again
#   --bilan      play nothing: the table of the games already in DIR
#
# Per game, in DIR/ROW/: NN.log (the match tool's output), NN.gtp (the
# referee script, "# two passes" between play and cleanup), NN.gnugo and
# NN.vesmok (their replies to the script with the status questions), NN.res
# (one line: colour, state, the two dead lists, the stones they disagree on,
# the opponent stones Vesmok lists dead after the cleanup).
#
# Target: no cleanup ends with stones Vesmok calls dead; the lists disagree
# on at most 2 stones in 90% of the games.
set -uo pipefail
cd "$(dirname "$0")/.."

# number, opponent, opponent's level (- for Nebra), size, games, guard (s)
TABLE='
# n adversaire niveauadv taille parties garde
  1 gnugo      1         9      20      600
  2 nebra      -         13     20      900
'
KOMI=7.5

usage() {
  echo "usage: tools/banstatut.sh [-j N] [--lignes 1,2] [--parties K] [--garde S] [--sortie DIR] [--bilan] [BUILD_DIR]" >&2
  exit 2
}

sortie=/tmp/banstatut
source "$(dirname "$0")/banccommun.sh" "$@"

# The reply to the command of id `id` in a GTP transcript (it may run over
# several lines, up to the empty line), its vertices sorted one a line.
reponse() {
  awk -v id="=$2" '$1 == id { dans = 1; $1 = "" } dans && NF == 0 { exit } dans { print }' "$1" | tr ' ' '\n' | grep . | sort
}

# One game: the match, then the status questions; writes NN.res.
unepartie() {
  local num=$1 adv=$2 nadv=$3 taille=$4 limite=$5 g=$6
  local base=$sortie/$num/$(printf %02d "$g") graine=$((1000 * num + g)) couleur autre rc etat=ok
  autre=("$n" "$graine")
  [ "$adv" = gnugo ] && autre=("$gnugo" --mode gtp --level "$nadv" --chinese-rules --seed "$graine")
  local moi=("$v" --level 1 --rules chinese)
  local opts=(--taille "$taille" --komi "$KOMI" --nettoyage --detail --coups "$base.gtp")
  rm -f "$base.gtp"
  unmatch
  local ligne
  ligne=$(grep -m1 '^game 1:' "$base.log")
  if [ "$rc" = 124 ]; then etat=cut
  elif [ -z "$ligne" ] || ! grep -q '^# two passes' "$base.gtp" 2>/dev/null; then etat=noend
  elif [[ $ligne == *"no two passes"* ]]; then etat=capped
  fi
  local morts=- gmorts=- ecart=- restes=-
  if [ "$etat" = ok ] || [ "$etat" = capped ]; then
    # The same script for both: the dead list at the two passes (id 1), then
    # after the cleanup the stones of Vesmok's opponent (GNU Go, id 2) and
    # Vesmok's dead list (id 3).
    local adversaire=white
    [ "$couleur" = white ] && adversaire=black
    sed -e 's/^# two passes$/1 final_status_list dead/' -e '/^final_score$/d' -e '/^#/d' "$base.gtp" >"$base.q"
    { cat "$base.q"; echo "2 list_stones $adversaire"; } | "$gnugo" --mode gtp --chinese-rules >"$base.gnugo" 2>&1
    { cat "$base.q"; echo "3 final_status_list dead"; } | "$v" --level 1 --rules chinese >"$base.vesmok" 2>&1
    reponse "$base.vesmok" 1 >"$base.v1"
    reponse "$base.gnugo" 1 >"$base.g1"
    morts=$(wc -l <"$base.v1") gmorts=$(wc -l <"$base.g1")
    ecart=$(comm -3 "$base.v1" "$base.g1" | grep -c .)
    restes=$(comm -12 <(reponse "$base.gnugo" 2) <(reponse "$base.vesmok" 3) | grep -c .)
    [ "$etat" = capped ] && restes=-
    rm -f "$base.q" "$base.v1" "$base.g1"
  fi
  echo "game=$g colour=$couleur state=$etat dead=$morts gnugodead=$gmorts disagree=$ecart cleanupleft=$restes" >"$base.res"
  echo "row $num game $g: vesmok $couleur, $etat, dead $morts, gnugo $gmorts, disagree $ecart, left after cleanup $restes"
}

# Per row: the games measured, the disagreement per game, the share of the
# games with at most 2 stones of disagreement, the cleanups that left stones.
bilan() {
  echo
  printf '%-3s %-22s %5s %8s  %-24s %10s %14s\n' row vesmok games measured "disagree per game" "<=2 stones" "cleanup left"
  while read -r num adv nadv taille _; do
    local qui=nebra
    [ "$adv" = gnugo ] && qui="gnugo L$nadv"
    local fichiers=("$sortie/$num"/*.res)
    [ -e "${fichiers[0]}" ] || { printf '%-3s %s\n' "$num" "L1 v $qui ${taille}x$taille: no games"; continue; }
    cat "${fichiers[@]}" | awk -v num="$num" -v desc="L1 v $qui ${taille}x$taille" '
      function champ(k,   i) { for (i = 1; i <= NF; ++i) if (index($i, k "=") == 1) return substr($i, length(k) + 2); return "" }
      {
        ++tout; d = champ("disagree"); r = champ("cleanupleft")
        if (d != "-") { ++n; s += d; if (d + 0 > dmax) dmax = d + 0; if (d + 0 <= 2) ++petit; liste = liste (liste == "" ? "" : ",") d }
        else ++sans
        if (r != "-") { ++nr; if (r + 0 > 0) { ++gauche; pierres += r } }
      }
      END {
        printf "%-3s %-22s %5d %8d  %-24s %10s %14s\n", num, desc, tout, n,
          n ? sprintf("mean %.1f max %d", s / n, dmax) : "-", n ? sprintf("%d/%d", petit, n) : "-",
          nr ? sprintf("%d/%d (%d st.)", gauche + 0, nr, pierres + 0) : "-"
        print "    disagreement per game: " (liste == "" ? "-" : liste)
      }'
  done < <(lignestable)
  echo "(measured: games that reached two passes; cleanup left: cleanups ended by two passes that left opponent" \
    "stones Vesmok lists dead, and those stones)"
}

principal() {
  gnugo=$(trouvegnugo)
  [ -n "$gnugo" ] || [ $bilan = 1 ] || { echo "GNU Go is missing (Debian package gnugo)" >&2; exit 2; }
  if [ $bilan = 0 ]; then
    for x in "$m" "$v" "$n" "$gnugo"; do
      [ -x "$x" ] || { echo "missing $x: build first (cmake --build $b)" >&2; exit 2; }
    done
    while read -r num adv nadv taille nb limite; do
      mkdir -p "$sortie/$num"
      echo "== row $num: vesmok level 1 against $adv, ${taille}x$taille, ${parties:-$nb} games"
      for ((g = 1; g <= ${parties:-$nb}; ++g)); do
        [ -e "$sortie/$num/$(printf %02d "$g").res" ] && continue
        while (($(jobs -rp | wc -l) >= paralleles)); do wait -n; done
        unepartie "$num" "$adv" "$nadv" "$taille" "${garde:-$limite}" "$g" </dev/null &
      done
    done < <(lignestable)
    wait
  fi
  bilan
}
principal; exit $?
