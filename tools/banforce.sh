#!/usr/bin/env bash
# The strength benchmark: Vesmok against Nebra at levels 1 and 5 on 9x9 and
# 13x13, and against GNU Go level 1 on 9x9, komi 7.5, Chinese rules, colours
# alternating (Vesmok black in odd games). Every game is scored by GNU Go as
# referee: the match tool writes the moves as a GTP script and
# `gnugo --mode gtp --chinese-rules` replays them and answers final_score,
# its own judgement of the dead stones. Per row: Vesmok's wins as black, as
# white and overall (k/n with a 95% Wilson interval), game lengths, Vesmok's
# time per move.
#
#   tools/banforce.sh [-j N] [--lignes 1,2,...] [--parties K] [--garde S]
#                     [--sortie DIR] [--bilan] [BUILD_DIR]
#
#   BUILD_DIR    where matchgtp, vesmok and nebra are (default: build)
#   -j N         games played at once (default 2)
#   --lignes     only these rows of the table below (default: all)
#   --parties K  K games per row instead of the table's count
#   --garde S    each game is cut after S seconds instead of its row's guard
#   --sortie DIR the logs, one directory per row (default /tmp/banforce); a
#                game already scored there is not played again, so a run goes
#                on where the last one stopped: use a new directory for a new
#                build
#   --bilan      play nothing: the table of the games already in DIR
#
# GNU Go (Debian package gnugo) is opponent and referee; the script installs
# it with apt-get when it is missing.
#
# Per game, in DIR/ROW/: NN.log (the match tool's output, every move with its
# time), NN.gtp (the referee script), NN.arbitre (the referee's replies),
# NN.res (one line: colour, state, length, referee's and match tool's
# scores, Vesmok's move times). A game cut by its guard, stopped by the
# match tool's move limit, ended by a repeated position or spoiled by a
# fault has no result: it counts as a game not won and shows in its own
# column. "differ" counts the games where the match tool's own count (the
# black program's dead list) names another winner than the referee.
#
# Seeds: game g of row r gives the opponent the seed 1000 r + g. GNU Go
# plays by it; Nebra takes it but draws again from the time of day when its
# engine starts, and Vesmok seeds from its high-resolution counter before
# every search, so no game repeats exactly.
set -uo pipefail
cd "$(dirname "$0")/.."

# One row a line: number, opponent, Vesmok's level, opponent's level (- for
# Nebra, which has none), size, games, guard in seconds per game.
TABLE='
# n adversaire niveau niveauadv taille parties garde
  1 nebra      1      -         9      40      600
  2 nebra      5      -         9      40      3600
  3 nebra      1      -         13     40      600
  4 nebra      5      -         13     40      3600
  5 gnugo      1      1         9      20      600
'
KOMI=7.5

usage() {
  echo "usage: tools/banforce.sh [-j N] [--lignes 1,2,...] [--parties K] [--garde S] [--sortie DIR] [--bilan] [BUILD_DIR]" >&2
  echo "       (installs GNU Go, Debian package gnugo, with apt-get when missing: it is opponent and referee)" >&2
  exit 2
}

sortie=/tmp/banforce
source "$(dirname "$0")/banccommun.sh" "$@"

# The referee's score of a finished game, or "-" when it refused a move.
arbitre() {
  local base=$1
  "$gnugo" --mode gtp --chinese-rules <"$base.gtp" >"$base.arbitre" 2>&1
  if grep -q '^?' "$base.arbitre"; then echo -; return; fi
  grep -E '^= ([BW]\+[0-9.]+|0)$' "$base.arbitre" | tail -1 | cut -c3-
}

# One game: the match tool under the guard, then the referee; writes NN.res.
unepartie() {
  local num=$1 adv=$2 niveau=$3 nadv=$4 taille=$5 limite=$6 g=$7
  local dir base graine couleur autre rc etat ligne longueur compte score gagnant temps
  dir=$sortie/$num
  base=$dir/$(printf %02d "$g")
  graine=$((1000 * num + g))
  autre=("$n" "$graine")
  [ "$adv" = gnugo ] && autre=("$gnugo" --mode gtp --level "$nadv" --chinese-rules --seed "$graine")
  local moi=("$v" --level "$niveau" --rules chinese)
  local opts=(--taille "$taille" --komi "$KOMI" --detail --coups "$base.gtp")
  rm -f "$base.gtp" "$base.arbitre"
  unmatch
  ligne=$(grep -m1 '^game 1:' "$base.log")
  longueur=$(sed -n 's/^game 1: .*, \([0-9]*\) moves, .*/\1/p' <<<"$ligne")
  [ -n "$longueur" ] || longueur=$(grep -cE '^  [^ ]+ (black|white) ' "$base.log")
  compte=$(sed -n 's/^game 1: .* moves, \([BW]+[0-9.R]*\).*/\1/p' <<<"$ligne")
  score=-
  if [ "$rc" = 124 ]; then
    etat=cut
  elif [ "$rc" != 0 ] || [ -z "$ligne" ] || [[ $ligne == *FAULT* ]]; then
    etat=fault
  elif [[ $ligne == *"no two passes"* ]]; then
    etat=capped
  elif [[ $ligne == *"position repeated"* ]]; then
    etat=repeated
  elif [[ $compte == *R ]]; then
    etat=ok score=$compte
  else
    score=$(arbitre "$base")
    etat=ok
    [ -n "$score" ] && [ "$score" != - ] || { etat=refused score=-; }
  fi
  gagnant=-
  if [ "$etat" = ok ]; then
    case $couleur:${score:0:1} in
      black:B | white:W) gagnant=vesmok ;;
      *) gagnant=adversaire ;;
    esac
  fi
  temps=$(awk -v c="$couleur" '$1 == "vesmok" && $2 == c && $NF == "s" { printf "%s%s", s, $(NF - 1); s = "," }' "$base.log")
  echo "game=$g colour=$couleur state=$etat length=$longueur referee=${score:--} count=${compte:--} winner=$gagnant" \
    "times=${temps:--}" >"$base.res"
  echo "row $num game $g: vesmok $couleur, $longueur moves, $etat, referee ${score:--}, count ${compte:--}, winner $gagnant"
}

# The table over every NN.res of the rows' directories.
bilan() {
  echo
  printf '%-3s %-14s %-5s %5s  %-22s %-22s %-22s %4s %4s  %-15s %-13s %6s\n' row vesmok size games \
    "as black (95%)" "as white (95%)" "overall (95%)" cut nores "len mean/min/max" "s/move mean/max" differ
  while read -r num adv niveau nadv taille _; do
    local qui="nebra"
    [ "$adv" = gnugo ] && qui="gnugo L$nadv"
    local fichiers=("$sortie/$num"/*.res)
    [ -e "${fichiers[0]}" ] || { printf '%-3s %s\n' "$num" "vesmok L$niveau v $qui ${taille}x$taille: no games"; continue; }
    cat "${fichiers[@]}" | awk -v num="$num" -v desc="L$niveau v $qui" -v taille="${taille}x$taille" '
      function champ(k,   i) { for (i = 1; i <= NF; ++i) if (index($i, k "=") == 1) return substr($i, length(k) + 2); return "" }
      # k of n with the 95% Wilson interval.
      function wilson(k, n,   z, c, h) {
        if (n == 0) return "-"
        z = 1.959964; c = (k + z * z / 2) / (n + z * z)
        h = z * sqrt(k * (n - k) / n + z * z / 4) / (n + z * z)
        return sprintf("%d/%d (%.2f-%.2f)", k, n, c - h < 0 ? 0 : c - h, c + h > 1 ? 1 : c + h)
      }
      {
        c = champ("colour"); e = champ("state"); ++n[c]; ++tout
        if (champ("winner") == "vesmok") ++g[c]
        if (e == "cut") ++coupees
        else if (e != "ok") ++sans
        if (e != "cut" && e != "fault") {
          l = champ("length") + 0; sl += l; ++nl
          if (nl == 1 || l < lmin) lmin = l
          if (l > lmax) lmax = l
        }
        r = champ("referee"); m = champ("count")
        if (e == "ok" && m !~ /R$/ && substr(r, 1, 1) != substr(m, 1, 1)) ++diff
        t = champ("times")
        if (t != "-") {
          k = split(t, d, ",")
          for (i = 1; i <= k; ++i) { st += d[i]; ++nt; if (d[i] + 0 > tmax) tmax = d[i] + 0 }
        }
      }
      END {
        printf "%-3s %-14s %-5s %5d  %-22s %-22s %-22s %4d %4d  %-15s %-13s %6d\n", num, desc, taille, tout,
          wilson(g["black"] + 0, n["black"] + 0), wilson(g["white"] + 0, n["white"] + 0),
          wilson(g["black"] + g["white"], tout), coupees, sans,
          nl ? sprintf("%.0f/%d/%d", sl / nl, lmin, lmax) : "-", nt ? sprintf("%.3f/%.2f", st / nt, tmax) : "-", diff
      }'
  done < <(lignestable)
  echo "(wins by the GNU Go referee's final_score; cut: stopped by the guard; nores: capped, repeated position," \
    "fault or refused by the referee; both count as not won; len over the games that ended)"
}

# Bash reads a script as it goes: the whole run is one function called from
# the last line, so the file may be edited while a long run plays.
principal() {
  gnugo=$(trouvegnugo)
  if [ -z "$gnugo" ] && [ $bilan = 0 ]; then
    echo "GNU Go is missing: installing the Debian package gnugo"
    local sudo=
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get install -y gnugo >/dev/null || { echo "cannot install gnugo" >&2; exit 2; }
    gnugo=$(trouvegnugo)
  fi
  if [ $bilan = 0 ]; then
    for x in "$m" "$v" "$n" "$gnugo"; do
      [ -x "$x" ] || { echo "missing $x: build first (cmake --build $b)" >&2; exit 2; }
    done
    while read -r num adv niveau nadv taille nb limite; do
      mkdir -p "$sortie/$num"
      local qui=$adv
      [ "$nadv" = - ] || qui="$adv level $nadv"
      echo "== row $num: vesmok level $niveau against $qui, ${taille}x$taille, ${parties:-$nb} games," \
        "guard ${garde:-$limite} s"
      for ((g = 1; g <= ${parties:-$nb}; ++g)); do
        [ -e "$sortie/$num/$(printf %02d "$g").res" ] && continue
        while (($(jobs -rp | wc -l) >= paralleles)); do wait -n; done
        unepartie "$num" "$adv" "$niveau" "$nadv" "$taille" "${garde:-$limite}" "$g" </dev/null &
      done
    done < <(lignestable)
    wait
  fi
  bilan
}
principal; exit $?
